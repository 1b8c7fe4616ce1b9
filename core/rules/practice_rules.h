// The practice of a week: whole-team, individual and rainy-day practice, and the time-of-day
// steps that lead up to it.
#pragma once

#include "core/rules/court_rules.h"
#include "core/state/game_state.h"

namespace tk {

struct Game;

// Practice menus of the whole-team practice (TeamPracticeMenu).
inline constexpr int kPracticeMenuCount = 8;  // 0 基本練習 .. 7 発展練習

// Players below this condition rest instead of practising.
inline constexpr int kTiredBelow = 30;

// The base values of a week's practice for the given court counts and allotments:
// whole-team `team` (s) and individual `individual` (v) on a dry day, whole-team `rainTeam`
// (d) and individual `rainIndividual` (h) on a rainy day. team 0 or individual 3 means
// that practice does nothing this week.
struct PracticeValues {
    int team = 0;
    int individual = 0;
    int rainTeam = 0;
    int rainIndividual = 0;
};
PracticeValues ComputePracticeValues(const GameState &s, const CourtCounts &c);

// Applies one practice to the squad: recount the courts, practise by the weather, wear the
// courts, then the training-room bonus and the condition cost for every player.
void ApplyWeekPractice(Game &game);

// One step of the time of day during a practice week. In fast mode the first step jumps to
// the end. When the last step is reached the practice is applied, the time of day goes back
// to 午前 and the function returns true; the caller then ends the week.
bool AdvanceTimeOfDay(Game &game);

// A whole practice week without pauses (the simulator and tests): the steps of the time
// of day until the practice has been applied. Returns the number of steps taken.
int PlayPracticeWeek(Game &game);

}  // namespace tk
