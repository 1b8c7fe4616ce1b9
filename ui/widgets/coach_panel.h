// The main screen's coach slots (whole-team and individual) and the clicked coach's worth.
#pragma once

#include <array>

#include <QWidget>

#include "core/state/game_state.h"

class QLabel;

namespace tk {

class ClickLabel;

class CoachPanel : public QWidget {
    Q_OBJECT

public:
    explicit CoachPanel(QWidget *parent = nullptr);

    // Writes the two slot names, "なし" for an empty slot (CoachWinMake). Once a slot has
    // been clicked, its coach's salary and grade are written again too.
    void CoachWinMake(const GameState &s);
    void Redraw(const GameState &s) { CoachWinMake(s); }

    // Shows the coach of slot 0 (whole-team) or 1 (individual) and highlights the slot
    // (CoachNames_Click). Other indices are ignored.
    void Select(const GameState &s, int slot);
    // The highlighted slot; -1 before the first click.
    int Highlighted() const { return highlighted_; }

    QLabel *CoachNames(int slot) const;
    // CForce(7) the salary or "コーチはいません", CForce(0) the grade letter.
    QLabel *CForce(int i) const;

signals:
    void slotClicked(int slot);

private:
    void ShowCoach(const GameState &s, int slot);

    std::array<ClickLabel *, 2> names_{};
    QLabel *salary_ = nullptr;
    QLabel *grade_ = nullptr;
    int highlighted_ = -1;
};

}  // namespace tk
