// The list of free coaches on the coach choice screen: ten rows in two blocks of five.
#pragma once

#include <array>

#include <QWidget>

#include "core/rules/coach_rules.h"

class QLabel;

namespace tk {

class CoachList : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRows = 10;
    static constexpr int kBlockRows = 5;  // two blocks of five, side by side

    explicit CoachList(QWidget *parent = nullptr);

    // Lists the free coaches of `state` in catalogue order; the rows after them are blank.
    void MakeList(const GameState &state);
    // El_Click: selects a row that shows a coach; a blank row is ignored.
    bool Select(int row);

    int SelectedRow() const { return selected_; }
    // The coach of the selected row (ElectedCoach), 0 when no row is selected.
    int ElectedCoach() const;
    // The coach a row shows, 0 for a blank row.
    int RowCoach(int row) const;

    QLabel *CName(int row) const { return names_.at(Index(row)); }
    QLabel *CRank(int row) const { return ranks_.at(Index(row)); }
    QLabel *CSala(int row) const { return salaries_.at(Index(row)); }
    QLabel *CoachNamePre(int row) const { return markers_.at(Index(row)); }

signals:
    void selectionChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    static std::size_t Index(int row) { return static_cast<std::size_t>(row); }

    std::array<int, kRows> coaches_{};
    std::array<QLabel *, kRows> names_{};
    std::array<QLabel *, kRows> ranks_{};
    std::array<QLabel *, kRows> salaries_{};
    std::array<QLabel *, kRows> markers_{};
    int selected_ = -1;
};

}  // namespace tk
