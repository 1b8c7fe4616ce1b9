// The match announcement: the competition and the round, for two seconds.
#pragma once

#include <QDialog>
#include <QTimer>

#include "core/state/game_state.h"

class QLabel;

namespace tk {

struct Game;

class BeforeGame : public QDialog {
    Q_OBJECT

public:
    // Announces this week's match. Closes after two seconds, on a click or on any key.
    explicit BeforeGame(const GameState &s, QWidget *parent = nullptr);
    // The same at the game's pace: in fast mode the announcement is up for a fifth as long.
    explicit BeforeGame(const Game &game, QWidget *parent = nullptr);

    QLabel *GameKind() const { return gameKind_; }
    QLabel *Pro() const { return pro_; }
    QLabel *Picture() const { return picture_; }
    const QTimer &Timer1() const { return timer1_; }

protected:
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    BeforeGame(const GameState &s, bool fast, QWidget *parent);

    QLabel *gameKind_ = nullptr;
    QLabel *pro_ = nullptr;
    QLabel *picture_ = nullptr;
    QTimer timer1_;
};

}  // namespace tk
