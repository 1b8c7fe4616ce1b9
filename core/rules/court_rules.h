// Which courts can be used, how the team-practice allotments fit them, court wear and the
// training-room bonus.
#pragma once

#include <array>
#include <cstdint>

#include "core/state/game_state.h"

namespace tk {

struct Game;

// The run-time court counts (never saved), recomputed by CountUsableCourts.
using CourtCounts = std::array<std::int16_t, 6>;
inline constexpr int kCourtsFineDay = 0;    // kinds 0, 1, 4 in fine weather by day
inline constexpr int kCourtsFineNight = 1;  // kinds 1, 4 at night
inline constexpr int kCourtsRain = 2;       // kind 4 in rain
inline constexpr int kCourtsAll = 5;        // every court, worn or not

// A court is shown as usable above this durability and counted as usable above the next.
inline constexpr int kShownUsableAbove = 199;
inline constexpr int kCountedUsableAbove = 200;

bool IsCourt(int kind);
// True when the lot's surface is good enough to be shown as usable ("使用可").
bool ShownUsable(const FacilityRecord &lot);

// Counts the courts of lots 0..8 without touching the record.
CourtCounts CountCourts(const GameState &s);

// Counts the courts, then fits the three team-practice allotments to them: at most the
// count, and at most two courts left to individual practice. Without an individual coach
// every usable court goes to team practice.
CourtCounts CountUsableCourts(GameState &s);

// Each court loses some durability every time the squad practises on the grounds.
void WearCourts(Game &game);

// With a training room every practice adds one point to each of the six skills.
void TrainingRoomBonus(GameState &s, int player);

}  // namespace tk
