// The checks a loaded record must pass before the rules may index, loop or divide with it.
#pragma once

#include <optional>
#include <string>

#include "core/state/game_state.h"

namespace tk {

// The longest team or manager name, in characters: what the new-game screen accepts.
inline constexpr int kMaxNameCharacters = 12;

// Nothing when the game can be played as loaded; otherwise the first fault found, as a
// short reason in the player's words with the member and value in brackets. An empty
// slot (no team name) is never played, so it passes whatever else it holds. Values that
// only change what is shown are not judged.
std::optional<std::string> FindGameFault(const GameState &state);

// Whether settings read from a file may be used as they are (slot 0..3, speed -1 or 0).
bool SettingsUsable(const Settings &settings);

// Facility kinds the grounds rules know (0, 1, 4, 5, 6, 7, 8).
bool IsFacilityKind(int kind);
// Match codes the match rules know: 0 none, 1..6 practice, the tournament rounds and
// titles (10..19, 20..25, 30..35, 40..46) and the marker 99.
bool IsMatchKind(int code);

}  // namespace tk
