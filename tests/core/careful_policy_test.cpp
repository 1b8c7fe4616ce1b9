// The careful manager's reckoning checked against the rules it reckons with (match chances
// against the match engine, the months to the March check), his lineup and squad plan, and
// the balance report.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/rules/game.h"
#include "core/rules/lineup_rules.h"
#include "core/rules/lookups.h"
#include "core/rules/match_engine.h"
#include "core/rules/random.h"
#include "tools/sim/balance_report.h"
#include "tools/sim/careful_outlook.h"
#include "tools/sim/careful_squad.h"
#include "tools/sim/sim_ui.h"

namespace tk {
namespace {

using sim::careful::Five;

// A player whose five compared values sum to `strength` (a baseline player of `age`).
PlayerRecord PlayerOf(int strength, int age, int year, std::int32_t salary = 300) {
    PlayerRecord p;
    p.FamilyName = 1;
    p.FirstName = 1;
    p.Skill.fill(static_cast<std::uint8_t>(strength / 5));
    p.Skill[5] = 0;  // the volley: below the shot
    p.BirthYear = static_cast<std::int16_t>(year - age);
    p.Salary = salary;
    return p;
}

// The estimate the manager books and enters by is the engine's own chance, within a few
// points, from a hopeless match to a sure one.
TEST(CarefulOutlook, MatchChanceFollowsTheMatchEngine) {
    struct Case {
        Five five;
        int kind;
    };
    const Case cases[] = {
        {{500, 500, 500, 500, 500}, 1},       {{600, 600, 600, 600, 600}, 13},
        {{800, 800, 800, 400, 400}, 13},      {{900, 900, 900, 900, 900}, 24},
        {{1200, 1200, 1200, 1200, 1200}, 45}, {{1250, 1250, 1250, 1000, 900}, 6},
        {{400, 400, 400, 400, 400}, 34},
    };
    for (const Case &c : cases) {
        GameState s;
        Settings settings;
        Rng rng(11);
        sim::SimUi ui;
        Game game{s, settings, rng, ui};
        s.WeekCount = 13;
        for (int n = 0; n < kPlaces; ++n) {
            s.Players[static_cast<std::size_t>(n)] =
                PlayerOf(c.five[static_cast<std::size_t>(n)], 25, 1);
            s.Players[static_cast<std::size_t>(n)].Order = static_cast<std::uint8_t>(n + 1);
        }
        s.MatchKind(s.WeekCount) = static_cast<std::uint8_t>(c.kind);
        constexpr int kMatches = 3000;
        int won = 0;
        for (int i = 0; i < kMatches; ++i) won += PlayWholeMatch(game, false).won ? 1 : 0;
        EXPECT_NEAR(sim::careful::MatchChance(c.five, c.kind), double(won) / kMatches, 0.04)
            << "kind " << c.kind << ", first regular " << c.five[0];
    }
}

// The March check follows this month's end and every one up to March's.
TEST(CarefulOutlook, MonthEndsToTheMarchCheck) {
    const struct {
        int week, monthEnds;
    } cases[] = {{13, 12}, {16, 12}, {17, 11}, {48, 4}, {49, 3}, {60, 1}, {61, 12}};
    for (const auto &c : cases) {
        GameState s;
        s.WeekCount = static_cast<std::int16_t>(c.week);
        EXPECT_EQ(sim::careful::MonthEndsToSettlement(s), c.monthEnds) << DateText(c.week);
    }
}

TEST(CarefulSquad, TheStrongestFivePlay) {
    GameState s;
    s.WeekCount = 13;
    const int strengths[] = {500, 900, 450, 700, 800, 650, 600};
    for (int i = 0; i < 7; ++i) {
        s.Players[static_cast<std::size_t>(i)] = PlayerOf(strengths[i], 22, 1);
        s.Players[static_cast<std::size_t>(i)].Order = static_cast<std::uint8_t>(i < 5 ? i + 1 : 0);
    }
    sim::careful::FieldStrongestFive(s);
    std::vector<int> regulars;
    for (int n = 1; n <= kPlaces; ++n) regulars.push_back(PlaceSlot(s, n));
    std::sort(regulars.begin(), regulars.end());
    EXPECT_EQ(regulars, (std::vector<int>{1, 3, 4, 5, 6}));
}

// Next season's five: a player past thirty loses three per cent a month, so a weaker young
// one takes his place; a young player who will pass the weakest of the five stays as a
// prospect, an old one who will not is let go.
TEST(CarefulSquad, PlanKeepsNextSeasonsFiveAndTheirSuccessors) {
    GameState s;
    s.WeekCount = 60;  // the renewal: March of year 2
    s.TeamLevel = 1;
    const std::vector<PlayerRecord> squad = {
        PlayerOf(700, 25, 2),
        PlayerOf(690, 26, 2),
        PlayerOf(680, 27, 2),
        PlayerOf(670, 24, 2),
        PlayerOf(700, 36, 2),  // strongest now, far weaker by the middle of
                               // the season
        PlayerOf(600, 22, 2),
        PlayerOf(500, 19, 2),
        PlayerOf(400, 33, 2),
    };
    const sim::careful::SquadPlan plan = sim::careful::PlanSquad(s, squad, 2);
    EXPECT_EQ(plan.kept, (std::vector<bool>{true, true, true, true, false, true, false, false}));
}

TEST(BalanceReport, SeasonsAndMedians) {
    const struct {
        int week, season;
    } seasons[] = {{13, 1}, {60, 1}, {61, 2}, {12 + 48 * 5, 5}, {4799, 100}};
    for (const auto &c : seasons) EXPECT_EQ(sim::SeasonOf(c.week), c.season) << c.week;
    EXPECT_EQ(sim::Median({}), std::nullopt);
    EXPECT_EQ(sim::Median({7}), 7);
    EXPECT_EQ(sim::Median({9, 1, 5}), 5);
    EXPECT_EQ(sim::Median({4, 1, 3, 2}), 2);
}

// An idle club fades at level 1; a careful one climbs every level, wins every title and
// plays the calendar out, and the table says so.
TEST(BalanceReport, LogsWhatAGameReached) {
    const sim::GameLog idle = sim::PlayLoggedGame("idle", 1);
    EXPECT_FALSE(idle.wholeCalendar);
    EXPECT_LT(idle.seasonsSurvived, 10);
    EXPECT_EQ(idle.levelSeason[1], 1);
    EXPECT_FALSE(idle.levelSeason[2]);
    EXPECT_FALSE(idle.funds[1]);  // gone before season 10

    std::vector<std::string> lines;
    const sim::GameLog careful = sim::PlayLoggedGame("careful", 3, std::nullopt, &lines);
    EXPECT_TRUE(careful.wholeCalendar);
    EXPECT_EQ(careful.seasonsSurvived, 99);
    EXPECT_EQ(lines.size(), 99u);
    for (int level = 2; level <= 5; ++level) {
        ASSERT_TRUE(careful.levelSeason[static_cast<std::size_t>(level)]) << level;
        EXPECT_LE(careful.levelSeason[static_cast<std::size_t>(level - 1)].value_or(0),
                  *careful.levelSeason[static_cast<std::size_t>(level)]);
    }
    for (const auto &title : careful.titleSeason) EXPECT_TRUE(title);
    for (const auto &funds : careful.funds) EXPECT_TRUE(funds);

    const std::string table = sim::BalanceTable("careful", {idle, careful});
    // The row that begins with `name`, up to its line break.
    auto row = [&](const std::string &name) {
        const std::size_t at = table.find(name);
        return at == std::string::npos ? std::string()
                                       : table.substr(at, table.find('\n', at) - at);
    };
    EXPECT_NE(row("policy careful, 2 games").find("2 games"), std::string::npos) << table;
    EXPECT_NE(row("seasons survived").find("best 99; whole calendar 50%"), std::string::npos);
    for (const char *name : {"team level 5", "ワールドテニス 優勝"})
        EXPECT_NE(row(name).find(" 50%  " + std::to_string(*careful.levelSeason[5])),
                  std::string::npos)
            << table;
    EXPECT_NE(row("funds after season 50").find("(1 games)"), std::string::npos) << table;
}

}  // namespace
}  // namespace tk
