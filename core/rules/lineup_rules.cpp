// Bench, places, swaps and moves of the regulars.
#include "core/rules/lineup_rules.h"

#include <algorithm>

#include "core/rules/game.h"
#include "core/rules/lookups.h"

namespace tk {

namespace {

PlayerRecord &Slot(GameState &s, int slot) {
    return s.Players[static_cast<std::size_t>(slot)];
}

// The spare slot stands for "nobody" and is never given a place.
void SetOrder(GameState &s, int slot, int order) {
    if (slot >= 0 && slot < kSquadSlots) Slot(s, slot).Order = static_cast<std::uint8_t>(order);
}

}  // namespace

BenchMap FillBench(const GameState &s) {
    return FillBench(s, 0);
}

int BenchColumns(const GameState &s) {
    int players = 0;
    for (int j = 0; j < kSquadSlots; ++j) {
        const PlayerRecord &p = s.Players[static_cast<std::size_t>(j)];
        if (p.Occupied() && p.Order == 0) ++players;
    }
    const int columns = (players + kBenchColumnCells - 1) / kBenchColumnCells;
    return std::max(columns, kBenchCells / kBenchColumnCells);
}

BenchMap FillBench(const GameState &s, int firstColumn) {
    BenchMap bench;
    bench.fill(kEmptyCell);
    int hidden = kBenchColumnCells * std::max(firstColumn, 0);
    int cell = 0;
    for (int j = 0; j < kSquadSlots && cell < kBenchCells; ++j) {
        const PlayerRecord &p = s.Players[static_cast<std::size_t>(j)];
        if (!p.Occupied() || p.Order != 0) continue;
        if (hidden > 0)
            --hidden;
        else
            bench[static_cast<std::size_t>(cell++)] = j;
    }
    return bench;
}

int PlaceSlot(const GameState &s, int n) {
    return PlayerWithOrder(s, n);
}

std::string PlaceName(const GameState &s, int n) {
    return PersonName(s, PlaceSlot(s, n));
}

bool AllFilled(const GameState &s) {
    for (int n = 1; n <= kPlaces; ++n)
        if (PlaceName(s, n) == " ") return false;
    return true;
}

bool SwapIntoPlace(GameState &s, int benchSlot, int n) {
    if (n < 1 || n > kPlaces || benchSlot < 0 || benchSlot >= kSquadSlots) return false;
    const PlayerRecord &p = s.Players[static_cast<std::size_t>(benchSlot)];
    if (!p.Occupied() || p.Order != 0) return false;
    SetOrder(s, PlaceSlot(s, n), 0);
    SetOrder(s, benchSlot, n);
    return true;
}

int MovePlace(GameState &s, int n, int direction) {
    const int to = n + (direction < 0 ? -1 : 1);
    if (n < 1 || n > kPlaces || to < 1 || to > kPlaces) return n;
    const int a = PlaceSlot(s, n);
    if (a == kEmptyCell) return n;
    const int b = PlaceSlot(s, to);
    SetOrder(s, a, to);
    SetOrder(s, b, n);
    return to;
}

int MoveBenchSelection(const BenchMap &bench, int cell, int delta) {
    const int target = cell + delta;
    if (target < 0 || target >= kBenchCells) return cell;
    if (bench[static_cast<std::size_t>(target)] == kEmptyCell) return cell;
    return target;
}

void AutoFillLineup(GameState &s) {
    for (int n = 1; n <= kPlaces; ++n) {
        if (PlaceName(s, n) != " ") continue;
        const BenchMap bench = FillBench(s);
        if (bench[0] == kEmptyCell) return;
        SwapIntoPlace(s, bench[0], n);
    }
}

bool TryCloseLineup(Game &game) {
    if (AllFilled(game.state)) return true;
    game.ui.ShowNotice(MessageKind::Warning, kLineupIncompleteNotice, "", 14);
    return false;
}

}  // namespace tk
