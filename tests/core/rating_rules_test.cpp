// Player and coach views: which player a click shows, the texts, grades and colours.
#include <gtest/gtest.h>

#include "core/rules/lookups.h"
#include "core/rules/new_game.h"
#include "core/rules/rating_rules.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

class RatingRules : public ::testing::Test {
protected:
    void SetUp() override { StartNewGame(game, "テスト", "監督"); }

    GameState state;
    Settings settings;
    Rng rng{20240601};
    test::ScriptedUi ui;
    Game game{state, settings, rng, ui};
};

TEST_F(RatingRules, ClickOutsideTheSquadShowsTheFirstPlayer) {
    ASSERT_EQ(PlayerCount(state), 6);
    const struct {
        int index;
        std::optional<int> shown;
    } cases[] = {{-1, std::nullopt}, {-5, std::nullopt}, {0, 0}, {5, 5}, {6, 0}, {19, 0}, {400, 0}};
    for (const auto &c : cases) EXPECT_EQ(PlayerToShow(state, c.index), c.shown) << c.index;
}

TEST(RatingRulesEmpty, AnEmptySquadShowsSlotZeroInsteadOfAskingForeverAgain) {
    GameState s;
    EXPECT_EQ(PlayerToShow(s, 0), 0);
    EXPECT_EQ(PlayerToShow(s, 3), 0);
    EXPECT_EQ(ClampToSquad(s, 3), 0);
    EXPECT_FALSE(CanBrowseNext(s, 0));
    EXPECT_FALSE(CanBrowsePrevious(0));
}

TEST_F(RatingRules, NameListColoursRegularsPurple) {
    const auto rows = SquadNameRows(state);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(rows[static_cast<std::size_t>(i)].name, PersonName(state, i));
        EXPECT_EQ(rows[static_cast<std::size_t>(i)].background, kRegularNameColour) << i;
    }
    EXPECT_EQ(rows[5].background, kSquadNameColour);
    EXPECT_FALSE(rows[5].name.empty());
    EXPECT_EQ(rows[6].name, "");  // an empty slot shows nothing, not the joining space
    EXPECT_EQ(rows[6].background, kSquadNameColour);
}

TEST_F(RatingRules, PlayerSummaryTexts) {
    PlayerRecord &p = state.Players[2];
    p.Condition = 250;
    p.Salary = 12345;
    p.Style = 1;
    const PlayerSummary v = MakePlayerSummary(state, 2);
    EXPECT_EQ(v.conditionTwips, 1500);
    EXPECT_EQ(v.style, "前衛");
    EXPECT_EQ(v.styleColour, 0x0000FFu);
    EXPECT_EQ(v.salary, "年俸 1億2345万円");
    EXPECT_EQ(v.age, std::to_string(AgeOf(state, 2)) + "歳");
    EXPECT_EQ(v.levels[0], p.Skill[0]);
    EXPECT_EQ(v.levels[5], p.Skill[5]);
}

TEST_F(RatingRules, DetailRatesANetPlayerByHisVolley) {
    PlayerRecord &p = state.Players[0];
    p.Skill = {250, 221, 181, 136, 40, 106};
    p.Order = 1;
    p.PracticeSlot = 0;

    p.Style = 1;
    PlayerDetail v = MakePlayerDetail(state, 0);
    EXPECT_EQ(v.title, "No.1　" + PersonName(state, 0));
    EXPECT_EQ(v.age, "年齢 " + std::to_string(AgeOf(state, 0)) + "歳");
    EXPECT_EQ(v.grades, (std::array<std::string, 5>{"S", "A", "B", "C", "D"}));
    EXPECT_EQ(v.gradeColours[0], 0xFF00FFu);
    EXPECT_EQ(v.gradeColours[4], 0x00C000u);
    EXPECT_EQ(v.fifthCaption, "　 ボレー");
    EXPECT_EQ(v.style, "前衛");
    EXPECT_EQ(v.styleColour, 0x0000FFu);
    EXPECT_EQ(v.regular, "レギュラー　○");
    EXPECT_EQ(v.practice, "個人練習　×");

    p.Style = 0;
    p.Order = 0;
    p.PracticeSlot = 2;
    v = MakePlayerDetail(state, 0);
    EXPECT_EQ(v.grades[4], "F");
    EXPECT_EQ(v.gradeColours[4], 0x808080u);
    EXPECT_EQ(v.fifthCaption, "　ショット");
    EXPECT_EQ(v.style, "後衛");
    EXPECT_EQ(v.styleColour, 0xFF8000u);
    EXPECT_EQ(v.regular, "レギュラー　×");
    EXPECT_EQ(v.practice, "個人練習　○");
}

TEST_F(RatingRules, BrowsingStopsAtBothEndsOfTheSquad) {
    const struct {
        int player;
        bool previous, next;
    } cases[] = {{0, false, true}, {1, true, true}, {4, true, true}, {5, true, false}};
    for (const auto &c : cases) {
        EXPECT_EQ(CanBrowsePrevious(c.player), c.previous) << c.player;
        EXPECT_EQ(CanBrowseNext(state, c.player), c.next) << c.player;
    }
    EXPECT_EQ(ClampToSquad(state, 5), 5);
    EXPECT_EQ(ClampToSquad(state, 6), 0);
    EXPECT_EQ(ClampToSquad(state, -1), 0);
}

TEST_F(RatingRules, CoachSlotsOfANewGameAreEmpty) {
    EXPECT_EQ(CoachSlotNames(state), (std::array<std::string, 2>{"なし", "なし"}));
    for (int slot : {0, 1}) {
        const CoachSummary v = MakeCoachSummary(state, slot);
        EXPECT_EQ(v.salary, "コーチはいません");
        EXPECT_EQ(v.grade, "");
    }
}

TEST_F(RatingRules, HiredCoachesFillTheirSlots) {
    const struct {
        int ability;
        const char *grade;
    } cases[] = {{250, "S"}, {225, "A"}, {100, "E"}};
    for (const auto &c : cases) {
        state.Coaches[10].Ability = static_cast<std::uint8_t>(c.ability);
        state.Coaches[10].Hired = kCoachIndividual;
        state.Coaches[10].Salary = 800;
        const CoachSummary v = MakeCoachSummary(state, 1);
        EXPECT_EQ(v.grade, c.grade);
        EXPECT_EQ(v.gradeColour, GradeColour(c.grade));
        EXPECT_EQ(v.salary, "年俸 800万円");
    }
    const auto names = CoachSlotNames(state);
    EXPECT_EQ(names[0], "なし");
    EXPECT_EQ(names[1], CoachName(state.Coaches[10]));
    EXPECT_EQ(CoachInSlot(state, 1), 10);
    EXPECT_EQ(CoachInSlot(state, 2), 0);
    EXPECT_EQ(CoachInSlot(state, -1), 0);
}

}  // namespace
}  // namespace tk
