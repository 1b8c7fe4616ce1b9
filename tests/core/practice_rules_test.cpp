// The week's practice: the worked first week, rest and rain, menus, the training room and
// the time-of-day steps.
#include <gtest/gtest.h>

#include "core/rules/catalogue.h"
#include "core/rules/court_rules.h"
#include "core/rules/lookups.h"
#include "core/rules/new_game.h"
#include "core/rules/practice_rules.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

// A new game whose players cannot level up during one week (growth 0, skills below 100,
// no experience), so the experience bytes show every draw.
void NewGameCountingExperience(test::TestGame &t) {
    StartNewGame(t.game, "テニス部", "山田");
    for (int p = 0; p < 6; ++p) {
        PlayerRecord &pl = t.state.Players[p];
        pl.Growth = 0;
        pl.Skill.fill(60);
        pl.Experience.fill(0);
        pl.Style = 0;
    }
}

TEST(PracticeValues, CoachesAndIndividualCourts) {
    test::TestGame t;
    StartNewGame(t.game, "テニス部", "山田");
    GameState &s = t.state;
    for (int lot = 2; lot <= 5; ++lot) s.Facilities[lot].Kind = kIndoorCourt;
    s.Coaches[4].Hired = kCoachTeam;        // ability 100
    s.Coaches[2].Hired = kCoachIndividual;  // ability 50
    s.TeamLevel = 2;
    s.TeamCourtsDay = 3;
    s.TeamCourtsNight = 4;
    s.TeamCourtsRain = 2;
    const CourtCounts c = CountUsableCourts(s);  // day 5, night 4, rain 4
    const PracticeValues v = ComputePracticeValues(s, c);
    // day RoundAway(2 + 15/6 + 1) = 6, night RoundAway((2 + 20/6 + 1) / 2) = 4.
    EXPECT_EQ(v.team, 4);
    // g = RoundAway(10/4 + 0.5 + 2) = 5, u = 0 (all night courts to the team).
    EXPECT_EQ(v.individual, 5);
    EXPECT_EQ(v.rainTeam, 3);        // RoundAway((2 + 10/6 + 1) / 2)
    EXPECT_EQ(v.rainIndividual, 3);  // RoundAway((10/4 + 0.5 + 2) / 2)
}

