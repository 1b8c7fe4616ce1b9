// The individual-practice player list.
#include "ui/screens/PlayerList.h"

#include "core/rules/individual_rules.h"

namespace tk {

PlayerList::PlayerList(const GameState &state, QWidget *parent)
    : SquadRows(state, /*withSalary=*/false, parent) {
    setObjectName(QStringLiteral("PlayerList"));
    MakeForm();
}

std::vector<int> PlayerList::RowsAt(int scroll) const {
    return SelectablePlayers(State(), scroll);
}

}  // namespace tk
