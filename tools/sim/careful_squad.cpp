// The careful manager's squad: lineup, the season's plan, scouting, signing and the renewal.
#include "tools/sim/careful_squad.h"

#include <algorithm>
#include <numeric>

#include "core/rules/lineup_rules.h"
#include "core/rules/lookups.h"
#include "core/rules/signing_rules.h"

namespace tk::sim::careful {
namespace {

// Young players on the bench beside the five regulars, growing into their places.
constexpr int kProspects = 2;
// A prospect is signed or kept only while his best years are ahead.
constexpr int kProspectAge = 24;
constexpr int kMaxStrength = 5 * 250;

const PlayerRecord &Player(const GameState &s, int p) {
    return s.Players[static_cast<std::size_t>(p)];
}

int AgeNow(const GameState &s, const PlayerRecord &p) {
    return YearOf(s.WeekCount) - p.BirthYear;
}

// Months from now to the middle of the next season.
int MonthsToNextSeason(const GameState &s) {
    return MonthEndsToSettlement(s) + 6;
}

// Strength over the next three seasons: what a young player is worth to the club.
int FutureValue(const GameState &s, const PlayerRecord &p, int growth) {
    const int m = MonthsToNextSeason(s);
    return (ProjectedStrength(s, p, m, growth) + ProjectedStrength(s, p, m + 12, growth) +
            ProjectedStrength(s, p, m + 24, growth)) /
           3;
}

// Strength points a 万円 of salary a year is worth to the club: half a point on the level-1
// budget, less as the income grows (a fifth of the savings counts as a year's income).
double SalaryWeight(const GameState &s) {
    const double income = TeamBudget(s) + std::max<std::int64_t>(0, SponsorIncome(s)) +
                          std::max<std::int64_t>(0, FundsAtCheck(s)) / 5.0;
    return 0.5 * 2000 / std::max(2000.0, income);
}

std::vector<PlayerRecord> Squad(const GameState &s) {
    std::vector<PlayerRecord> squad;
    for (int p = 0; p < PlayerCount(s); ++p) squad.push_back(Player(s, p));
    return squad;
}

bool Affordable(const GameState &s, const SquadPlan &plan, std::int64_t now) {
    return Spare(s, SeasonBalance(s, plan.payroll, plan.five)) >= now;
}

// The best of the five candidates an age band and a rank are expected to bring: the skills
// of the best of five draws, the band's middle age and the salary that goes with them.
PlayerRecord ExpectedCandidate(const GameState &s, const ScoutRequest &r) {
    const ScoutAgeBand &band = AgeBandOf(r.ageBand);
    const ScoutRank &rank = RankOf(r.rank);
    const double mean = (rank.skillLow + rank.skillHigh) / 2.0;
    const double sd = (rank.skillHigh - rank.skillLow) / 3.46;
    // The best of five by the sum of his skills stands about half a spread above the middle
    // in each of them.
    const int skill = static_cast<int>(mean + 0.5 * sd);
    PlayerRecord p;
    p.FamilyName = 1;
    p.Skill.fill(static_cast<std::uint8_t>(std::min(250, skill)));
    p.Skill[5] = static_cast<std::uint8_t>(rank.skillLow);  // a baseline player
    const double age = (band.low + band.high) / 2.0;
    p.BirthYear = static_cast<std::int16_t>(YearOf(s.WeekCount) - static_cast<int>(age));
    const double sum = 6.0 * skill;
    const double salary =
        sum + sum / 20 * (30 - age) + (rank.salaryLow + rank.salaryHigh) / 2.0 - 500;
    p.Salary = static_cast<std::int32_t>(std::max(225.0, salary));
    return p;
}

}  // namespace

int SeasonGrowth(const GameState &s) {
    // About 46 practices a season (camps included) at 18 experience a level, on five values.
    return static_cast<int>(PracticeYield(s) * 46 / 18 * 5);
}

int ProjectedStrength(const GameState &s, const PlayerRecord &p, int months, int seasonGrowth) {
    const double growth = seasonGrowth / 12.0;
    double value = BoutStrength(p);
    int year = YearOf(s.WeekCount);
    int month = MonthOf(s.WeekCount);
    for (int m = 0; m < months; ++m) {
        // Ages change in January; the decline is charged at each month's end.
        value = year - p.BirthYear > kPrimeAge ? value * 0.97
                                               : std::min(kMaxStrength + 0.0, value + growth);
        if (++month > 12) month = 1, ++year;
    }
    return static_cast<int>(value);
}

void FieldStrongestFive(GameState &s) {
    std::vector<int> order(static_cast<std::size_t>(PlayerCount(s)));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return BoutStrength(Player(s, a)) > BoutStrength(Player(s, b));
    });
    if (order.size() > kPlaces) order.resize(kPlaces);
    auto chosen = [&](int slot) {
        return std::find(order.begin(), order.end(), slot) != order.end();
    };
    for (const int p : order) {
        if (Player(s, p).Order != 0) continue;
        for (int n = 1; n <= kPlaces; ++n) {
            const int holder = PlaceSlot(s, n);
            if (holder == kEmptyCell || !chosen(holder)) {
                SwapIntoPlace(s, p, n);
                break;
            }
        }
    }
}

