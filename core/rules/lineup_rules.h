// The five regulars and their order, kept in the players' Order bytes, and the bench that
// the lineup screen shows beside them.
#pragma once

#include <array>
#include <string>

#include "core/state/game_state.h"

namespace tk {

struct Game;

inline constexpr int kPlaces = 5;
inline constexpr int kBenchCells = 15;  // three columns of five
inline constexpr int kEmptyCell = 20;   // the spare slot: an empty cell or place

// The squad slot shown in each bench cell: players with no place, in slot order; the rest
// of the cells hold kEmptyCell. Players beyond the fifteenth are not shown.
using BenchMap = std::array<int, kBenchCells>;
BenchMap FillBench(const GameState &s);

// While places are empty more than fifteen players may sit on the bench; the lineup screen
// then scrolls it by columns of five so that every one of them can be given a place.
inline constexpr int kBenchColumnCells = 5;
// Columns the whole bench needs: at least the three shown.
int BenchColumns(const GameState &s);
// The bench scrolled to start at column `firstColumn`: the first 5 x firstColumn players
// without a place are out of sight. FillBench(s) is FillBench(s, 0).
BenchMap FillBench(const GameState &s, int firstColumn);

// The slot holding place n (1..5): the last slot 0..19 with Order n, else kEmptyCell.
int PlaceSlot(const GameState &s, int n);
// The name a place shows; " " for an empty place.
std::string PlaceName(const GameState &s, int n);
// Every place shows a player.
bool AllFilled(const GameState &s);

// The bench player in `benchSlot` takes place n and whoever held it goes to the bench.
// Refused (false) unless benchSlot is a player without a place.
bool SwapIntoPlace(GameState &s, int benchSlot, int n);

// Moves the regular at place n one place up (direction -1) or down (+1), exchanging with
// the neighbour. Returns the regular's new place, or n when the move is not possible.
int MovePlace(GameState &s, int n, int direction);
// Up is off at place 1, down at place 5.
inline bool CanMoveUp(int n) {
    return n > 1 && n <= kPlaces;
}
inline bool CanMoveDown(int n) {
    return n >= 1 && n < kPlaces;
}

// The arrow keys on the bench: left/right one column (-5/+5), up/down one cell (-1/+1).
// Returns the newly selected cell, or `cell` when the target is outside or empty.
int MoveBenchSelection(const BenchMap &bench, int cell, int delta);

// Fills empty places with bench players in slot order; for play without the lineup screen.
void AutoFillLineup(GameState &s);

inline constexpr const char *kLineupIncompleteNotice = "レギュラーを\r５人決めてください。";
// The closing check of the lineup screen: shows the notice (empty title, size 14) and
// returns false while a place is empty.
bool TryCloseLineup(Game &game);

}  // namespace tk