// The first fine week of a new game, replayed draw by draw: menu 0 gives each team player
// RandomRange(5, 3) on skills 1..5, the one court wears, then every player tires.
TEST(ApplyWeekPractice, FirstFineWeekOfANewGame) {
    test::TestGame t(99);
    StartNewGame(t.game, "テニス部", "山田");
    t.state.Weather = 0;
    GameState expected = t.state;
    Rng replay = t.rng;
    const CourtCounts c = CountUsableCourts(expected);
    EXPECT_EQ(c, (CourtCounts{1, 0, 0, 0, 0, 1}));
    const PracticeValues v = ComputePracticeValues(expected, c);
    EXPECT_EQ(v.team, 1);        // RoundAway(RoundAway(1 + 5/6) / 3)
    EXPECT_EQ(v.individual, 3);  // every court is the team's: nothing individual
    for (int p = 0; p < 6; ++p)
        for (int k = 1; k <= 5; ++k) {
            PlayerSkillUp(expected, p, k, RandomRange(replay, 5, 3));
        }
    expected.Facilities[1].Durability -= RandomRange(replay, 25, 0);
    for (int p = 0; p < 6; ++p) expected.Players[p].Condition -= RandomRange(replay, 25, 5);

    ApplyWeekPractice(t.game);
    EXPECT_EQ(t.state, expected);
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST(ApplyWeekPractice, TiredTeamPlayerRestsInsteadOfPractising) {
    test::TestGame t;
    NewGameCountingExperience(t);
    t.state.Weather = 1;
    t.state.Players[2].Condition = 29;
    ApplyWeekPractice(t.game);
    const PlayerRecord &p = t.state.Players[2];
    EXPECT_EQ(p.Experience, (std::array<std::uint8_t, kSkillCount>{}));
    EXPECT_GE(p.Condition, 229 - 25);
    EXPECT_LE(p.Condition, 229 - 5);
}

TEST(ApplyWeekPractice, NoTeamCourtLeavesEvenTiredPlayersAlone) {
    test::TestGame t;
    NewGameCountingExperience(t);
    t.state.Facilities[1].Durability = 150;  // the only court is worn out: s = 0, v = 3
    t.state.Players[0].Condition = 10;
    t.state.Players[1].Condition = 40;
    ApplyWeekPractice(t.game);
    EXPECT_EQ(t.state.Players[0].Condition, 10);
    EXPECT_GE(t.state.Players[1].Condition, 15);
    EXPECT_LE(t.state.Players[1].Condition, 35);
    for (int p = 0; p < 6; ++p)
        EXPECT_EQ(t.state.Players[p].Experience, (std::array<std::uint8_t, kSkillCount>{}));
}

TEST(ApplyWeekPractice, RainWithoutRainCourtRestsEveryone) {
    test::TestGame t;
    NewGameCountingExperience(t);
    t.state.Weather = 2;
    t.state.Players[3].Condition = 0;
    t.state.Players[4].PracticeSlot = 1;
    t.state.Players[4].Condition = 31;
    ApplyWeekPractice(t.game);
    for (int p = 0; p < 6; ++p) {
        const PlayerRecord &pl = t.state.Players[p];
        EXPECT_EQ(pl.Experience, (std::array<std::uint8_t, kSkillCount>{}));
        const int rested = p == 3 ? 200 : 230;
        EXPECT_GE(pl.Condition, rested - 25) << p;
        EXPECT_LE(pl.Condition, rested - 5) << p;
    }
}

TEST(ApplyWeekPractice, RainCourtTrainsTeamAndIndividualPlayers) {
    test::TestGame t;
    NewGameCountingExperience(t);
    GameState &s = t.state;
    s.Weather = 2;
    s.Facilities[2].Kind = kIndoorCourt;
    s.Facilities[3].Kind = kIndoorCourt;
    s.Coaches[1].Hired = kCoachIndividual;
    s.TeamCourtsRain = 1;
    s.Players[5].PracticeSlot = 2;
    const PracticeValues v = ComputePracticeValues(s, CountUsableCourts(s));
    ASSERT_EQ(v.rainTeam, 1);        // RoundAway((1 + 5/6) / 2)
    ASSERT_EQ(v.rainIndividual, 2);  // RoundAway((5/4 + 0.25 + 1) / 2)
    ApplyWeekPractice(t.game);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_GE(s.Players[0].Experience[k], 3);  // team: RandomRange(5, 3)
        EXPECT_LE(s.Players[0].Experience[k], 5);
        EXPECT_GE(s.Players[5].Experience[k], 4);  // individual: RandomRange(6, 4)
        EXPECT_LE(s.Players[5].Experience[k], 6);
    }
}

TEST(ApplyWeekPractice, SpecialisedMenuTrainsItsSkillMore) {
    bool sawExtra = false;
    for (std::uint64_t seed = 1; seed <= 5; ++seed) {
        test::TestGame t(seed);
        NewGameCountingExperience(t);
        t.state.TeamPracticeMenu = 3;  // 技術練習
        ApplyWeekPractice(t.game);
        for (int p = 0; p < 6; ++p) {
            const auto &e = t.state.Players[p].Experience;
            for (int k : {1, 2, 4, 5}) {
                EXPECT_GE(e[k], 2);
                EXPECT_LE(e[k], 4);
            }
            EXPECT_GE(e[3], 3);
            EXPECT_LE(e[3], 8);
            sawExtra = sawExtra || e[3] > 4;
        }
    }
    EXPECT_TRUE(sawExtra);
}

TEST(TimeOfDay, FastModeAppliesTheSamePracticeInOneStep) {
    test::TestGame normal(7), fast(7);
    StartNewGame(normal.game, "テニス部", "山田");
    StartNewGame(fast.game, "テニス部", "山田");
    fast.settings.FastMode = kTrue;
    for (int step = 1; step <= 6; ++step) {
        EXPECT_FALSE(AdvanceTimeOfDay(normal.game));
        EXPECT_EQ(normal.state.TimeOfDay, step);
    }
    EXPECT_TRUE(AdvanceTimeOfDay(normal.game));
    EXPECT_TRUE(AdvanceTimeOfDay(fast.game));
    EXPECT_EQ(normal.state.TimeOfDay, 0);
    EXPECT_EQ(normal.state, fast.state);
    EXPECT_EQ(PlayPracticeWeek(fast.game), 1);
}

}  // namespace
}  // namespace tk