SquadPlan PlanSquad(const GameState &s, const std::vector<PlayerRecord> &players, int prospects) {
    const int months = MonthsToNextSeason(s);
    std::vector<int> order(players.size());
    std::iota(order.begin(), order.end(), 0);
    // Strength less what it costs: a cheap player may be worth more than a dear, slightly
    // stronger one.
    const double weight = SalaryWeight(s);
    const int growth = SeasonGrowth(s);
    std::vector<int> next(players.size());
    std::vector<double> nextScore(players.size()), future(players.size());
    for (std::size_t i = 0; i < players.size(); ++i) {
        next[i] = ProjectedStrength(s, players[i], months, growth);
        nextScore[i] = next[i] - weight * players[i].Salary;
        future[i] = FutureValue(s, players[i], growth) - weight * players[i].Salary;
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return nextScore[a] > nextScore[b]; });
    SquadPlan plan;
    plan.kept.assign(players.size(), false);
    double weakest = 0;
    for (std::size_t i = 0; i < order.size() && i < kPlaces; ++i) {
        const auto u = static_cast<std::size_t>(order[i]);
        plan.kept[u] = true;
        plan.five[i] = next[u];
        weakest = i == 0 ? nextScore[u] : std::min(weakest, nextScore[u]);
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return future[a] > future[b]; });
    for (const int i : order) {
        const auto u = static_cast<std::size_t>(i);
        if (prospects == 0) break;
        if (plan.kept[u] || AgeNow(s, players[u]) > kProspectAge || future[u] <= weakest) continue;
        plan.kept[u] = true;
        --prospects;
    }
    for (std::size_t i = 0; i < players.size(); ++i)
        if (plan.kept[i]) plan.payroll += players[i].Salary;
    return plan;
}

std::optional<ScoutRequest> PlanScoutRequest(const GameState &s) {
    const int month = MonthOf(s.WeekCount);
    if ((month != 4 && month != 5) || ScoutRequestOpen(s)) return std::nullopt;
    std::optional<ScoutRequest> best;
    double bestValue = 0;
    const double weight = SalaryWeight(s);
    const int growth = SeasonGrowth(s);
    std::vector<PlayerRecord> pool = Squad(s);
    pool.emplace_back();
    for (int band = 0; band < kScoutAgeBands; ++band) {
        for (int rank = 0; rank < kScoutRanks; ++rank) {
            const ScoutRequest r{band, rank};
            if (!CanPlaceScoutRequest(s, r)) continue;
            pool.back() = ExpectedCandidate(s, r);
            const SquadPlan plan = PlanSquad(s, pool, kProspects);
            if (!plan.kept.back() || !Affordable(s, plan, ScoutPrice(r) + pool.back().Salary))
                continue;
            // The price is paid once; a season bears a third of it.
            const double value = FutureValue(s, pool.back(), growth) -
                                 weight * (pool.back().Salary + ScoutPrice(r) / 3.0);
            if (!best || value > bestValue ||
                (value == bestValue && ScoutPrice(r) < ScoutPrice(*best)))
                best = r, bestValue = value;
        }
    }
    return best;
}

std::vector<int> CandidatesToSign(const GameState &s) {
    std::vector<int> order(kCandidateSlots);
    std::iota(order.begin(), order.end(), 0);
    const double weight = SalaryWeight(s);
    const int growth = SeasonGrowth(s);
    auto score = [&](int c) {
        const PlayerRecord &p = s.Candidates[static_cast<std::size_t>(c)];
        return FutureValue(s, p, growth) - weight * p.Salary;
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return score(a) > score(b); });
    std::vector<PlayerRecord> pool = Squad(s);
    std::vector<int> sign;
    std::int64_t money = 0;
    for (const int c : order) {
        const PlayerRecord &p = s.Candidates[static_cast<std::size_t>(c)];
        if (!p.Occupied() || PlayerCount(s) + static_cast<int>(sign.size()) + 1 > kMaxSquad)
            continue;
        pool.push_back(p);
        const SquadPlan plan = PlanSquad(s, pool, kProspects);
        // He must enter the plan without pushing out one signed before him; the signing money
        // is paid now, his salary is in the plan's payroll from the renewal on.
        const auto signedKept = plan.kept.end() - static_cast<long>(sign.size()) - 1;
        if (std::all_of(signedKept, plan.kept.end(), [](bool kept) { return kept; }) &&
            Affordable(s, plan, money + p.Salary)) {
            money += p.Salary;
            sign.push_back(c);
        } else {
            pool.pop_back();
        }
    }
    std::sort(sign.begin(), sign.end());
    return sign;
}

std::vector<int> PlayersToRelease(const GameState &s) {
    const std::vector<PlayerRecord> squad = Squad(s);
    SquadPlan plan = PlanSquad(s, squad, kProspects);
    // Prospects only while the season can pay for them.
    for (int prospects = kProspects - 1;
         prospects >= 0 && SpareAtRenewal(s, plan.payroll, plan.five) < 0; --prospects)
        plan = PlanSquad(s, squad, prospects);
    std::vector<int> release;
    for (int p = PlayerCount(s) - 1; p >= 0; --p)
        if (!plan.kept[static_cast<std::size_t>(p)]) release.push_back(p);
    return release;
}

}  // namespace tk::sim::careful
