// The player detail screen: one player's hexagon, grades, style and marks, with "←" / "→"
// (or the arrow keys) and "閉じる".
#pragma once

#include <array>

#include <QDialog>

#include "core/state/game_state.h"

class QLabel;
class QPushButton;

namespace tk {

class HexaGraph;
class HistoryStore;
class ProgressChart;

class SensyuWin : public QDialog {
    Q_OBJECT

public:
    // Shows player `player`; an index outside the squad shows the first player. With a
    // history, his six skills month by month are charted below.
    explicit SensyuWin(const GameState &state, int player, QWidget *parent = nullptr,
                       const HistoryStore *history = nullptr);

    // Opens the screen modally on `player` and returns the player it showed when it was
    // closed, which the main screen then selects.
    static int Browse(const GameState &state, int player, QWidget *parent = nullptr,
                      const HistoryStore *history = nullptr);

    int PlayerIndNum() const { return playerIndNum_; }
    void SetPlayerIndNum(int player);

    QPushButton *Command1() const { return next_; }      // "→"
    QPushButton *Command2() const { return previous_; }  // "←"
    QPushButton *CloseButton() const { return close_; }  // "閉じる"
    HexaGraph *BenchGraph() const { return benchGraph_; }
    // Force(0) age, (1..5) grades, (6) style, (7) state, (8) number and name, (9) regular,
    // (10) individual practice.
    QLabel *Force(int i) const { return force_.at(static_cast<std::size_t>(i)); }
    // The caption of the fifth grade: "　ショット" or "　 ボレー".
    QLabel *FifthCaption() const { return fifthCaption_; }
    ProgressChart *Progress() const { return progress_; }

private:
    void Redraw();
    void Step(int step);

    const GameState &state_;
    const HistoryStore *history_;
    int playerIndNum_ = 0;
    HexaGraph *benchGraph_ = nullptr;
    std::array<QLabel *, 11> force_{};
    QLabel *fifthCaption_ = nullptr;
    QPushButton *next_ = nullptr;
    QPushButton *previous_ = nullptr;
    QPushButton *close_ = nullptr;
    ProgressChart *progress_ = nullptr;
};

}  // namespace tk
