// Money text, grades, dates, names and counts over the game record.
#include "core/rules/lookups.h"

#include <cstdlib>
#include <limits>

#include "core/rules/catalogue.h"
#include "core/rules/random.h"

namespace tk {

namespace {

std::string Pad4(std::int64_t v) {
    std::string s = std::to_string(v);
    return std::string(4 - std::min<std::size_t>(4, s.size()), '0') + s;
}

}  // namespace

std::string MoneyText(std::int64_t amount) {
    std::int64_t a = amount < 0 ? -amount : amount;
    if (a >= 1000000000) a = kMoneyTextCap;
    const std::string sign = amount < 0 ? "-" : "";
    if (a < 10000) return sign + std::to_string(a) + "万円";
    if (a < 100000000) return sign + std::to_string(a / 10000) + "億" + Pad4(a % 10000) + "万円";
    const std::int64_t oku = a / 10000;
    return sign + std::to_string(oku / 10000) + "兆" + Pad4(oku % 10000) + "億円";
}

std::string ShowFunds(GameState &state) {
    if (state.Money >= 1000000000) state.Money = kMoneyTextCap;
    if (state.Money <= -1000000000) state.Money = -kMoneyTextCap;
    return MoneyText(state.Money);
}

std::int32_t SaturateMoney(std::int64_t amount) {
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(amount > hi ? hi : amount < lo ? lo : amount);
}

void AddMoney(GameState &state, std::int64_t amount) {
    state.Money = SaturateMoney(static_cast<std::int64_t>(state.Money) + amount);
}

void SubtractMoney(GameState &state, std::int64_t amount) {
    state.Money = SaturateMoney(static_cast<std::int64_t>(state.Money) - amount);
}

std::string GradeLetter(int v) {
    if (v >= 250) return "S";
    if (v > 220) return "A";
    if (v > 180) return "B";
    if (v > 135) return "C";
    if (v > 105) return "D";
    if (v > 70) return "E";
    return "F";
}

std::uint32_t GradeColour(const std::string &label) {
    if (label.empty()) return 0x000000;
    switch (label.back()) {
        case 'S': return 0xFF00FF;
        case 'A': return 0x00FFFF;
        case 'B': return 0xFF0000;
        case 'C': return 0xFF8000;
        case 'D': return 0x00C000;
        case 'E': return 0x000080;
        case 'F': return 0x808080;
        default: return 0x000000;
    }
}

std::string StyleText(int style) {
    return style == 1 ? "前衛" : "後衛";
}

int YearOf(int w) {
    return RoundAway(w / 48.0);
}

int MonthOf(int w) {
    return RoundAway((w - (YearOf(w) - 1) * 48) / 4.0);
}

int WeekOfMonth(int w) {
    return (w - (YearOf(w) - 1) * 48) - (MonthOf(w) - 1) * 4;
}

int WeekOfYear(int w) {
    return w - 48 * (YearOf(w) - 1);
}

int AgeOf(const GameState &s, int player) {
    return YearOf(s.WeekCount) - s.Players[static_cast<std::size_t>(player)].BirthYear;
}

std::string DateText(int w) {
    return std::to_string(YearOf(w)) + "年目" + std::to_string(MonthOf(w)) + "月" +
           std::to_string(WeekOfMonth(w)) + "週";
}

std::string PersonName(const PlayerRecord &p) {
    return FamNames(p.FamilyName) + " " + FirNames(p.FirstName);
}

std::string PersonName(const GameState &s, int player) {
    return PersonName(s.Players[static_cast<std::size_t>(player)]);
}

std::string CoachName(const CoachRecord &c) {
    return FamNames(c.FamilyName) + " " + FirNames(c.FirstName);
}

std::string TimeOfDayText(int t) {
    switch (t) {
        case 0:
        case 1: return "午前";
        case 2:
        case 3: return "午後";
        case 4:
        case 5: return " 夜  ";
        case 6: return "夜中";
        default: return "";
    }
}

std::string WeatherText(int w) {
    switch (w) {
        case 0:
        case 3: return "晴れ";
        case 1: return "曇り";
        case 2: return "雨天";
        default: return "";
    }
}

std::string CompetitionName(int code) {
    if (code >= 0 && code <= 6) return "練習試合";
    if (code >= 10 && code <= 14) return "春季大会";
    if (code >= 15 && code <= 19) return "秋季大会";
    if (code >= 20 && code <= 25) return "関東選抜";
    if (code >= 30 && code <= 35) return "日本選手権";
    if (code >= 40 && code <= 46) return "ワールドテニス";
    return "";
}

namespace {

// A code read as competition c and rounds won e; 秋季 (15..19) reads like 春季 (10..14).
struct CodeParts {
    int c;
    int e;
};

CodeParts SplitCode(int code) {
    CodeParts p{code / 10, code - 10 * (code / 10)};
    if (p.c == 1 && p.e > 4) p.e -= 5;
    return p;
}

const char *Pick(const char *const *table, int size, int e) {
    return (e >= 0 && e < size) ? table[e] : "";
}

}  // namespace

std::string RoundName(int code) {
    const CodeParts p = SplitCode(code);
    if (p.c == 0) return p.e == 6 ? "Lv.Max" : "Lv." + std::to_string(p.e);
    static const char *const kLocal[] = {"一回戦", "二回戦", "準決勝", "決勝戦", "準決勝"};
    static const char *const kNational[] = {"一回戦", "二回戦", "三回戦",
                                            "準決勝", "決勝戦", "決勝戦"};
    static const char *const kWorld[] = {"一回戦",   "二回戦", "三回戦",
                                         "準々決勝", "準決勝", "決勝戦"};
    if (p.c == 1) return Pick(kLocal, 5, p.e);
    if (p.c == 2 || p.c == 3) return Pick(kNational, 6, p.e);
    return Pick(kWorld, 6, p.e);
}

std::string ResultText(int code) {
    const CodeParts p = SplitCode(code);
    if (p.c == 0) return "";
    static const char *const kLocal[] = {"一回戦敗退", "二回戦敗退", "ベスト4", "準優勝",
                                         "優勝",       "",           "優勝"};
    static const char *const kNational[] = {"一回戦敗退", "二回戦敗退", "三回戦敗退", "ベスト4",
                                            "準優勝",     "優勝",       "優勝"};
    static const char *const kWorld[] = {"一回戦敗退", "二回戦敗退", "三回戦敗退", "ベスト8",
                                         "ベスト4",    "準優勝",     "優勝"};
    if (p.c == 1) return Pick(kLocal, 7, p.e);
    if (p.c == 2 || p.c == 3) return Pick(kNational, 7, p.e);
    return Pick(kWorld, 7, p.e);
}

int PlayerCount(const GameState &s) {
    int n = 0;
    for (int i = 0; i < kSquadSlots; ++i)
        if (s.Players[static_cast<std::size_t>(i)].Occupied()) ++n;
    return n;
}

int PlayerWithOrder(const GameState &s, int k) {
    int found = kSquadSlots;
    for (int i = 0; i < kSquadSlots; ++i)
        if (s.Players[static_cast<std::size_t>(i)].Order == k) found = i;
    return found;
}

bool HasTrainingRoom(const GameState &s) {
    for (int i = 0; i < kLots; ++i)
        if (s.Facilities[static_cast<std::size_t>(i)].Kind == kTrainingRoom) return true;
    return false;
}

bool HasIndividualCoach(const GameState &s) {
    for (int i = 1; i < kCoachSlots; ++i)
        if (s.Coaches[static_cast<std::size_t>(i)].Hired == kCoachIndividual) return true;
    return false;
}

int ThisWeekMatchKind(const GameState &s) {
    // Past the last week of the calendar (a finished game) nothing is booked.
    if (s.WeekCount < 0 || s.WeekCount > kLastWeek) return 0;
    return s.MatchKind(s.WeekCount);
}

std::int32_t TeamBudget(const GameState &s) {
    switch (s.TeamLevel) {
        case 1: return 2000;
        case 2: return 5000;
        case 3: return 8000;
        case 4: return 15000;
        case 5: return 30000;
        default: return 0;
    }
}

std::int32_t CoachSalary(int n) {
    static const std::int32_t kSalary[] = {0,    450,   800,   1000,  3000,  5000,
                                           8000, 10000, 15000, 30000, 100000};
    return (n >= 1 && n <= 10) ? kSalary[n] : 0;
}

int CoachOfRole(const GameState &s, int role) {
    int found = 0;
    for (int i = 1; i < kCoachSlots; ++i)
        if (s.Coaches[static_cast<std::size_t>(i)].Hired == role) found = i;
    return found;
}

}  // namespace tk
