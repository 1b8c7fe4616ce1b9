// Monthly upkeep and construction completion.
#include "core/rules/grounds_rules.h"

#include "core/rules/catalogue.h"
#include "core/rules/game.h"

namespace tk {

namespace {

constexpr int kFirstConstructionPlane = 1;
constexpr int kLastConstructionPlane = 2;

void Raise(std::uint8_t &allotment) {
    if (allotment < 255) ++allotment;
}

void RaiseAllotments(GameState &s, int kind) {
    switch (kind) {
        case kOutdoorCourt: Raise(s.TeamCourtsDay); break;
        case kLitCourt:
            Raise(s.TeamCourtsDay);
            Raise(s.TeamCourtsNight);
            break;
        case kIndoorCourt:
            Raise(s.TeamCourtsDay);
            Raise(s.TeamCourtsNight);
            Raise(s.TeamCourtsRain);
            break;
        default: break;
    }
}

}  // namespace

std::int32_t MonthlyUpkeep(const GameState &s) {
    std::int32_t sum = 0;
    for (int lot = 0; lot < kLots; ++lot)
        sum += CIzi(s.Facilities[static_cast<std::size_t>(lot)].Kind);
    return sum;
}

void FinishConstructions(Game &game, int week) {
    GameState &s = game.state;
    if (week < 0 || week > kLastWeek) return;
    for (int plane = kFirstConstructionPlane; plane <= kLastConstructionPlane; ++plane) {
        const int lot = s.BuildLot(plane, week);
        // Lot 0 marks a free entry (the office is never built on); the grounds end at lot 8.
        if (lot == 0 || lot >= kLots) continue;
        const int kind = s.BuildKind(plane, week);
        s.Facilities[static_cast<std::size_t>(lot)].Kind = static_cast<std::int16_t>(kind);
        game.ui.ShowNotice(MessageKind::Report, CNames(s, kind) + "の\r工事が終わりました", "", 13);
        RaiseAllotments(s, kind);
    }
}

}  // namespace tk
