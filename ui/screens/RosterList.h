// The roster list of the roster and dismissal screens: eight rows over the squad in slot
// order, with the salary, the selection following the player as the list scrolls.
#pragma once

#include "ui/screens/SquadRows.h"

namespace tk {

class RosterList : public SquadRows {
    Q_OBJECT

public:
    // Draws from `state`; call MakeForm() after every change of the squad.
    explicit RosterList(const GameState &state, QWidget *parent = nullptr);

protected:
    // Row r shows squad slot scroll + r.
    std::vector<int> RowsAt(int scroll) const override;
    // The selected player stays selected while he is in view; scrolled out, the selection
    // stays on the top or bottom row.
    int RowAfterScroll(int row, int delta) const override { return row - delta; }
};

}  // namespace tk
