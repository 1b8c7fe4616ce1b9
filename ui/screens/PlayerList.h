// The list of SelectPlayer: the squad's players who hold no individual-practice place, eight
// rows from the scroll position, without the salary.
#pragma once

#include "ui/screens/SquadRows.h"

namespace tk {

class PlayerList : public SquadRows {
    Q_OBJECT

public:
    // Draws from `state`; MakeForm() refills it.
    explicit PlayerList(const GameState &state, QWidget *parent = nullptr);

protected:
    std::vector<int> RowsAt(int scroll) const override;
    // The selection keeps its row as the list scrolls. Should that row turn blank, no
    // player is elected until a shown one is clicked: only a shown player can be chosen.
    int RowAfterScroll(int row, int) const override { return row; }
};

}  // namespace tk
