// The seven sponsors: names, sums, penalties, condition texts and the two flag readings.
#pragma once

#include <cstdint>
#include <string>

#include "core/state/game_state.h"

namespace tk {

std::string SName(int n);
std::int32_t SSalaly(int n);
std::int32_t SPenalty(int n);
std::string SJoken(int n);    // signing condition (契約条件)
std::string SZyoushu(int n);  // keeping condition (常守条件)
// KeptThisYear[n] and Unlocked[n]; false for numbers outside 0..7.
bool SPromissCrear(const GameState &s, int n);
bool SSelectAble(const GameState &s, int n);

}  // namespace tk
