// Eight rows of squad players with a scroll bar: what the roster, dismissal and
// individual-practice lists share (columns, colours, the selection marker).
#pragma once

#include <array>
#include <vector>

#include <QWidget>

#include "core/state/game_state.h"

class QLabel;
class QScrollBar;

namespace tk {

class SquadRows : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRows = 8;

    // Fills the list and selects row 0 (MakeForm).
    void MakeForm();
    // PEl_Click: moves the selection to `row` when it shows a player; a blank row is ignored.
    bool Select(int row);
    // Scrolls to `position` (clamped to the scroll bar's range) as the scroll bar would.
    void ScrollTo(int position);
    // The arrow keys: one row up (-1) or down (+1), scrolling past the ends of the rows.
    void MoveSelection(int step);

    int SelectedRow() const { return selected_; }
    int ScrollPosition() const { return scroll_; }
    // The player shown on `row`, or -1 for a blank row.
    int RowPlayer(int row) const;
    // The player of the selected row (ElectedPlayer), or -1 when that row is blank.
    int ElectedPlayer() const { return RowPlayer(selected_); }

    QScrollBar *ScrollBar() const { return scrollBar_; }
    QLabel *PName(int row) const { return Cell(row, kName); }
    QLabel *PAge(int row) const { return Cell(row, kAge); }
    // Grade k = 0 スタミナ, 1 パワー, 2 技術, 3 敏捷, 4 ショット/ボレー (PSuta .. PSB).
    QLabel *PGrade(int row, int k) const { return Cell(row, kFirstGrade + k); }
    QLabel *PTyp(int row) const { return Cell(row, kType); }
    QLabel *PSala(int row) const { return Cell(row, kSalary); }  // null without salary
    QLabel *PNamePre(int row) const { return markers_.at(static_cast<std::size_t>(row)); }

signals:
    // The selection moved (a click, a scroll or a new fill).
    void selectionChanged();

protected:
    // withSalary: the roster and dismissal lists show the 年俸 column.
    SquadRows(const GameState &state, bool withSalary, QWidget *parent);

    // The players rows 0..7 show from scroll position `scroll`, in row order.
    virtual std::vector<int> RowsAt(int scroll) const = 0;
    // The selected row after the list scrolled by `delta` rows.
    virtual int RowAfterScroll(int row, int delta) const = 0;

    const GameState &State() const { return state_; }
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    enum Column { kName, kAge, kFirstGrade, kType = kFirstGrade + 5, kSalary, kColumns };

    QLabel *Cell(int row, int column) const;
    void Scrolled(int position);
    void Draw();
    void Mark();

    const GameState &state_;
    bool withSalary_;
    std::array<std::array<QLabel *, kColumns>, kRows> cells_{};
    std::array<QLabel *, kRows> markers_{};
    std::vector<int> rows_;
    QScrollBar *scrollBar_ = nullptr;
    int scroll_ = 0;
    int selected_ = 0;
};

}  // namespace tk
