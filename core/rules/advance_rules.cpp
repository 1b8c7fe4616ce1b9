// When a run of weeks stops.
#include "core/rules/advance_rules.h"

#include "core/rules/lookups.h"

namespace tk {

namespace {

bool FinishesABuilding(const GameState &s, int week) {
    for (int plane = 1; plane <= 2; ++plane) {
        const int lot = s.BuildLot(plane, week);
        if (lot != 0 && lot < kLots) return true;  // as the weekly completion reads the entries
    }
    return false;
}

bool HasEventScreen(const GameState &s, int week) {
    switch (WeekOfYear(week)) {
        case 15:
        case 31: return true;                        // 合宿地決定
        case 21: return s.Candidates[0].Occupied();  // スカウト結果発表
        default: return false;
    }
}

}  // namespace

RunStop WeekBrings(const GameState &s) {
    const int w = s.WeekCount;
    if (w < 0 || w > kLastWeek) return RunStop::None;
    if (WeekOfYear(w) == 12) return RunStop::YearEnd;
    if (WeekOfMonth(w) == 4) return RunStop::MonthEnd;
    if (FinishesABuilding(s, w)) return RunStop::Building;
    if (HasEventScreen(s, w)) return RunStop::Event;
    return RunStop::None;
}

RunStop RunStopAfterWeek(RunStop brought, const GameState &after, WeekOutcome outcome) {
    if (outcome != WeekOutcome::Next) return RunStop::GameOver;
    const bool monthEnded = brought == RunStop::MonthEnd || brought == RunStop::YearEnd;
    if (monthEnded && after.Money < 0) return RunStop::Debt;
    if (brought != RunStop::None) return brought;
    if (ThisWeekMatchKind(after) != 0) return RunStop::MatchWeek;
    return RunStop::None;
}

RunStop RunStopAfterWeek(RunStop brought, const GameState &after, WeekOutcome outcome,
                         const std::vector<Alert> &alertsBefore, bool reportsAsNews) {
    RunStop stop = RunStopAfterWeek(brought, after, outcome);
    if (reportsAsNews && (stop == RunStop::MonthEnd || stop == RunStop::Building))
        stop = RunStopAfterWeek(RunStop::None, after, outcome);
    if (stop != RunStop::None) return stop;
    return HasNewAlert(alertsBefore, CurrentAlerts(after)) ? RunStop::Alert : RunStop::None;
}

}  // namespace tk
