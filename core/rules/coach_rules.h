// Hiring and releasing the whole-team and the individual coach (コーチ選択).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/state/game_state.h"

namespace tk {

struct Game;

inline constexpr const char *kElectCoachCaption = "コーチ選択";

// One row of the coach list: a free coach of the catalogue.
struct CoachRow {
    int coach = 0;                 // catalogue index 1..10
    std::string name;              // family name and first name run together
    std::string rank;              // grade letter of the ability
    std::uint32_t rankColour = 0;  // 0xRRGGBB
    std::string salary;            // money text of the yearly salary
};

// The coach holding a kind (kCoachTeam or kCoachIndividual); 0 when nobody does.
int CoachHolder(const GameState &s, int kind);

// The free coaches in catalogue order; held coaches are never listed.
std::vector<CoachRow> CoachListRows(const GameState &s);

// "上記のコーチと契約": only a free catalogue coach, for a real kind.
bool CanHireCoach(const GameState &s, int kind, int coach);
std::string HireCoachQuestion(const GameState &s, int coach);
// Asks, then makes `coach` the only holder of `kind`. True when hired (the screen closes).
bool HireCoach(Game &game, int kind, int coach);

// "現在のコーチを解約": only when somebody holds the kind.
bool CanReleaseCoach(const GameState &s, int kind);
std::string ReleaseCoachQuestion(const GameState &s, int kind);
// Asks, then frees the holder of `kind`. True when released (the screen closes).
bool ReleaseCoach(Game &game, int kind);

}  // namespace tk
