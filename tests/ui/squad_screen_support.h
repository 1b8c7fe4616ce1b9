// Test support for the squad and training screens: a new game with a squad of known names,
// salaries and styles, and the grounds laid out with a chosen number of courts.
#pragma once

#include <cstdint>

#include "core/state/game_state.h"
#include "tests/ui/view_test_support.h"

namespace tk::test {

// Slots 0..count-1 hold players named (i+1, i+1), salary 100 × (i+1), all skills 120; the
// rest of the squad is cleared.
inline void SetSquadSize(GameState &s, int count) {
    const PlayerRecord model = s.Players[0];
    for (int i = 0; i < kPlayerSlots; ++i) {
        PlayerRecord &p = s.Players[static_cast<std::size_t>(i)];
        p = {};
        if (i >= count) continue;
        p = model;
        p.FamilyName = static_cast<std::uint8_t>(i + 1);
        p.FirstName = static_cast<std::uint8_t>(i + 1);
        p.Salary = 100 * (i + 1);
        for (int k = 1; k <= 6; ++k) p.Level(k) = 120;
        p.Style = 0;
        p.Order = 0;
        p.PracticeSlot = 0;
    }
}

// Lots 0..courts-1 are outdoor courts of the given durability, lot 8 the office, the rest
// land for sale.
inline void SetCourts(GameState &s, int courts, int durability = 1000) {
    for (int lot = 0; lot < kLots; ++lot)
        s.Facilities[static_cast<std::size_t>(lot)] = {kLandForSale, 1000};
    for (int lot = 0; lot < courts; ++lot)
        s.Facilities[static_cast<std::size_t>(lot)] = {kOutdoorCourt,
                                                       static_cast<std::int16_t>(durability)};
    s.Facilities[8].Kind = kOffice;
}

inline void Hire(GameState &s, int coach, int kind) {
    s.Coaches[static_cast<std::size_t>(coach)].Hired = static_cast<std::uint8_t>(kind);
}

}  // namespace tk::test
