// 連続進行: weeks played one after another, each exactly as 次の週へ plays it, until a week
// needs the player.
#pragma once

#include <vector>

#include "core/rules/alert_rules.h"
#include "core/rules/week_rules.h"
#include "core/state/game_state.h"

namespace tk {

// Why a run of weeks stops after the week just played.
enum class RunStop {
    None,       // nothing needs the player: the next week is played
    GameOver,   // bankruptcy or the end of the calendar
    Debt,       // a month end left the funds below zero
    YearEnd,    // the settlement of the season
    MonthEnd,   // the upkeep, the decline of older players, the balance of the month
    Building,   // a building was finished
    Event,      // the camp choice or the scouting result
    MatchWeek,  // the week now begun holds a match, which the player plays himself
    Alert,      // an alert of the 要対応 list appeared that was not there before the week
};

// What playing week `s.WeekCount` brings that needs the player, judged before it is played:
// its year end, month end, finished buildings or event, the first of these in that order;
// None when it brings none of them.
RunStop WeekBrings(const GameState &s);

// After a week has been played: why the run stops, or None to play the next week.
// `brought` is WeekBrings of that week, judged before it was played.
RunStop RunStopAfterWeek(RunStop brought, const GameState &after, WeekOutcome outcome);
// The same, and a week that brings none of those stops too when an alert appeared that was
// not among `alertsBefore` (CurrentAlerts of the record before the week).
// With `reportsAsNews` (the player's news choice) a month end or a finished building only
// brings news, so the run goes on through it; a debt, the year end, the camp, a match week
// or a new alert still stop it.
RunStop RunStopAfterWeek(RunStop brought, const GameState &after, WeekOutcome outcome,
                         const std::vector<Alert> &alertsBefore, bool reportsAsNews = false);

}  // namespace tk
