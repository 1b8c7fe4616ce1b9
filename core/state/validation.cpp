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

// The sizes the rules build on: the name pools (family 1..50, first 1..66), levels up to
// 250, growth 0..4, five regular places, three individual-practice places, and a squad of at
// least five so that the lineup can always be filled.
inline constexpr int kFamilyNamePool = 50;
inline constexpr int kFirstNamePool = 66;
inline constexpr int kTopLevel = 250;
inline constexpr int kTopGrowth = 4;
inline constexpr int kRegularPlaces = 5;
inline constexpr int kPracticePlaces = 3;
inline constexpr int kSmallestSquad = 5;

std::optional<std::string> FindPersonFault(const PlayerRecord &p, const std::string &name) {
    if (!InRange(p.Order, 0, kRegularPlaces))
        return Fault("選手の起用順が範囲外です", name + ".Order", p.Order);
    if (!InRange(p.PracticeSlot, 0, kPracticePlaces)) {
        return Fault("選手の練習場所が範囲外です", name + ".PracticeSlot", p.PracticeSlot);
    }
    return std::nullopt;
}

// A player or candidate in his place: a name the pools hold (a blank one would count as an
// empty place) and levels the rules can grow.
std::optional<std::string> FindLevelsFault(const PlayerRecord &p, const std::string &name) {
    if (!p.Occupied()) return std::nullopt;
    if (!InRange(p.FamilyName, 1, kFamilyNamePool))
        return Fault("選手の名前が正しくありません", name + ".FamilyName", p.FamilyName);
    if (!InRange(p.FirstName, 1, kFirstNamePool))
        return Fault("選手の名前が正しくありません", name + ".FirstName", p.FirstName);
    if (p.Condition > kTopLevel) return Fault("調子が範囲外です", name + ".Condition", p.Condition);
    for (std::size_t k = 0; k < p.Skill.size(); ++k) {
        if (p.Skill[k] > kTopLevel) {
            return Fault("能力が範囲外です", name + ".Skill[" + std::to_string(k) + "]",
                         p.Skill[k]);
        }
    }
    if (p.Growth > kTopGrowth) return Fault("成長が範囲外です", name + ".Growth", p.Growth);
    // No rule ever pays a negative salary: one would pay the club every year instead.
    if (p.Salary < 0) return Fault("年俸がマイナスです", name + ".Salary", p.Salary);
    return std::nullopt;
}

// Each regular place and each individual-practice place has one holder at most. The places
// are looked up over every slot the rules use, so an empty slot must hold none.
std::optional<std::string> FindPlaceFault(const GameState &s) {
    int regulars[kRegularPlaces + 1] = {};
    int practising[kPracticePlaces + 1] = {};
    for (int i = 0; i < kSquadSlots; ++i) {
        const PlayerRecord &p = s.Players[static_cast<std::size_t>(i)];
        const std::string name = Indexed("Players", i);
        if (p.Order != 0 && !p.Occupied())
            return Fault("空いた枠にレギュラーの順番があります", name + ".Order", p.Order);
        if (p.Order != 0 && ++regulars[p.Order] > 1)
            return Fault("同じレギュラーの順番の選手が二人います", name + ".Order", p.Order);
        if (p.Occupied() && p.PracticeSlot != 0 && ++practising[p.PracticeSlot] > 1) {
            return Fault("同じ個人練習の枠に選手が二人います", name + ".PracticeSlot",
                         p.PracticeSlot);
        }
    }
    // A candidate is signed as he is: holding a place, he would take it twice.
    for (int i = 0; i < kCandidateSlots; ++i) {
        const PlayerRecord &c = s.Candidates[static_cast<std::size_t>(i)];
        const std::string name = Indexed("Candidates", i);
        if (c.Occupied() && c.Order != 0)
            return Fault("候補の選手にレギュラーの順番があります", name + ".Order", c.Order);
        if (c.Occupied() && c.PracticeSlot != 0) {
            return Fault("候補の選手に個人練習の枠があります", name + ".PracticeSlot",
                         c.PracticeSlot);
        }
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
    if (count < kSmallestSquad) return Fault("選手が足りません", "PlayerCount", count);
    for (int i = 0; i < kPlayerSlots; ++i) {
        const PlayerRecord &p = s.Players[static_cast<std::size_t>(i)];
        if (auto f = FindPersonFault(p, Indexed("Players", i))) return f;
        if (auto f = FindLevelsFault(p, Indexed("Players", i))) return f;
    }
    for (int i = 0; i < kCandidateSlots; ++i) {
        const PlayerRecord &c = s.Candidates[static_cast<std::size_t>(i)];
        if (auto f = FindPersonFault(c, Indexed("Candidates", i))) return f;
        if (auto f = FindLevelsFault(c, Indexed("Candidates", i))) return f;
    }
    return FindPlaceFault(s);
}

// Each role has at most one holder; the practice rules take the holder's ability, and coach
// 0 stands for "no coach", so he holds none.
std::optional<std::string> FindCoachFault(const GameState &s) {
    int holders[3] = {0, 0, 0};
    for (int i = 0; i < kCoachSlots; ++i) {
        const int hired = s.Coaches[static_cast<std::size_t>(i)].Hired;
        const std::string name = Indexed("Coaches", i) + ".Hired";
        if (!InRange(hired, 0, 2)) return Fault("コーチの契約が範囲外です", name, hired);
        if (i == 0 && hired != kCoachFree) return Fault("コーチ0は雇えません", name, hired);
        const std::int32_t salary = s.Coaches[static_cast<std::size_t>(i)].Salary;
        if (salary < 0)
            return Fault("コーチの年俸がマイナスです", Indexed("Coaches", i) + ".Salary", salary);
        if (hired != kCoachFree && ++holders[hired] > 1) {
            return Fault(hired == kCoachTeam ? "全体練習のコーチが二人います"
                                             : "個別練習のコーチが二人います",
                         name, hired);
        }
    }
    return std::nullopt;
}

// Names are shown on one line and joined into the slot summary: no line breaks or other
// control characters.
std::optional<std::string> FindNameFault(const std::string &text, const char *what,
                                         const char *member) {
    int characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F)
            return Fault(what, std::string(member) + "[" + std::to_string(i) + "]", c);
        if ((c & 0xC0) != 0x80) ++characters;  // not a continuation byte of UTF-8
    }
    // Every name this game writes was typed on the new-game screen, which takes twelve
    // characters (code page 932 holds no character outside the first UTF-16 plane).
    if (characters > kMaxNameCharacters)
        return Fault("名前が長すぎます（12文字まで）", std::string(member) + " の文字数",
                     characters);
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
    if (auto f = FindNameFault(state.TeamName, "チーム名に使えない文字があります", "TeamName"))
        return f;
    if (auto f = FindNameFault(state.ManagerName, "監督名に使えない文字があります", "ManagerName"))
        return f;
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
