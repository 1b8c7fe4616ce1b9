// The candidate list of the scouting result screen: five rows with the contract mark, the
// name, salary, age, style and six grades.
#pragma once

#include <array>

#include <QWidget>

#include "core/state/game_state.h"

class QLabel;

namespace tk {

class SkList : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRows = kCandidateSlots;
    static constexpr int kGrades = 6;

    explicit SkList(QWidget *parent = nullptr);

    // Prev: fills the five rows from the candidates of `state`.
    void Prev(const GameState &state);
    // Shows the mark of `row` after a toggle: "契約" in green or "未契約" in red.
    void ShowMark(const GameState &state, int row);

    QLabel *PlJo(int row) const { return Cell(row, kMark); }
    QLabel *PlNames(int row) const { return Cell(row, kName); }
    QLabel *PlNenpous(int row) const { return Cell(row, kSalary); }
    QLabel *PlAge(int row) const { return Cell(row, kAge); }
    QLabel *PlType(int row) const { return Cell(row, kType); }
    // Grade k = 0..5: PlSta, PlPow, PlTec, PlBin, PlSho, PlVol.
    QLabel *PlGrade(int row, int k) const { return Cell(row, kFirstGrade + k); }

signals:
    // Clicking_Click: a click anywhere on a row.
    void rowClicked(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum Column { kMark, kName, kSalary, kAge, kType, kFirstGrade, kColumns = kFirstGrade + 6 };

    QLabel *Cell(int row, int column) const;

    std::array<std::array<QLabel *, kColumns>, kRows> cells_{};
};

}  // namespace tk
