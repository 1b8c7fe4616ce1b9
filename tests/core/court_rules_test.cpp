// Usable-court counts, the allotment clamp, court wear; upkeep and construction completion.
#include <gtest/gtest.h>

#include "core/rules/court_rules.h"
#include "core/rules/grounds_rules.h"
#include "core/rules/new_game.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

GameState EmptyGrounds() {
    GameState s;
    for (auto &lot : s.Facilities) lot = {kLandForSale, 1000};
    s.Facilities[0].Kind = kOffice;
    return s;
}

TEST(CountCourts, CountedAbove200ShownAbove199) {
    GameState s = EmptyGrounds();
    s.Facilities[1] = {kOutdoorCourt, 200};
    EXPECT_TRUE(ShownUsable(s.Facilities[1]));
    EXPECT_EQ(CountCourts(s), (CourtCounts{0, 0, 0, 0, 0, 1}));
    s.Facilities[1].Durability = 201;
    EXPECT_EQ(CountCourts(s), (CourtCounts{1, 0, 0, 0, 0, 1}));
    s.Facilities[2] = {kLitCourt, 500};
    s.Facilities[3] = {kIndoorCourt, 500};
    s.Facilities[4] = {kIndoorCourt, 0};
    s.Facilities[5] = {kTrainingRoom, 1000};
    EXPECT_EQ(CountCourts(s), (CourtCounts{3, 2, 1, 0, 0, 4}));
}

struct ClampCase {
    int courts;
    int allotment;
    int clamped;
};

class AllotmentClamp : public ::testing::TestWithParam<ClampCase> {};

TEST_P(AllotmentClamp, FitsTheCountWithAnIndividualCoach) {
    const ClampCase c = GetParam();
    GameState s = EmptyGrounds();
    for (int lot = 1; lot <= c.courts; ++lot) s.Facilities[lot].Kind = kIndoorCourt;
    s.Coaches[3].Hired = kCoachIndividual;
    s.TeamCourtsDay = s.TeamCourtsNight = s.TeamCourtsRain = static_cast<std::uint8_t>(c.allotment);
    CountUsableCourts(s);
    EXPECT_EQ(s.TeamCourtsDay, c.clamped);
    EXPECT_EQ(s.TeamCourtsNight, c.clamped);
    EXPECT_EQ(s.TeamCourtsRain, c.clamped);
}

INSTANTIATE_TEST_SUITE_P(Table, AllotmentClamp,
                         ::testing::Values(ClampCase{5, 1, 3}, ClampCase{0, 3, 0},
                                           ClampCase{2, 0, 1}, ClampCase{5, 0, 1},
                                           ClampCase{5, 7, 5}, ClampCase{5, 4, 4},
                                           ClampCase{8, 6, 6}, ClampCase{8, 2, 6}));

TEST(CountUsableCourts, WithoutIndividualCoachEveryCourtIsTheTeams) {
    GameState s = EmptyGrounds();
    s.Facilities[1].Kind = kLitCourt;
    s.Facilities[2].Kind = kIndoorCourt;
    s.Facilities[3].Kind = kOutdoorCourt;
    s.Coaches[3].Hired = kCoachTeam;
    CountUsableCourts(s);
    EXPECT_EQ(s.TeamCourtsDay, 3);
    EXPECT_EQ(s.TeamCourtsNight, 2);
    EXPECT_EQ(s.TeamCourtsRain, 1);
}

TEST(WearCourts, OnlyCourtsWearAndNeverBelowZero) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        test::TestGame t(seed);
        t.state = EmptyGrounds();
        t.state.Facilities[1] = {kOutdoorCourt, 6};
        t.state.Facilities[2] = {kLitCourt, 5};
        t.state.Facilities[3] = {kIndoorCourt, 1000};
        t.state.Facilities[4] = {kTrainingRoom, 3};
        t.state.Facilities[5] = {kUnderConstruction, 7};
        WearCourts(t.game);
        const auto &f = t.state.Facilities;
        EXPECT_GE(f[1].Durability, 1);
        EXPECT_LE(f[1].Durability, 6);
        EXPECT_EQ(f[2].Durability, 0);
        EXPECT_GE(f[3].Durability, 975);
        EXPECT_LE(f[3].Durability, 1000);
        EXPECT_EQ(f[0].Durability, 1000);
        EXPECT_EQ(f[4].Durability, 3);
        EXPECT_EQ(f[5].Durability, 7);
        EXPECT_EQ(f[6].Durability, 1000);
    }
}

TEST(MonthlyUpkeep, SumsTheLots) {
    GameState s = EmptyGrounds();
    s.Facilities[1].Kind = kOutdoorCourt;
    EXPECT_EQ(MonthlyUpkeep(s), 23);
    s.Facilities[1].Kind = kLitCourt;
    s.Facilities[2].Kind = kLitCourt;
    s.Facilities[3].Kind = kIndoorCourt;
    s.Facilities[4].Kind = kTrainingRoom;
    s.Facilities[5].Kind = kUnderConstruction;
    EXPECT_EQ(MonthlyUpkeep(s), 63);
}

TEST(FinishConstructions, BothPlanesInOrderWithTheirAllotments) {
    test::TestGame t;
    StartNewGame(t.game, "テニス部", "山田");
    GameState &s = t.state;
    s.Facilities[2].Kind = kUnderConstruction;
    s.Facilities[3].Kind = kUnderConstruction;
    s.Calendar[1][20] = {2, kLitCourt};
    s.Calendar[2][20] = {3, kTrainingRoom};
    FinishConstructions(t.game, 19);
    EXPECT_EQ(s.Facilities[2].Kind, kUnderConstruction);
    EXPECT_TRUE(t.ui.messages.empty());

    FinishConstructions(t.game, 20);
    EXPECT_EQ(s.Facilities[2].Kind, kLitCourt);
    EXPECT_EQ(s.Facilities[3].Kind, kTrainingRoom);
    ASSERT_EQ(t.ui.messages.size(), 2u);
    EXPECT_EQ(t.ui.messages[0].text, "屋外コートの\r工事が終わりました");
    EXPECT_EQ(t.ui.messages[0].fontSize, 13);
    EXPECT_EQ(t.ui.messages[0].title, "");
    EXPECT_EQ(t.ui.messages[1].text, "トレーニング室の\r工事が終わりました");
    EXPECT_EQ(s.TeamCourtsDay, 2);
    EXPECT_EQ(s.TeamCourtsNight, 2);
    EXPECT_EQ(s.TeamCourtsRain, 1);
}

TEST(FinishConstructions, IgnoresEntriesOutsideTheGroundsAndTheCalendar) {
    test::TestGame t;
    StartNewGame(t.game, "テニス部", "山田");
    const GameState before = t.state;
    t.state.Calendar[1][30] = {9, kIndoorCourt};  // lot 9 is no lot of the grounds
    FinishConstructions(t.game, 30);
    FinishConstructions(t.game, -1);
    FinishConstructions(t.game, kLastWeek + 1);
    EXPECT_EQ(t.state.Facilities, before.Facilities);
    EXPECT_TRUE(t.ui.messages.empty());
}

}  // namespace
}  // namespace tk
