// The roster list of the roster and dismissal screens.
#include "ui/screens/RosterList.h"

namespace tk {

RosterList::RosterList(const GameState &state, QWidget *parent)
    : SquadRows(state, /*withSalary=*/true, parent) {
    setObjectName(QStringLiteral("RosterList"));
    MakeForm();
}

std::vector<int> RosterList::RowsAt(int scroll) const {
    std::vector<int> rows;
    for (int r = 0; r < kRows; ++r) {
        const int slot = scroll + r;
        // The squad is packed, so the first empty slot ends the list.
        if (slot < 0 || slot >= kSquadSlots ||
            !State().Players[static_cast<std::size_t>(slot)].Occupied())
            break;
        rows.push_back(slot);
    }
    return rows;
}

}  // namespace tk
