// The chance of winning a practice match, estimated by playing many of them on a copy of the
// club: a decision aid for the booking screen that never touches the game's own draws.
#pragma once

#include <array>
#include <cstdint>

#include "core/state/game_state.h"

namespace tk {

// Enough matches per level for a figure steady to a few per cent, and quick to compute.
inline constexpr int kWinChanceMatches = 400;
// The estimate's own random source starts here (and the level), so the figure a player
// sees does not change each time the screen opens.
inline constexpr std::uint64_t kWinChanceSeed = 20260401;

// Whole per cent (0..100) of `matches` practice matches of `level` (1 Lv.1 .. 6 Lv.Max) won by
// the current regulars, played on a copy of `s` with a random source seeded with `seed`.
int PracticeWinPercent(const GameState &s, int level, std::uint64_t seed,
                       int matches = kWinChanceMatches);
// Every level, as the booking screen shows them; index 0 is Lv.1.
std::array<int, 6> PracticeWinPercents(const GameState &s, int matches = kWinChanceMatches);

}  // namespace tk
