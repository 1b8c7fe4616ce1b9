// Camp classes and prices, the camp decision, and the nutrition drinks.
#include <gtest/gtest.h>

#include "core/rules/camp_rules.h"
#include "core/rules/new_game.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

TEST(Camp, ClassesAndPrices) {
    EXPECT_EQ(CampClassCaption(0), "行かない");
    EXPECT_EQ(CampClassCaption(1), "普通");
    EXPECT_EQ(CampClassCaption(2), "高級");
    EXPECT_EQ(CampPriceText(kDefaultCampClass), "料金 500万円");
    EXPECT_EQ(CampPriceText(0), "料金 0万円");
    EXPECT_EQ(CampPriceText(2), "料金 1000万円");
}

TEST(Camp, DecisionAsksAndPays) {
    test::TestGame t;
    StartNewGame(t.game, "テニス部", "山田");
    t.ui.answers = {false, true};
    EXPECT_FALSE(DecideCamp(t.game, 2));
    EXPECT_EQ(t.state.CampSessions, 0);
    EXPECT_EQ(t.state.Money, 3000);
    EXPECT_TRUE(DecideCamp(t.game, 2));
    EXPECT_EQ(t.state.CampSessions, 2);
    EXPECT_EQ(t.state.Money, 2000);
    ASSERT_EQ(t.ui.messages.size(), 2u);
    EXPECT_EQ(t.ui.messages[1].text, "よろしいですか？");
    EXPECT_EQ(t.ui.messages[1].title, "");
    EXPECT_EQ(t.ui.messages[1].fontSize, 14);
    EXPECT_FALSE(DecideCamp(t.game, 3));  // no such class; nothing asked
    EXPECT_EQ(t.ui.messages.size(), 2u);
}

struct DrinkCase {
    int item;
    int condition;
    int after;
};

class Drinks : public ::testing::TestWithParam<DrinkCase> {};

TEST_P(Drinks, RaiseConditionUpTo250) {
    const DrinkCase c = GetParam();
    test::TestGame t;
    StartNewGame(t.game, "テニス部", "山田");
    for (int p = 0; p < 6; ++p)
        t.state.Players[p].Condition = static_cast<std::uint8_t>(c.condition);
    t.state.Money = 5;
    t.ui.answers = {true};
    ASSERT_TRUE(UseItem(t.game, c.item));
    for (int p = 0; p < 6; ++p) EXPECT_EQ(t.state.Players[p].Condition, c.after);
    EXPECT_EQ(t.state.Players[6].Condition, 0);  // empty slots stay empty
    EXPECT_EQ(t.state.Money, 5 - Item(c.item).cost);
    EXPECT_EQ(t.ui.messages.back().text, "使用しますか？");
    EXPECT_EQ(t.ui.messages.back().fontSize, 12);
}

INSTANTIATE_TEST_SUITE_P(Table, Drinks,
                         ::testing::Values(DrinkCase{0, 200, 250}, DrinkCase{0, 201, 250},
                                           DrinkCase{0, 10, 60}, DrinkCase{1, 100, 200},
                                           DrinkCase{2, 0, 150}, DrinkCase{2, 120, 250}));

}  // namespace
}  // namespace tk
