// The roster screen: the squad with its salaries, dismissal and the scout request.
#pragma once

#include <QDialog>

class QPushButton;

namespace tk {

struct Game;
class RosterList;

class PlayerSetWin : public QDialog {
    Q_OBJECT

public:
    explicit PlayerSetWin(Game &game, QWidget *parent = nullptr);

    // "選手解雇" for the selected player, after the question.
    void DismissSelected();
    // "選手獲得スカウト": the request screen, or the notice while a request is open.
    void Scout();

    RosterList *List() const { return list_; }
    QPushButton *Command1() const { return dismiss_; }  // "選手解雇"
    QPushButton *Command2() const { return scout_; }    // "選手獲得\nスカウト"
    QPushButton *Command4() const { return close_; }    // "閉じる"

private:
    // Title, list, scroll range and limits from the record, with row 0 selected.
    void Reload();
    void UpdateButtons();

    Game &game_;
    RosterList *list_ = nullptr;
    QPushButton *dismiss_ = nullptr;
    QPushButton *scout_ = nullptr;
    QPushButton *close_ = nullptr;
};

}  // namespace tk
