// The roster screen: the squad with its salaries, dismissal and the scout request.
#pragma once

#include <QDialog>

class QPushButton;

namespace tk {

struct Game;
class RosterList;
class RosterDismissal;

class PlayerSetWin : public QDialog {
    Q_OBJECT

public:
    explicit PlayerSetWin(Game &game, QWidget *parent = nullptr);

    // "選手解雇" for the selected player, after the question.
    void DismissSelected();
    // "選手獲得スカウト": the request screen, or the notice while a request is open.
    void Scout();

    RosterList *List() const;
    QPushButton *Command1() const;                    // "選手解雇"
    QPushButton *Command2() const { return scout_; }  // "選手獲得\nスカウト"
    QPushButton *Command4() const { return close_; }  // "閉じる"

private:
    Game &game_;
    RosterDismissal *roster_ = nullptr;
    QPushButton *scout_ = nullptr;
    QPushButton *close_ = nullptr;
};

}  // namespace tk
