// Court counts, allotment clamp, wear and the training-room bonus.
#include "core/rules/court_rules.h"

#include "core/rules/catalogue.h"
#include "core/rules/game.h"
#include "core/rules/lookups.h"

namespace tk {

namespace {

// An allotment never exceeds its courts and leaves at most two of them to individual
// practice; a zero allotment climbs to one first and to n - 2 at the next recount.
std::uint8_t ClampAllotment(int a, int n) {
    if (a >= n) return static_cast<std::uint8_t>(n < 0 ? 0 : n);
    if (a == 0) return 1;
    if (a < n - 2) return static_cast<std::uint8_t>(n - 2);
    return static_cast<std::uint8_t>(a);
}

}  // namespace

bool IsCourt(int kind) {
    return kind == kOutdoorCourt || kind == kLitCourt || kind == kIndoorCourt;
}

bool ShownUsable(const FacilityRecord &lot) {
    return lot.Durability > kShownUsableAbove;
}

CourtCounts CountCourts(const GameState &s) {
    CourtCounts c{};
    for (int lot = 0; lot < kLots; ++lot) {
        const FacilityRecord &f = s.Facilities[static_cast<std::size_t>(lot)];
        if (f.Durability > kCountedUsableAbove) {
            switch (f.Kind) {
                case kOutdoorCourt: ++c[kCourtsFineDay]; break;
                case kLitCourt:
                    ++c[kCourtsFineNight];
                    ++c[kCourtsFineDay];
                    break;
                case kIndoorCourt:
                    ++c[kCourtsRain];
                    ++c[kCourtsFineNight];
                    ++c[kCourtsFineDay];
                    break;
                default: break;
            }
        }
        if (IsCourt(f.Kind)) ++c[kCourtsAll];
    }
    return c;
}

CourtCounts CountUsableCourts(GameState &s) {
    const CourtCounts c = CountCourts(s);
    s.TeamCourtsDay = ClampAllotment(s.TeamCourtsDay, c[kCourtsFineDay]);
    s.TeamCourtsNight = ClampAllotment(s.TeamCourtsNight, c[kCourtsFineNight]);
    s.TeamCourtsRain = ClampAllotment(s.TeamCourtsRain, c[kCourtsRain]);
    if (!HasIndividualCoach(s)) {
        s.TeamCourtsDay = static_cast<std::uint8_t>(c[kCourtsFineDay]);
        s.TeamCourtsNight = static_cast<std::uint8_t>(c[kCourtsFineNight]);
        s.TeamCourtsRain = static_cast<std::uint8_t>(c[kCourtsRain]);
    }
    return c;
}

void WearCourts(Game &game) {
    for (int lot = 0; lot < kLots; ++lot) {
        FacilityRecord &f = game.state.Facilities[static_cast<std::size_t>(lot)];
        if (!IsCourt(f.Kind)) continue;
        if (f.Durability > 180)
            f.Durability = static_cast<std::int16_t>(f.Durability - game.Random(25, 0));
        else if (f.Durability > 5)
            f.Durability = static_cast<std::int16_t>(f.Durability - game.Random(5, 0));
        else
            f.Durability = 0;
    }
}

void TrainingRoomBonus(GameState &s, int player) {
    for (int k = 1; k <= 6; ++k) PlayerSkillUp(s, player, k, 1);
}

}  // namespace tk
