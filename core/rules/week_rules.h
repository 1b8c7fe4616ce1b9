// The weekly cycle: a week is played (practice or match), then closed by EndOfWeek, whose
// steps run in one fixed order.
#pragma once

#include <functional>

#include "core/state/game_state.h"

namespace tk {

struct Game;

// How a week ended, for the shell and the simulator.
enum class WeekOutcome {
    Next,         // the next week has begun
    Bankrupt,     // the year end found negative funds: the team name is empty; save the
                  // slot and return to the title screen
    CalendarEnd,  // the calendar has no further week: the closing notice has been shown;
                  // save the game as it is and return to the title screen
};

// Ageing factor in hundredths for a player of `age`: 85 over 40, 93 over 35, 97 over 30,
// 100 (no decline) otherwise.
int AgeingPercent(int age);

// Older players lose a share of each of their six skills, rounded up.
void AgePlayers(GameState &s);

// The last week of a month: ageing, the grounds' upkeep and the month-end snapshot.
void MonthEnd(Game &game);

// True while week `WeekCount` can still be played: the calendar holds it (weeks up to 4800;
// the counter stands at 4801 once the last week has been played).
bool WeekPlayable(const GameState &s);

// Closes the current week: the month end (and in March the year-end settlement), the
// completed buildings, the week's event, next week's weather and the week counter.
WeekOutcome EndOfWeek(Game &game);

// Plays a match week: the pre-match screens, the match or tournament round and its
// settlement. Supplied by the shell (the real screens) or the simulator.
using MatchWeekPlayer = std::function<void(Game &)>;

// Plays the current week headlessly and ends it, through the week driver (WeekRun) the main
// screen steps: the match player when a match is booked (nothing when no player is given),
// otherwise the whole practice week.
WeekOutcome PlayWeek(Game &game, const MatchWeekPlayer &playMatchWeek);
// The same with the screenless match week of the match rules (PlayMatchWeek): the
// simulator's week. A further round on the same day goes through game.ui.PlayNextRound.
WeekOutcome PlayWeek(Game &game);

// The notice shown when the calendar has run out.
void ShowCalendarEnd(Game &game);

}  // namespace tk
