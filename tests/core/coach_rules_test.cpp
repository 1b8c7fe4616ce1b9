// Hiring and releasing coaches: one holder per kind, free coaches only, confirmation first.
#include <gtest/gtest.h>

#include "core/rules/catalogue.h"
#include "core/rules/coach_rules.h"
#include "core/rules/lookups.h"
#include "core/rules/new_game.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

class CoachRules : public testing::Test {
protected:
    void SetUp() override { StartNewGame(g.game, "T", "M"); }
    test::TestGame g;
    GameState &s = g.state;
};

TEST_F(CoachRules, NewGameListsAllTenInOrderAndNothingToRelease) {
    const auto rows = CoachListRows(s);
    ASSERT_EQ(rows.size(), 10u);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(rows[static_cast<std::size_t>(i)].coach, i + 1);
    EXPECT_EQ(rows[0].salary, "450万円");
    EXPECT_EQ(rows[0].name, FamNames(s.Coaches[1].FamilyName) + FirNames(s.Coaches[1].FirstName));
    EXPECT_EQ(rows[9].rank, "S");
    EXPECT_FALSE(CanReleaseCoach(s, kCoachTeam));
    EXPECT_FALSE(CanReleaseCoach(s, kCoachIndividual));
}

TEST_F(CoachRules, HiringOverAHolderFreesHim) {
    g.ui.defaultAnswer = true;
    ASSERT_TRUE(HireCoach(g.game, kCoachTeam, 3));
    EXPECT_EQ(g.ui.messages.back().text,
              CoachName(s.Coaches[3]) + "さんと契約します。\rよろしいですか？");
    EXPECT_EQ(g.ui.messages.back().fontSize, 12);
    const auto rows = CoachListRows(s);
    EXPECT_EQ(rows.size(), 9u);
    for (const auto &r : rows) EXPECT_NE(r.coach, 3);
    // A held coach cannot be taken for the other kind.
    EXPECT_FALSE(CanHireCoach(s, kCoachIndividual, 3));

    ASSERT_TRUE(HireCoach(g.game, kCoachTeam, 5));
    EXPECT_EQ(s.Coaches[3].Hired, kCoachFree);
    EXPECT_EQ(s.Coaches[5].Hired, kCoachTeam);
    EXPECT_EQ(CoachHolder(s, kCoachTeam), 5);
}

TEST_F(CoachRules, HiringLeavesOneHolderEvenWhenTheRecordHadTwo) {
    s.Coaches[2].Hired = kCoachIndividual;
    s.Coaches[7].Hired = kCoachIndividual;
    g.ui.defaultAnswer = true;
    ASSERT_TRUE(HireCoach(g.game, kCoachIndividual, 1));
    int holders = 0;
    for (const auto &c : s.Coaches) holders += c.Hired == kCoachIndividual;
    EXPECT_EQ(holders, 1);
    EXPECT_EQ(s.Coaches[1].Hired, kCoachIndividual);
}

TEST_F(CoachRules, ReleasingNamesTheHolderAndLeavesTheOtherKind) {
    s.Coaches[2].Hired = kCoachTeam;
    s.Coaches[8].Hired = kCoachIndividual;
    g.ui.answers = {false};
    EXPECT_FALSE(ReleaseCoach(g.game, kCoachIndividual));
    EXPECT_EQ(s.Coaches[8].Hired, kCoachIndividual);
    EXPECT_EQ(g.ui.messages.back().text,
              "現在のコーチ" + CoachName(s.Coaches[8]) + "さんを\r解約します。よろしいですか？");
    g.ui.answers = {true};
    EXPECT_TRUE(ReleaseCoach(g.game, kCoachIndividual));
    EXPECT_FALSE(HasIndividualCoach(s));
    EXPECT_EQ(s.Coaches[2].Hired, kCoachTeam);
}

TEST_F(CoachRules, DecliningOrBadChoicesChangeNothing) {
    s.Coaches[2].Hired = kCoachTeam;
    const GameState before = s;
    g.ui.defaultAnswer = false;
    EXPECT_FALSE(HireCoach(g.game, kCoachTeam, 4));
    g.ui.defaultAnswer = true;
    EXPECT_FALSE(HireCoach(g.game, kCoachTeam, 0));
    EXPECT_FALSE(HireCoach(g.game, kCoachTeam, 11));
    EXPECT_FALSE(HireCoach(g.game, 3, 4));
    EXPECT_TRUE(s == before);
    EXPECT_EQ(g.ui.messages.size(), 1u);
}

}  // namespace
}  // namespace tk
