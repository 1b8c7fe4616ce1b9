// Choosing the players of the individual-practice places.
#include <gtest/gtest.h>

#include "core/rules/individual_rules.h"
#include "core/rules/lookups.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

class Places : public testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 10; ++i) {
            PlayerRecord &p = s.Players[static_cast<std::size_t>(i)];
            p.FamilyName = static_cast<std::uint8_t>(i + 1);
            p.FirstName = static_cast<std::uint8_t>(i + 1);
        }
        g.ui.defaultAnswer = true;
    }
    test::TestGame g;
    GameState &s = g.state;
};

TEST_F(Places, PlaceHoldersAreLeftOutButTheScrollFollowsTheSquad) {
    s.Players[0].PracticeSlot = 1;
    s.Players[3].PracticeSlot = 2;
    s.Players[9].PracticeSlot = 3;
    EXPECT_EQ(PlayerListScrollMax(s), 2);
    EXPECT_EQ(SelectablePlayers(s, 0), (std::vector<int>{1, 2, 4, 5, 6, 7}));
    EXPECT_EQ(SelectablePlayers(s, 2), (std::vector<int>{2, 4, 5, 6, 7, 8}));
    EXPECT_EQ(PracticePlaceHolder(s, 2), 3);
    EXPECT_FALSE(CanChoosePracticePlayer(s, 1, 3));  // already in place 2
}

TEST_F(Places, ABlankRowOrANonPlayerChoosesNobody) {
    EXPECT_FALSE(CanChoosePracticePlayer(s, 1, -1));
    EXPECT_FALSE(CanChoosePracticePlayer(s, 1, 10));
    EXPECT_FALSE(CanChoosePracticePlayer(s, 1, 20));
    EXPECT_FALSE(CanChoosePracticePlayer(s, 0, 1));
    EXPECT_FALSE(CanChoosePracticePlayer(s, 4, 1));
    EXPECT_FALSE(ChoosePracticePlayer(g.game, 1, -1));
    EXPECT_TRUE(g.ui.messages.empty());
}

TEST_F(Places, ChoosingForAHeldPlaceSendsTheHolderBack) {
    ASSERT_TRUE(ChoosePracticePlayer(g.game, 1, 4));
    EXPECT_EQ(g.ui.messages.back().text, PersonName(s, 4) + "さん\rでよろしいですか？");
    ASSERT_TRUE(ChoosePracticePlayer(g.game, 1, 6));
    EXPECT_EQ(s.Players[4].PracticeSlot, 0);
    EXPECT_EQ(s.Players[6].PracticeSlot, 1);

    EXPECT_FALSE(CanReleasePracticePlayer(s, 2));
    g.ui.answers = {false, true};
    EXPECT_FALSE(ReleasePracticePlayer(g.game, 1));
    EXPECT_EQ(g.ui.messages.back().text, PersonName(s, 6) + "さんをはずします。\rよろしいですか？");
    EXPECT_EQ(s.Players[6].PracticeSlot, 1);
    EXPECT_TRUE(ReleasePracticePlayer(g.game, 1));
    EXPECT_EQ(PracticePlaceHolder(s, 1), -1);
}

TEST_F(Places, RowsShowTheShotOrTheVolley) {
    PlayerRecord &p = s.Players[2];
    p.Skill = {100, 100, 100, 100, 240, 60};
    p.Salary = 450;
    EXPECT_EQ(MakeSquadListRow(s, 2).grades[4], "A");
    EXPECT_EQ(MakeSquadListRow(s, 2).style, "後衛");
    p.Style = 1;
    const SquadListRow row = MakeSquadListRow(s, 2);
    EXPECT_EQ(row.grades[4], "F");
    EXPECT_EQ(row.style, "前衛");
    EXPECT_EQ(row.styleColour, 0x0000FFu);
    EXPECT_EQ(row.salary, "450万円");
    EXPECT_EQ(MakeSquadListRow(s, 12).player, -1);
}

}  // namespace
}  // namespace tk
