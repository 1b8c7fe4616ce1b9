// Dismissal: the squad stays packed, the minimum of five, the question.
#include <gtest/gtest.h>

#include "core/rules/lookups.h"
#include "core/rules/new_game.h"
#include "core/rules/roster_rules.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

TEST(Dismissal, FirstOfSixMovesTheOthersUpWithTheirPlaces) {
    test::TestGame t;
    StartNewGame(t.game, "テニス部", "山田");
    GameState &s = t.state;
    s.Players[3].PracticeSlot = 2;
    const GameState before = s;
    const std::int64_t total = TotalPlayerSalary(s);
    t.ui.answers = {false, true};
    EXPECT_FALSE(AskAndDismissPlayer(t.game, 0));
    EXPECT_EQ(s, before);
    ASSERT_TRUE(AskAndDismissPlayer(t.game, 0));
    ASSERT_EQ(t.ui.messages.size(), 2u);
    EXPECT_EQ(t.ui.messages[0].text, PersonName(before, 0) + "さんを\r解雇しますか？");
    EXPECT_EQ(t.ui.messages[0].title, "解雇の確認");
    EXPECT_EQ(t.ui.messages[0].fontSize, 14);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(s.Players[i], before.Players[i + 1]);
    EXPECT_EQ(s.Players[2].PracticeSlot, 2);
    EXPECT_EQ(s.Players[0].Order, 2);
    EXPECT_EQ(s.Players[5], PlayerRecord{});
    EXPECT_TRUE(SquadPacked(s));
    EXPECT_EQ(s.Money, before.Money);
    EXPECT_EQ(TotalPlayerSalary(s), total - before.Players[0].Salary);
    EXPECT_EQ(RosterTitle(s), "全選手合計年俸は" + MoneyText(TotalPlayerSalary(s)) + "です。");
    // Five players are the minimum: the command is disabled and asks nothing.
    EXPECT_FALSE(CanDismiss(s));
    EXPECT_FALSE(AskAndDismissPlayer(t.game, 0));
    EXPECT_EQ(t.ui.messages.size(), 2u);
    EXPECT_EQ(PlayerCount(s), 5);
}

TEST(Dismissal, LastOfAFullSquadLeavesTheSpareSlotEmpty) {
    GameState s;
    for (int i = 0; i < kSquadSlots; ++i) {
        s.Players[i].FamilyName = static_cast<std::uint8_t>(i + 1);
        s.Players[i].Salary = 100;
    }
    EXPECT_TRUE(DismissPlayer(s, 19));
    EXPECT_EQ(PlayerCount(s), 19);
    EXPECT_EQ(s.Players[19], PlayerRecord{});
    EXPECT_EQ(s.Players[20], PlayerRecord{});
    EXPECT_TRUE(DismissPlayer(s, 0));
    EXPECT_EQ(s.Players[0].FamilyName, 2);
    EXPECT_EQ(s.Players[17].FamilyName, 19);
    EXPECT_TRUE(SquadPacked(s));
    // Slots outside the squad name nobody.
    EXPECT_FALSE(DismissPlayer(s, 18));
    EXPECT_FALSE(DismissPlayer(s, -1));
    EXPECT_FALSE(DismissPlayer(s, 25));
}

}  // namespace
}  // namespace tk
