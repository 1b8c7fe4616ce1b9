// The dismissal screen, opened at the contract renewal and from the scouting result: the
// roster list with "選手解雇" and "閉じる".
#pragma once

#include <QDialog>

class QPushButton;

namespace tk {

struct Game;
class RosterList;
class RosterDismissal;

class kaikoWin : public QDialog {
    Q_OBJECT

public:
    explicit kaikoWin(Game &game, QWidget *parent = nullptr);

    // "選手解雇" for the selected player, after the question.
    void DismissSelected();

    RosterList *List() const;
    QPushButton *Command1() const;                    // "選手解雇"
    QPushButton *Command4() const { return close_; }  // "閉じる"

private:
    RosterDismissal *roster_ = nullptr;
    QPushButton *close_ = nullptr;
};

}  // namespace tk
