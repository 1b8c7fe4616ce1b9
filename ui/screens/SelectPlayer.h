// The choice of the player for one individual-practice place.
#pragma once

#include <QDialog>

class QPushButton;

namespace tk {

struct Game;
class PlayerList;

class SelectPlayer : public QDialog {
    Q_OBJECT

public:
    // place: the individual-practice place 1..3 being chosen (PlayersKind).
    SelectPlayer(Game &game, int place, QWidget *parent = nullptr);

    int Place() const { return place_; }

    PlayerList *Players() const { return list_; }
    QPushButton *Command1() const { return choose_; }   // "上記の選手に決定"
    QPushButton *Command2() const { return release_; }  // "現在の選手をやめる"
    QPushButton *Command3() const { return cancel_; }   // "キャンセル"

private:
    void Choose();
    void Release();
    void UpdateButtons();

    Game &game_;
    int place_;
    PlayerList *list_ = nullptr;
    QPushButton *choose_ = nullptr;
    QPushButton *release_ = nullptr;
    QPushButton *cancel_ = nullptr;
};

}  // namespace tk
