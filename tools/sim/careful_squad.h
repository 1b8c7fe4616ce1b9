// The careful manager's squad: the strongest five in the lineup, and a plan for the next
// season (five regulars and a few young players growing into their places) by which he
// scouts, signs and lets players go at the contract renewal.
#pragma once

#include <optional>
#include <vector>

#include "core/rules/scout_rules.h"
#include "core/state/game_state.h"
#include "tools/sim/careful_outlook.h"

namespace tk::sim::careful {

// A player declines every month once he is past this age.
inline constexpr int kPrimeAge = 30;

// What a season of practice adds to a player's bout strength (the five compared values).
int SeasonGrowth(const GameState &s);
// The bout strength a player is expected to have after `months` more month ends: a twelfth
// of `seasonGrowth` a month while he is young, the monthly decline once past his prime.
int ProjectedStrength(const GameState &s, const PlayerRecord &p, int months, int seasonGrowth);

// Puts the five strongest players in the lineup, through the lineup screen's swaps.
void FieldStrongestFive(GameState &s);

// The next season's squad drawn from some players: the five strongest in the middle of the
// season, and young players whose strength will pass the weakest of them.
struct SquadPlan {
    std::vector<bool> kept;  // one per player offered
    Five five{};             // the regulars' strengths in the middle of the season
    std::int64_t payroll = 0;
};
SquadPlan PlanSquad(const GameState &s, const std::vector<PlayerRecord> &players, int prospects);

// The request the manager places this spring, if any: the strongest prospect the club can
// pay for, scouting price and signing money included.
std::optional<ScoutRequest> PlanScoutRequest(const GameState &s);

// The candidates worth signing, in candidate order: each one who enters the plan, as long as
// the season can pay for the plan and the signing money.
std::vector<int> CandidatesToSign(const GameState &s);

// At the renewal: the players outside the plan, from the last squad slot down so that every
// dismissal leaves the slots of the others in place.
std::vector<int> PlayersToRelease(const GameState &s);

}  // namespace tk::sim::careful
