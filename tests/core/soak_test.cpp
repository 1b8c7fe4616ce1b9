// Whole games played by the simulator's managers, the record checked after every week: the
// squad, the ranges of every level, the coaches, the calendar, the funds, the load checks
// and the byte round trip of a save.
//
// The short run (CI) plays a handful of 100-year games, among them the careful manager's from
// the new game's own 3000万円 up to level 5 and the full plot: once to the end, once handing
// the club on to a random manager who spends the club's own money on the late game. The long
// run plays many more random games with other seeds: TK_SOAK_GAMES=<count> (and optionally
// TK_SOAK_SEED=<first seed>),
//   TK_SOAK_GAMES=300 ./build/tests/sim_tests --gtest_filter='Soak.*'
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <optional>
#include <string>

#include "core/rules/lookups.h"
#include "core/rules/roster_rules.h"
#include "core/rules/scout_rules.h"
#include "core/rules/signing_rules.h"
#include "core/state/record_codec.h"
#include "core/state/validation.h"
#include "tools/sim/simulation.h"

namespace tk {
namespace {

constexpr int kWholeCalendar = kCalendarWeeks;  // more weeks than any game has
constexpr std::int32_t kRichClub = 1000000000;  // funds no game can spend in 100 years

std::optional<long> EnvNumber(const char *name) {
    const char *v = std::getenv(name);
    if (v == nullptr || *v == '\0') return std::nullopt;
    return std::strtol(v, nullptr, 10);
}

// The first broken invariant of a record after a week, or nothing.
std::optional<std::string> FindBrokenInvariant(const GameState &s, std::int32_t moneyBefore) {
    auto broken = [](const std::string &what) { return std::optional<std::string>(what); };
    if (s.WeekCount < 0 || s.WeekCount > kCalendarOver)
        return broken("week " + std::to_string(s.WeekCount));
    // A change of 2^31 or more in one week can only be a wrap of the 32-bit funds.
    const std::int64_t change = std::int64_t{s.Money} - moneyBefore;
    if (change >= std::numeric_limits<std::int32_t>::max() ||
        change <= std::numeric_limits<std::int32_t>::min())
        return broken("money wrapped: " + std::to_string(moneyBefore) + " -> " +
                      std::to_string(s.Money));
    if (auto fault = FindGameFault(s)) return broken("load check: " + *fault);
    if (s.TeamName.empty()) return std::nullopt;  // the game is over: an empty slot

    const int count = PlayerCount(s);
    if (count < kMinimumSquad || count > kMaxSquad)
        return broken("squad of " + std::to_string(count));
    if (!SquadPacked(s)) return broken("squad not packed");
    for (int i = count; i < kPlayerSlots; ++i)
        if (s.Players[static_cast<std::size_t>(i)].Occupied())
            return broken("player past the squad");
    auto levelsInRange = [](const PlayerRecord &p) {
        if (p.Condition > 250) return false;
        for (const auto v : p.Skill)
            if (v > 250) return false;
        return true;
    };
    for (int i = 0; i < count; ++i)
        if (!levelsInRange(s.Players[static_cast<std::size_t>(i)]))
            return broken("player " + std::to_string(i) + " has a level over 250");
    for (int i = 0; i < kCandidateSlots; ++i)
        if (!levelsInRange(s.Candidates[static_cast<std::size_t>(i)]))
            return broken("candidate " + std::to_string(i) + " has a level over 250");
    for (int lot = 0; lot < kLots; ++lot) {
        const int d = s.Facilities[static_cast<std::size_t>(lot)].Durability;
        if (d < 0 || d > 1000) return broken("durability " + std::to_string(d));
    }
    int holders[3] = {0, 0, 0};
    for (int c = 1; c < kCoachSlots; ++c) {
        const int hired = s.Coaches[static_cast<std::size_t>(c)].Hired;
        if (hired > kCoachIndividual) return broken("coach hired as " + std::to_string(hired));
        ++holders[hired];
    }
    if (holders[kCoachTeam] > 1 || holders[kCoachIndividual] > 1)
        return broken("two coaches of a kind");
    if (s.Coaches[0].Hired != kCoachFree) return broken("coach 0 hired");
    for (int plane = 1; plane <= 2; ++plane)
        for (int w = 0; w < kCalendarWeeks; ++w)
            if (s.BuildLot(plane, w) >= kLots)
                return broken("building on lot " + std::to_string(s.BuildLot(plane, w)));
    return std::nullopt;
}

// The saved bytes load back as the same record.
::testing::AssertionResult SurvivesSaveAndLoad(const GameState &s) {
    auto bytes = EncodeGameState(s);
    if (!bytes) return ::testing::AssertionFailure() << "not saved: " << bytes.Reason();
    auto back = DecodeGameState(bytes.Value());
    if (!back) return ::testing::AssertionFailure() << "not loaded: " << back.Reason();
    if (!(back.Value() == s)) return ::testing::AssertionFailure() << "loaded a different record";
    return ::testing::AssertionSuccess();
}

struct SoakGame {
    std::string policy;
    std::uint64_t seed;
    std::optional<std::int32_t> funds;  // none: the new game's own 3000万円
    std::string successor = {};         // takes the club over after `handOver` weeks
    int handOver = 0;
};

std::ostream &operator<<(std::ostream &os, const SoakGame &g) {
    os << g.policy << " seed " << g.seed << (g.funds ? " rich" : "");
    if (!g.successor.empty()) os << ", then " << g.successor;
    return os;
}

// What a game went through beyond the first seasons.
struct LateGame {
    int level = 1;
    bool topMenu = false;         // 発展練習
    bool strongestScout = false;  // five candidates all 150 or more: a "最強" request
    bool fullPlot = false;        // no land left for sale
    bool litCourt = false;
};

void Note(const GameState &s, LateGame &late) {
    late.level = std::max<int>(late.level, s.TeamLevel);
    late.topMenu = late.topMenu || s.TeamPracticeMenu == 7;
    bool strongest = ScoutRequestOpen(s);
    for (const PlayerRecord &c : s.Candidates)
        for (const auto v : c.Skill) strongest = strongest && v >= 150;
    late.strongestScout = late.strongestScout || strongest;
    bool full = true;
    for (int lot = 0; lot < kLots; ++lot) {
        const int kind = s.Facilities[static_cast<std::size_t>(lot)].Kind;
        full = full && kind != kLandForSale;
        late.litCourt = late.litCourt || kind == kLitCourt;
    }
    late.fullPlot = late.fullPlot || full;
}

// Plays one game to its end; returns the weeks played.
int Soak(const SoakGame &g, LateGame *late = nullptr) {
    sim::Simulation sim(g.seed, sim::MakePolicy(g.policy, g.seed));
    sim.StartNew("テニス部", "山田");
    if (g.funds) sim.State().Money = *g.funds;
    int weeks = 0;
    while (sim.LastOutcome() == WeekOutcome::Next && weeks < kWholeCalendar) {
        if (!g.successor.empty() && weeks == g.handOver)
            sim.HandOver(sim::MakePolicy(g.successor, g.seed));
        const std::int32_t before = sim.State().Money;
        sim.PlayOneWeek();
        ++weeks;
        const GameState &s = sim.State();
        if (late != nullptr) Note(s, *late);
        const auto broken = FindBrokenInvariant(s, before);
        EXPECT_FALSE(broken) << g << ", " << DateText(s.WeekCount) << ": " << *broken;
        EXPECT_TRUE(SurvivesSaveAndLoad(s)) << g << ", " << DateText(s.WeekCount);
        if (::testing::Test::HasFailure()) break;
    }
    EXPECT_NE(sim.LastOutcome(), WeekOutcome::Next) << g << ": the game did not end";
    if (sim.LastOutcome() == WeekOutcome::CalendarEnd) {
        EXPECT_EQ(sim.State().WeekCount, kCalendarOver) << g;
    } else {
        EXPECT_TRUE(sim.State().TeamName.empty()) << g;
    }
    return weeks;
}

// The CI run: each manager over the whole calendar, and random managers both rich (the
// whole calendar) and poor (the year end and bankruptcy).
TEST(Soak, ShortRunKeepsEveryInvariant) {
    const SoakGame games[] = {
        {"idle", 1, kRichClub},   {"active", 2, kRichClub}, {"random", 3, kRichClub},
        {"random", 4, kRichClub}, {"random", 9, kRichClub}, {"random", 10, kRichClub},
        {"random", 5, {}},        {"random", 6, {}},        {"active", 7, {}},
        {"idle", 8, {}},
    };
    int weeks = 0;
    for (const SoakGame &g : games) {
        weeks += Soak(g);
        if (HasFailure()) break;
    }
    std::cout << "[ soak ] " << std::size(games) << " games, " << weeks << " weeks\n";
}

// The careful manager from the new game's own funds: the late game under the sanitizers
// without the rich club's override, and a random successor spending what it earned.
TEST(Soak, CarefulClubReachesTheLateGame) {
    constexpr int kSeasons30 = 48 * 30;
    const SoakGame games[] = {{"careful", 3, {}}, {"careful", 7, {}, "random", kSeasons30}};
    LateGame late[std::size(games)];
    for (std::size_t i = 0; i < std::size(games); ++i) {
        Soak(games[i], &late[i]);
        if (HasFailure()) return;
        EXPECT_EQ(late[i].level, 5) << games[i];
        EXPECT_TRUE(late[i].topMenu) << games[i];
        EXPECT_TRUE(late[i].fullPlot) << games[i];
    }
    EXPECT_TRUE(late[0].strongestScout) << games[0];
    EXPECT_TRUE(late[1].litCourt) << games[1];
}

// The long run, only when asked for (see the top of the file).
TEST(Soak, LongRunOfRandomGames) {
    const auto games = EnvNumber("TK_SOAK_GAMES");
    if (!games || *games <= 0) GTEST_SKIP() << "set TK_SOAK_GAMES=<count> for the long run";
    const auto first = static_cast<std::uint64_t>(EnvNumber("TK_SOAK_SEED").value_or(1000));
    long weeks = 0;
    for (long i = 0; i < *games; ++i) {
        const std::uint64_t seed = first + static_cast<std::uint64_t>(i);
        // Every third game keeps the new game's funds and may go bankrupt.
        const SoakGame g{"random", seed, i % 3 == 2 ? std::nullopt : std::optional(kRichClub)};
        weeks += Soak(g);
        if (HasFailure()) break;
    }
    std::cout << "[ soak ] " << *games << " random games, " << weeks << " weeks\n";
}

}  // namespace
}  // namespace tk
