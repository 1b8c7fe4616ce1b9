// The scouting result screen: the five candidates, marks for signing, signing, dismissing
// players to make room, or signing nobody.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tk {

struct Game;
class SkList;

class SkautWIn : public QDialog {
    Q_OBJECT

public:
    explicit SkautWIn(Game &game, QWidget *parent = nullptr);

    void ToggleMark(int row);  // Clicking_Click
    void Sign();               // "上記の選手と契約"
    void DismissPlayers();     // "チームの選手を解雇"
    void Decline();            // "契約しない"

    // CntKeiyaku: the candidates marked for signing.
    int MarkedCount() const;

    SkList *List() const { return list_; }
    QPushButton *Command1() const { return sign_; }
    QPushButton *Command2() const { return dismiss_; }
    QPushButton *Command3() const { return decline_; }
    // The title's words (the contract total or what to do), as a line of the screen.
    QLabel *TitleLine() const { return titleLine_; }

public slots:
    // The close box and Escape do nothing: only the buttons close the screen.
    void reject() override {}

private:
    // Title and the sign button from the marks and the squad size.
    void Evaluate();

    Game &game_;
    SkList *list_ = nullptr;
    QPushButton *sign_ = nullptr;
    QPushButton *dismiss_ = nullptr;
    QPushButton *decline_ = nullptr;
    QLabel *titleLine_ = nullptr;
};

}  // namespace tk
