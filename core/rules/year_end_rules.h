// The settlement of the season at the end of March: bankruptcy, contract renewal, budget,
// sponsors, salaries and the season's profit or loss.
#pragma once

#include <cstdint>

#include "core/state/game_state.h"

namespace tk {

struct Game;

// Negative funds end the game: shows "破産です。" and empties the team name so the slot
// reads as empty once the shell has saved it. Returns true when the game is over.
bool CheckBankruptcy(Game &game);

// Every player's salary rises by 0 to 10 per cent.
void RaiseSalaries(Game &game);

// The yearly salaries: the squad plus every employed coach.
std::int64_t YearlySalaries(const GameState &s);

// The whole settlement, with its notices and the dismissal screen. Returns true when the
// game ended by bankruptcy (nothing else was done then).
bool YearEnd(Game &game);

}  // namespace tk
