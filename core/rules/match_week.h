// A match week played without screens: the simulator's and the tests' way through the
// match, its settlement and the rounds that follow on the same day.
#pragma once

#include "core/state/game_state.h"

namespace tk {

struct Game;

// This week holds a match (any code but 0).
bool IsMatchWeek(const GameState &s);

// One round as the screens would play it: the lineup is completed if a place is empty
// (standing in for the lineup screen), the match is played with its bout notices, and
// what follows is settled. A further round on the same day goes through
// game.ui.PlayNextRound, which a screenless GameUi answers by calling PlayMatchRound.
void PlayMatchRound(Game &game);

// The match part of a match week: PlayMatchRound when this week holds a match. The end of
// the week is the caller's.
void PlayMatchWeek(Game &game);

}  // namespace tk
