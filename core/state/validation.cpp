// Range and packing checks of a loaded game record.
#include "core/state/validation.h"

#include <string_view>

namespace tk {
namespace {

inline constexpr int kMaxCourtAllotment = 9;
inline constexpr int kLastPracticeMenu = 7;

std::string Fault(std::string_view what, const std::string &member, int value) {
    return std::string(what) + "（" + member + " = " + std::to_string(value) + "）";
}

std::string Indexed(const char *array, int i) {
    return std::string(array) + "[" + std::to_string(i) + "]";
}

bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

std::optional<std::string> FindScalarFault(const GameState &s) {
    // 4801: the last week has been played and the game is over; it loads to be looked at.
    if (!InRange(s.WeekCount, 1, kCalendarOver))
        return Fault("日付が範囲外です", "WeekCount", s.WeekCount);
    if (!InRange(s.TimeOfDay, 0, 7)) return Fault("時間帯が範囲外です", "TimeOfDay", s.TimeOfDay);
    if (!InRange(s.Weather, 0, 3)) return Fault("天気が範囲外です", "Weather", s.Weather);
    if (!InRange(s.TeamLevel, 1, 5))
        return Fault("チームレベルが範囲外です", "TeamLevel", s.TeamLevel);
    if (!InRange(s.TeamPracticeMenu, 0, kLastPracticeMenu)) {
        return Fault("練習メニューが範囲外です", "TeamPracticeMenu", s.TeamPracticeMenu);
    }
    if (!InRange(s.CampSessions, 0, 2))
        return Fault("合宿の予約が範囲外です", "CampSessions", s.CampSessions);
    const std::pair<const char *, int> courts[] = {{"TeamCourtsNight", s.TeamCourtsNight},
                                                   {"TeamCourtsRain", s.TeamCourtsRain},
                                                   {"TeamCourtsDay", s.TeamCourtsDay}};
    for (const auto &[name, value] : courts) {
        if (!InRange(value, 0, kMaxCourtAllotment))
            return Fault("コートの割り当てが範囲外です", name, value);
    }
    return std::nullopt;
}

std::optional<std::string> FindPersonFault(const PlayerRecord &p, const std::string &name) {
    if (!InRange(p.Order, 0, 5)) return Fault("選手の起用順が範囲外です", name + ".Order", p.Order);
    if (!InRange(p.PracticeSlot, 0, 3)) {
        return Fault("選手の練習場所が範囲外です", name + ".PracticeSlot", p.PracticeSlot);
    }
    return std::nullopt;
}

// The squad fills slots 0..N-1 without holes; the last slot stays free for the rules.
std::optional<std::string> FindSquadFault(const GameState &s) {
    int count = 0;
    while (count < kPlayerSlots && s.Players[static_cast<std::size_t>(count)].Occupied()) ++count;
    for (int i = count; i < kPlayerSlots; ++i) {
        if (s.Players[static_cast<std::size_t>(i)].Occupied()) {
            return Fault("選手の並びに空きがあります", Indexed("Players", i) + ".FamilyName",
                         s.Players[static_cast<std::size_t>(i)].FamilyName);
        }
    }
    if (count > kSquadSlots) return Fault("選手が多すぎます", "PlayerCount", count);
    if (count < 1) return Fault("選手がいません", "PlayerCount", count);
    for (int i = 0; i < kPlayerSlots; ++i) {
        if (auto f = FindPersonFault(s.Players[static_cast<std::size_t>(i)], Indexed("Players", i)))
            return f;
    }
    for (int i = 0; i < kCandidateSlots; ++i) {
        if (auto f = FindPersonFault(s.Candidates[static_cast<std::size_t>(i)],
                                     Indexed("Candidates", i)))
            return f;
    }
    return std::nullopt;
}

// Each role has at most one holder; the practice rules take the holder's ability.
std::optional<std::string> FindCoachFault(const GameState &s) {
    int holders[3] = {0, 0, 0};
    for (int i = 0; i < kCoachSlots; ++i) {
        const int hired = s.Coaches[static_cast<std::size_t>(i)].Hired;
        const std::string name = Indexed("Coaches", i) + ".Hired";
        if (!InRange(hired, 0, 2)) return Fault("コーチの契約が範囲外です", name, hired);
        if (hired != kCoachFree && ++holders[hired] > 1) {
            return Fault(hired == kCoachTeam ? "全体練習のコーチが二人います"
                                             : "個別練習のコーチが二人います",
                         name, hired);
        }
    }
    return std::nullopt;
}

std::optional<std::string> FindGroundsFault(const GameState &s) {
    for (int lot = 0; lot < kLots; ++lot) {
        const FacilityRecord &f = s.Facilities[static_cast<std::size_t>(lot)];
        const std::string name = Indexed("Facilities", lot);
        if (!IsFacilityKind(f.Kind))
            return Fault("施設の種類が正しくありません", name + ".Kind", f.Kind);
        if (!InRange(f.Durability, 0, 1000)) {
            return Fault("施設の状態が範囲外です", name + ".Durability", f.Durability);
        }
    }
    for (int slot = 1; slot <= 2; ++slot) {
        const int sponsor = s.SponsorState.Contract[static_cast<std::size_t>(slot)];
        if (!InRange(sponsor, 0, kSponsorCount)) {
            return Fault("スポンサーの番号が範囲外です", Indexed("SponsorState.Contract", slot),
                         sponsor);
        }
    }
    return std::nullopt;
}

std::string Cell(int plane, int w, const char *member) {
    return "Calendar[" + std::to_string(plane) + "][" + std::to_string(w) + "]" + member;
}

std::optional<std::string> FindCalendarFault(const GameState &s) {
    for (int w = 0; w < kCalendarWeeks; ++w) {
        if (!IsMatchKind(s.MatchKind(w))) {
            return Fault("試合の予定が正しくありません", Cell(0, w, ""), s.MatchKind(w));
        }
        for (int plane = 1; plane <= 2; ++plane) {
            const int lot = s.BuildLot(plane, w);
            const int kind = s.BuildKind(plane, w);
            if (!InRange(lot, 0, kLots - 1)) {
                return Fault("工事の予定が正しくありません", Cell(plane, w, ".Lot"), lot);
            }
            if (lot != 0 && !IsFacilityKind(kind)) {
                return Fault("工事の予定が正しくありません", Cell(plane, w, ".Kind"), kind);
            }
        }
    }
    return std::nullopt;
}

}  // namespace

bool IsFacilityKind(int kind) {
    switch (kind) {
        case kOutdoorCourt:
        case kLitCourt:
        case kIndoorCourt:
        case kOffice:
        case kTrainingRoom:
        case kLandForSale:
        case kUnderConstruction: return true;
        default: return false;
    }
}

bool IsMatchKind(int code) {
    return InRange(code, 0, 6) || InRange(code, 10, 19) || InRange(code, 20, 25) ||
           InRange(code, 30, 35) || InRange(code, 40, 46) || code == 99;
}

std::optional<std::string> FindGameFault(const GameState &state) {
    if (state.TeamName.empty()) return std::nullopt;
    if (auto f = FindScalarFault(state)) return f;
    if (auto f = FindSquadFault(state)) return f;
    if (auto f = FindCoachFault(state)) return f;
    if (auto f = FindGroundsFault(state)) return f;
    return FindCalendarFault(state);
}

bool SettingsUsable(const Settings &settings) {
    return settings.CurrentSlot <= 3 && (settings.FastMode == kTrue || settings.FastMode == kFalse);
}

}  // namespace tk
