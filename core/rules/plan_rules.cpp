// Practice menus, the practice screen's names and the court split's two buttons.
#include "core/rules/plan_rules.h"

#include "core/rules/coach_rules.h"
#include "core/rules/court_rules.h"
#include "core/rules/individual_rules.h"
#include "core/rules/lookups.h"

namespace tk {

namespace {

constexpr std::array<const char *, kPracticeMenus> kMenuNames = {
    "基本練習", "基礎練習", "筋力練習", "技術練習", "敏捷練習", "実践練習", "応用練習", "発展練習"};

std::uint8_t &TeamCourts(GameState &s, CourtSituation k) {
    switch (k) {
        case CourtSituation::FineNight: return s.TeamCourtsNight;
        case CourtSituation::Rain: return s.TeamCourtsRain;
        default: return s.TeamCourtsDay;
    }
}

int TeamCourts(const GameState &s, CourtSituation k) {
    switch (k) {
        case CourtSituation::FineNight: return s.TeamCourtsNight;
        case CourtSituation::Rain: return s.TeamCourtsRain;
        default: return s.TeamCourtsDay;
    }
}

int CountIndex(CourtSituation k) {
    switch (k) {
        case CourtSituation::FineNight: return kCourtsFineNight;
        case CourtSituation::Rain: return kCourtsRain;
        default: return kCourtsFineDay;
    }
}

int UsableCourts(const CourtCounts &counts, CourtSituation k) {
    return counts[static_cast<std::size_t>(CountIndex(k))];
}

bool TeamCourtFits(int a, int n) {
    return a < n;
}

bool IndividualCourtFits(int a, int n) {
    return a >= 2 && n - a < 2;
}

}  // namespace

std::string PracticeMenuName(int menu) {
    return (menu >= 0 && menu < kPracticeMenus) ? kMenuNames[static_cast<std::size_t>(menu)] : "";
}

bool IsPracticeMenuAvailable(const GameState &s, int menu) {
    if (menu < 0 || menu >= kPracticeMenus) return false;
    if (menu == 6) return s.TeamLevel == 4 || s.TeamLevel == 5;
    if (menu == 7) return s.TeamLevel == 5;
    return true;
}

bool CanChoosePracticeMenu(const GameState &s, int menu) {
    return IsPracticeMenuAvailable(s, menu) ||
           (menu == s.TeamPracticeMenu && menu >= 0 && menu < kPracticeMenus);
}

bool StorePracticeMenu(GameState &s, int menu) {
    if (!CanChoosePracticeMenu(s, menu)) return false;
    s.TeamPracticeMenu = static_cast<std::int16_t>(menu);
    return true;
}

bool CanChooseCoaches(const GameState &s) {
    return MonthOf(s.WeekCount) == 4;
}

bool CanChoosePracticePlayers(const GameState &s) {
    return HasIndividualCoach(s);
}

std::string PracticePlanLabel(const GameState &s, int k) {
    if (k == 4 || k == 5) {
        const int coach = CoachHolder(s, k - 3);
        return coach != 0 ? CoachName(s.Coaches[static_cast<std::size_t>(coach)]) : kNobody;
    }
    if (k < 1 || k > 3) return "";
    // Without an individual coach the places show nothing, though players keep them.
    if (!HasIndividualCoach(s)) return "";
    const int holder = PracticePlaceHolder(s, k);
    return holder >= 0 ? PersonName(s, holder) : kNobody;
}

std::array<CourtSplit, 3> CourtSplits(GameState &s) {
    const CourtCounts counts = CountUsableCourts(s);
    std::array<CourtSplit, 3> splits;
    for (std::size_t i = 0; i < kCourtSituations.size(); ++i) {
        const CourtSituation k = kCourtSituations[i];
        const int a = TeamCourts(s, k);
        splits[i] = {a, UsableCourts(counts, k) - a};
    }
    return splits;
}

std::string CourtSplitText(const CourtSplit &split) {
    return std::to_string(split.team) + " : " + std::to_string(split.individual);
}

bool CanAddTeamCourt(const GameState &s, CourtSituation k) {
    return TeamCourtFits(TeamCourts(s, k), UsableCourts(CountCourts(s), k));
}

bool AddTeamCourt(GameState &s, CourtSituation k) {
    const CourtCounts counts = CountUsableCourts(s);
    std::uint8_t &a = TeamCourts(s, k);
    const bool moved = TeamCourtFits(a, UsableCourts(counts, k));
    if (moved) ++a;
    CountUsableCourts(s);
    return moved;
}

bool CanAddIndividualCourt(const GameState &s, CourtSituation k) {
    return HasIndividualCoach(s) &&
           IndividualCourtFits(TeamCourts(s, k), UsableCourts(CountCourts(s), k));
}

bool AddIndividualCourt(GameState &s, CourtSituation k) {
    const CourtCounts counts = CountUsableCourts(s);
    std::uint8_t &a = TeamCourts(s, k);
    const bool moved = HasIndividualCoach(s) && IndividualCourtFits(a, UsableCourts(counts, k));
    if (moved) --a;
    CountUsableCourts(s);
    return moved;
}

}  // namespace tk
