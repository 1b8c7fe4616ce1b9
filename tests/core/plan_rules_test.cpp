// The practice menu, the practice screen's names and the court split's buttons.
#include <gtest/gtest.h>

#include "core/rules/lookups.h"
#include "core/rules/new_game.h"
#include "core/rules/plan_rules.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

// Lots 0..n-1 indoor courts (usable in every situation), the rest land for sale.
void SetIndoorCourts(GameState &s, int n) {
    for (int lot = 0; lot < kLots; ++lot)
        s.Facilities[static_cast<std::size_t>(lot)] = {lot < n ? kIndoorCourt : kLandForSale, 1000};
}

void SetIndividualCoach(GameState &s, bool hired) {
    s.Coaches[4].Hired = hired ? kCoachIndividual : kCoachFree;
}

TEST(CourtSplit, EveryAllotmentFitsItsCountAfterTwoRecounts) {
    for (bool coach : {false, true}) {
        for (int n = 0; n <= 9; ++n) {
            for (int a = 0; a <= 10; ++a) {
                GameState s;
                SetIndoorCourts(s, n);
                SetIndividualCoach(s, coach);
                s.TeamCourtsDay = s.TeamCourtsNight = s.TeamCourtsRain =
                    static_cast<std::uint8_t>(a);
                CourtSplits(s);
                const auto splits = CourtSplits(s);
                for (const CourtSplit &split : splits) {
                    SCOPED_TRACE(testing::Message()
                                 << "coach " << coach << " n " << n << " a " << a);
                    EXPECT_EQ(split.team + split.individual, n);
                    if (!coach || n == 0) {
                        EXPECT_EQ(split.individual, 0);
                    } else {
                        EXPECT_GE(split.team, 1);
                        EXPECT_LE(split.individual, 2);
                    }
                }
            }
        }
    }
}

TEST(CourtSplit, OneRecountLiftsZeroToOneOnly) {
    GameState s;
    SetIndoorCourts(s, 6);
    SetIndividualCoach(s, true);
    s.TeamCourtsDay = 0;
    EXPECT_EQ(CourtSplits(s)[0], (CourtSplit{1, 5}));
    EXPECT_EQ(CourtSplits(s)[0], (CourtSplit{4, 2}));
}

TEST(CourtSplit, NewGameReadsOneCourtByDayOnly) {
    test::TestGame g;
    StartNewGame(g.game, "T", "M");
    const auto splits = CourtSplits(g.state);
    EXPECT_EQ(CourtSplitText(splits[0]), "1 : 0");
    EXPECT_EQ(CourtSplitText(splits[1]), "0 : 0");
    EXPECT_EQ(CourtSplitText(splits[2]), "0 : 0");
}

TEST(CourtSplit, FiveCourtsGoDownToThreeTwoAndBack) {
    GameState s;
    SetIndoorCourts(s, 5);
    SetIndividualCoach(s, true);
    s.TeamCourtsDay = 5;
    const auto day = CourtSituation::FineDay;
    EXPECT_FALSE(CanAddTeamCourt(s, day));
    EXPECT_FALSE(AddTeamCourt(s, day));
    EXPECT_TRUE(AddIndividualCourt(s, day));
    EXPECT_TRUE(AddIndividualCourt(s, day));
    EXPECT_EQ(CourtSplits(s)[0], (CourtSplit{3, 2}));
    EXPECT_FALSE(CanAddIndividualCourt(s, day));
    EXPECT_FALSE(AddIndividualCourt(s, day));
    EXPECT_EQ(s.TeamCourtsDay, 3);
    EXPECT_TRUE(AddTeamCourt(s, day));
    EXPECT_EQ(CourtSplits(s)[0], (CourtSplit{4, 1}));
}

TEST(CourtSplit, ButtonsDoNothingWithoutCourtsOrCoach) {
    GameState s;
    SetIndoorCourts(s, 1);
    SetIndividualCoach(s, true);
    s.TeamCourtsRain = 1;
    // One court stays with team practice.
    EXPECT_FALSE(AddIndividualCourt(s, CourtSituation::Rain));
    EXPECT_FALSE(AddTeamCourt(s, CourtSituation::Rain));

    SetIndoorCourts(s, 0);
    EXPECT_FALSE(AddIndividualCourt(s, CourtSituation::Rain));
    EXPECT_FALSE(AddTeamCourt(s, CourtSituation::Rain));
    EXPECT_EQ(CourtSplits(s)[2], (CourtSplit{0, 0}));

    SetIndoorCourts(s, 4);
    SetIndividualCoach(s, false);
    s.TeamCourtsNight = 4;
    EXPECT_FALSE(CanAddIndividualCourt(s, CourtSituation::FineNight));
    EXPECT_FALSE(AddIndividualCourt(s, CourtSituation::FineNight));
    EXPECT_EQ(CourtSplits(s)[1], (CourtSplit{4, 0}));
}

TEST(PracticeMenu, AdvancedMenusFollowTheLevelButAStoredOneStays) {
    GameState s;
    s.TeamLevel = 3;
    EXPECT_EQ(PracticeMenuName(6), "応用練習");
    EXPECT_TRUE(IsPracticeMenuAvailable(s, 5));
    EXPECT_FALSE(IsPracticeMenuAvailable(s, 6));
    s.TeamLevel = 4;
    EXPECT_TRUE(IsPracticeMenuAvailable(s, 6));
    EXPECT_FALSE(IsPracticeMenuAvailable(s, 7));
    s.TeamLevel = 5;
    EXPECT_TRUE(IsPracticeMenuAvailable(s, 7));

    s.TeamLevel = 1;
    s.TeamPracticeMenu = 7;
    EXPECT_TRUE(StorePracticeMenu(s, 7));
    EXPECT_TRUE(StorePracticeMenu(s, 2));
    EXPECT_FALSE(StorePracticeMenu(s, 7));
    EXPECT_FALSE(StorePracticeMenu(s, 8));
    EXPECT_EQ(s.TeamPracticeMenu, 2);
}

TEST(PracticePlan, NamesShowHoldersAndPlacesOnlyWithAnIndividualCoach) {
    test::TestGame g;
    StartNewGame(g.game, "T", "M");
    GameState &s = g.state;
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(PracticePlanLabel(s, k), k <= 3 ? "" : "なし");
    s.Players[2].PracticeSlot = 2;
    s.Coaches[3].Hired = kCoachTeam;
    EXPECT_EQ(PracticePlanLabel(s, 4), CoachName(s.Coaches[3]));
    EXPECT_EQ(PracticePlanLabel(s, 2), "");
    EXPECT_FALSE(CanChoosePracticePlayers(s));
    s.Coaches[6].Hired = kCoachIndividual;
    EXPECT_TRUE(CanChoosePracticePlayers(s));
    EXPECT_EQ(PracticePlanLabel(s, 1), "なし");
    EXPECT_EQ(PracticePlanLabel(s, 2), PersonName(s, 2));
    EXPECT_EQ(PracticePlanLabel(s, 5), CoachName(s.Coaches[6]));
}

TEST(PracticePlan, CoachesAreChosenInAprilOnly) {
    GameState s;
    for (int w = 13; w <= 16; ++w) {
        s.WeekCount = static_cast<std::int16_t>(w);
        EXPECT_TRUE(CanChooseCoaches(s));
    }
    s.WeekCount = 17;
    EXPECT_FALSE(CanChooseCoaches(s));
    s.WeekCount = 12 + 48;
    EXPECT_FALSE(CanChooseCoaches(s));
}

}  // namespace
}  // namespace tk
