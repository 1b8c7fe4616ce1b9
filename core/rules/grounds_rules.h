// What the grounds cost each month and the completion of buildings in their week.
#pragma once

#include <cstdint>

#include "core/state/game_state.h"

namespace tk {

struct Game;

// The month's upkeep of lots 0..8 (万円): office 20, outdoor court 3, lit court 8, indoor
// court 12, training room 15, land for sale and building sites nothing.
std::int32_t MonthlyUpkeep(const GameState &s);

// Completes the buildings booked for week `week` in construction planes 1 and 2, in that
// order: the lot takes its new kind, the player is told, and every new court adds one to
// the team-practice allotment of each time and weather it serves. Weeks outside the
// calendar and entries naming no buildable lot are skipped.
void FinishConstructions(Game &game, int week);

}  // namespace tk
