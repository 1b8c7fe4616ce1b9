// The careful manager's reckoning: strength and match chances, expected prizes, funds and
// the season's balance.
#include "tools/sim/careful_outlook.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/rules/booking_rules.h"
#include "core/rules/court_rules.h"
#include "core/rules/grounds_rules.h"
#include "core/rules/lookups.h"
#include "core/rules/match_engine.h"
#include "core/rules/practice_rules.h"
#include "core/rules/sponsors.h"
#include "core/rules/tournament_rules.h"
#include "core/rules/year_end_rules.h"

namespace tk::sim::careful {
namespace {

// Only half of the prizes a season may bring are counted on.
constexpr double kPrizeCaution = 0.5;
// A practice match is worth its lost practice week when it is expected to win this much.
constexpr double kPracticeMatchWorth = 100;

constexpr int kKinds = 47;  // match kinds 0..46
constexpr int kMaxStrength = 5 * 250;

double WorkOutBoutChance(int strength, int kind) {
    const SkillRange r = OpponentRange(kind);
    if (r.high == 0) return 1;  // a kind that is never played
    // The opponent's compared values are four draws and the better of shot and volley; their
    // sum is near enough a normal spread, over which the chance 0.5 + 0.0035 (ours - theirs),
    // within 0..1, is averaged.
    const double range = r.high - r.low;
    const double mean = 4 * (r.low + range / 2) + r.low + range * 2 / 3;
    const double sd = std::max(1.0, std::sqrt(4 * range * range / 12 + range * range / 18));
    constexpr double kPerPoint = 35.0 / 10000.0;
    const double a = 0.5 + kPerPoint * strength;
    const double sure = (a - 1) / kPerPoint;  // their sum at or below this: a sure win
    const double none = a / kPerPoint;        // at or above this: no chance
    auto cdf = [&](double y) { return 0.5 * std::erfc(-(y - mean) / (sd * std::sqrt(2.0))); };
    auto pdf = [&](double y) {
        const double z = (y - mean) / sd;
        return std::exp(-z * z / 2) / (sd * std::sqrt(2 * 3.14159265358979));
    };
    const double between = cdf(none) - cdf(sure);
    // The integral of (a - kPerPoint y) over the normal between the two ends.
    const double meanBetween = mean * between - sd * sd * (pdf(none) - pdf(sure));
    return std::clamp(cdf(sure) + a * between - kPerPoint * meanBetween, 0.0, 1.0);
}

bool Open(const GameState &s, int category) {
    const CategoryRecord &c = s.Category[static_cast<std::size_t>(category)];
    return c.Qualified == kTrue || c.AlwaysEnter == kTrue;
}

}  // namespace

int BoutStrength(const PlayerRecord &p) {
    int sum = 0;
    for (int row = 1; row <= kComparedRows; ++row) sum += ComparedValue(p, row);
    return sum;
}

Five LineupStrengths(const GameState &s) {
    Five five{};
    for (int n = 1; n <= kBouts; ++n)
        five[static_cast<std::size_t>(n - 1)] =
            BoutStrength(s.Players[static_cast<std::size_t>(PlayerWithOrder(s, n))]);
    return five;
}

double BoutChance(int strength, int kind) {
    // Worked out once for every strength and match kind: a table the reckoning reads many
    // times a week.
    static const std::vector<double> table = [] {
        std::vector<double> t(static_cast<std::size_t>(kKinds * (kMaxStrength + 1)));
        for (int k = 0; k < kKinds; ++k)
            for (int x = 0; x <= kMaxStrength; ++x)
                t[static_cast<std::size_t>(k * (kMaxStrength + 1) + x)] = WorkOutBoutChance(x, k);
        return t;
    }();
    if (kind < 0 || kind >= kKinds) return 1;
    const int x = std::clamp(strength, 0, kMaxStrength);
    return table[static_cast<std::size_t>(kind * (kMaxStrength + 1) + x)];
}

double MatchChance(const Five &five, int kind) {
    std::array<double, kBouts + 1> wins{};  // wins[k]: k bouts won so far
    wins[0] = 1;
    for (int n = 0; n < kBouts; ++n) {
        const double p = BoutChance(five[static_cast<std::size_t>(n)], kind);
        for (int k = n + 1; k >= 0; --k)
            wins[static_cast<std::size_t>(k)] =
                wins[static_cast<std::size_t>(k)] * (1 - p) +
                (k > 0 ? wins[static_cast<std::size_t>(k - 1)] * p : 0);
    }
    return wins[3] + wins[4] + wins[5];
}

double MatchChance(const GameState &s, int kind) {
    return MatchChance(LineupStrengths(s), kind);
}

double RunChance(const Five &five, int first, int last) {
    double chance = 1;
    for (int code = first; code <= last; ++code) chance *= MatchChance(five, code);
    return chance;
}

double TournamentWorth(const Five &five, int first, int final) {
    double reach = 1, worth = 0;
    for (int code = first; code <= final; ++code) {
        const double p = MatchChance(five, code);
        worth += reach * (1 - p) * PrizeOf(code);  // out in this round
        reach *= p;
    }
    return worth + reach * PrizeOf(final + 1);  // the title
}

PracticeMatchPick BestPracticeMatch(const GameState &s, const Five &five) {
    PracticeMatchPick pick;
    for (int level = 1; level <= kPracticeLevels; ++level) {
        if (!CanChoosePracticeLevel(s, level)) continue;
        const double w = MatchChance(five, level) * PrizeOf(level);
        if (w > pick.worth) pick = {level, w};
    }
    if (pick.worth < kPracticeMatchWorth) pick.level = 0;
    return pick;
}

double ExpectedPrizes(const GameState &s, const Five &five) {
    double prizes = 2 * TournamentWorth(five, 10, 13);
    if (Open(s, 2)) prizes += 2 * TournamentWorth(five, 20, 24);
    if (Open(s, 3)) prizes += TournamentWorth(five, 30, 34);
    if (Open(s, 4)) prizes += TournamentWorth(five, 40, 45);
    const PracticeMatchPick pick = BestPracticeMatch(s, five);
    if (pick.level != 0) prizes += kPracticeMatchesPerYear * pick.worth;
    return prizes;
}

int MonthEndsToSettlement(const GameState &s) {
    const int month = MonthOf(s.WeekCount);
    return month >= 4 ? 16 - month : 4 - month;
}

std::int64_t FundsAtCheck(const GameState &s) {
    return std::int64_t{s.Money} - std::int64_t{MonthlyUpkeep(s)} * MonthEndsToSettlement(s);
}

double KeepChance(const GameState &s, int n) {
    if (SPenalty(n) == 0 || SPromissCrear(s, n)) return 1;
    const Five five = LineupStrengths(s);
    auto twice = [](double q) { return 1 - (1 - q) * (1 - q); };
    switch (n) {
        case 4: return twice(RunChance(five, 10, 11));                   // 地区大会ベスト４
        case 5: return Open(s, 2) ? twice(RunChance(five, 20, 22)) : 0;  // 関東大会ベスト４
        case 6: return Open(s, 3) ? RunChance(five, 30, 32) : 0;         // 全国大会ベスト４
        case 7: return Open(s, 4) ? RunChance(five, 40, 42) : 0;         // 世界大会ベスト８
        default: return 1;
    }
}

std::int64_t SponsorIncome(const GameState &s) {
    double income = 0;
    for (int slot = 1; slot <= 2; ++slot) {
        const int n = s.SponsorState.Contract[static_cast<std::size_t>(slot)];
        if (n == 0) continue;
        const double keep = KeepChance(s, n);
        income += keep * SSalaly(n) - (1 - keep) * SPenalty(n);
    }
    return static_cast<std::int64_t>(income);
}

std::int64_t Payroll(const GameState &s) {
    std::int64_t sum = 0;
    for (int p = 0; p < PlayerCount(s); ++p) sum += s.Players[static_cast<std::size_t>(p)].Salary;
    return sum;
}

std::int64_t SeasonBalance(const GameState &s, std::int64_t payroll, const Five &five) {
    return TeamBudget(s) + SpareAtRenewal(s, payroll * 21 / 20, five) - s.Money + Margin(s);
}

std::int64_t SpareAtRenewal(const GameState &s, std::int64_t payroll, const Five &five) {
    const std::int64_t coaches = YearlySalaries(s) - Payroll(s);
    const auto prizes = static_cast<std::int64_t>(kPrizeCaution * ExpectedPrizes(s, five));
    return std::int64_t{s.Money} + SponsorIncome(s) + prizes - payroll - coaches -
           12 * std::int64_t{MonthlyUpkeep(s)} - Margin(s);
}

std::int64_t Margin(const GameState &s) {
    const std::int64_t costs = YearlySalaries(s) + 12 * std::int64_t{MonthlyUpkeep(s)};
    return std::max<std::int64_t>(200, costs / 10);
}

std::int64_t Spare(const GameState &s, std::int64_t balance) {
    const std::int64_t atCheck = FundsAtCheck(s) - Margin(s);
    return std::min(atCheck, atCheck + balance);
}

std::int64_t SpareWith(const GameState &s, std::int64_t recurring) {
    return Spare(s, SeasonBalance(s, Payroll(s), LineupStrengths(s)) - recurring);
}

std::int64_t Spare(const GameState &s) {
    return SpareWith(s, 0);
}

double PracticeYield(const GameState &s) {
    // The menus' draws above the base value, on average (the specialised ones spread theirs).
    static constexpr std::array<double, 8> kMenuExtra = {3, 2.5, 2.5, 2.5, 2.5, 2.5, 4, 5};
    const int menu = std::clamp<int>(s.TeamPracticeMenu, 0, 7);
    const double extra = kMenuExtra[static_cast<std::size_t>(menu)];
    const CourtCounts counts = CountCourts(s);
    const PracticeValues v = ComputePracticeValues(s, counts);
    const double dry = v.team > 0 ? v.team + extra : 0;
    const bool rainCourt = counts[kCourtsRain] > 0 && s.TeamCourtsRain > 0;
    const double rain = rainCourt ? v.rainTeam + extra : 0;
    return (2 * dry + rain) / 3 + (HasTrainingRoom(s) ? 1 : 0);
}

}  // namespace tk::sim::careful
