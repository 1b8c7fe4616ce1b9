// Level bytes of a person record addressed by skill index.
#include "core/state/game_state.h"

namespace tk {

std::uint8_t &PlayerRecord::Level(int skill) {
    switch (skill) {
        case 0: return Condition;
        case 7: return Style;
        case 8: return Growth;
        case 9: return SpareLevels[0];
        case 10: return SpareLevels[1];
        default: return Skill[static_cast<std::size_t>(skill - 1)];
    }
}

std::uint8_t PlayerRecord::Level(int skill) const {
    return const_cast<PlayerRecord *>(this)->Level(skill);
}

}  // namespace tk
