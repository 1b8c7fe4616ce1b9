// Dismissing players and keeping the squad packed in slots 0..count-1.
#pragma once

#include <cstdint>
#include <string>

#include "core/state/game_state.h"

namespace tk {

struct Game;

// The squad never shrinks below this many players.
inline constexpr int kMinimumSquad = 5;

// True when the squad occupies exactly slots 0..PlayerCount-1 of 0..19.
bool SquadPacked(const GameState &s);

// Whether "選手解雇" is enabled: a player can leave only while more than five remain.
bool CanDismiss(const GameState &s);

// Sum of the squad's yearly salaries (万円).
std::int64_t TotalPlayerSalary(const GameState &s);
// Title of the roster and dismissal screens: "全選手合計年俸は" + money + "です。".
std::string RosterTitle(const GameState &s);

// Removes squad player p and closes the gap: the players behind him move up one slot with
// their whole record (Order and PracticeSlot included) and the freed slot is cleared.
// Nothing is paid or refunded. Returns false, changing nothing, when p names no player of
// the squad or the squad is at its minimum.
bool DismissPlayer(GameState &s, int p);

// "選手解雇": asks "<name>さんを\r解雇しますか？" and on yes dismisses player p. Returns true
// when the player left. Does not ask when the dismissal is not allowed.
bool AskAndDismissPlayer(Game &game, int p);

}  // namespace tk
