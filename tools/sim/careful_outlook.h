// What the careful manager reckons with before he spends or books: the funds left at the
// coming March check, a season's balance, what the team can expect to win, the strength of a
// player and the chance of winning a match against the opponents of a match kind.
#pragma once

#include <array>
#include <cstdint>

#include "core/state/game_state.h"

namespace tk::sim::careful {

// The bout strengths of the five regulars (or of five planned ones).
using Five = std::array<int, 5>;

// --- Strength and chances ---------------------------------------------------------------

// The five values a bout compares, summed (stamina, power, technique, agility, and the
// volley of a net player or the shot of a baseline player).
int BoutStrength(const PlayerRecord &p);
// The regulars of the current lineup.
Five LineupStrengths(const GameState &s);
// The chance that a player of this strength wins a bout against the opponents of a kind.
double BoutChance(int strength, int kind);
// The chance that five regulars win a match of this kind (at least three bouts of five).
double MatchChance(const Five &five, int kind);
double MatchChance(const GameState &s, int kind);
// The chance of winning every round from code `first` to code `last` of one tournament.
double RunChance(const Five &five, int first, int last);
// The prize one entry of a tournament (rounds `first` to `final`) is expected to bring.
double TournamentWorth(const Five &five, int first, int final);
// The best practice match level for these five and its expected prize (level 0: none worth
// a practice week).
struct PracticeMatchPick {
    int level = 0;
    double worth = 0;
};
PracticeMatchPick BestPracticeMatch(const GameState &s, const Five &five);
// Prize money a season is expected to bring: both local tournaments, the higher ones the
// team is open to, and ten practice matches.
double ExpectedPrizes(const GameState &s, const Five &five);

// --- Money ------------------------------------------------------------------------------

// Month ends from now to the end of March, this month's included: each charges the upkeep,
// and the March one is followed by the bankruptcy check.
int MonthEndsToSettlement(const GameState &s);
// The funds at the coming March check if nothing more is spent or won.
std::int64_t FundsAtCheck(const GameState &s);
// The chance that sponsor n's keeping condition is met this season (1 when it has none or
// it is met already).
double KeepChance(const GameState &s, int n);
// The sponsor money a settlement is expected to bring: each signed sponsor's sum, or its
// penalty, by the chance of its condition.
std::int64_t SponsorIncome(const GameState &s);
// The squad's salaries.
std::int64_t Payroll(const GameState &s);
// A season from the next April: budget, sure sponsor money and half the prizes the five
// can expect, less `payroll` with a twentieth for the rise, the coaches and the upkeep.
std::int64_t SeasonBalance(const GameState &s, std::int64_t payroll, const Five &five);
// The margin kept at every check: a tenth of a year's costs, at least 200万円.
std::int64_t Margin(const GameState &s);
// What may be spent now, once, and still pass the coming check and, after a season of
// `balance`, the one after, each with the margin to spare.
std::int64_t Spare(const GameState &s, std::int64_t balance);
// At the contract renewal, the budget just paid and the rises given: what is left for a
// season once the sponsors and `payroll` are settled, with half the expected prizes.
std::int64_t SpareAtRenewal(const GameState &s, std::int64_t payroll, const Five &five);
// The same for the squad and lineup as they are, with `recurring` more a year.
std::int64_t Spare(const GameState &s);
std::int64_t SpareWith(const GameState &s, std::int64_t recurring);

// --- Practice ---------------------------------------------------------------------------

// The mean experience one practice gives each skill, over dry and rainy weeks, with the
// training room's point: what the coach and the growth of the squad are reckoned by.
double PracticeYield(const GameState &s);

}  // namespace tk::sim::careful
