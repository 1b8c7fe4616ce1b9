// The dismissal screen, opened at the contract renewal and from the scouting result: the
// roster list with "選手解雇" and "閉じる".
#pragma once

#include <QDialog>

class QPushButton;

namespace tk {

struct Game;
class RosterList;

class kaikoWin : public QDialog {
    Q_OBJECT

public:
    explicit kaikoWin(Game &game, QWidget *parent = nullptr);

    // "選手解雇" for the selected player, after the question.
    void DismissSelected();

    RosterList *List() const { return list_; }
    QPushButton *Command1() const { return dismiss_; }  // "選手解雇"
    QPushButton *Command4() const { return close_; }    // "閉じる"

private:
    void Reload();
    void UpdateButtons();

    Game &game_;
    RosterList *list_ = nullptr;
    QPushButton *dismiss_ = nullptr;
    QPushButton *close_ = nullptr;
};

}  // namespace tk
