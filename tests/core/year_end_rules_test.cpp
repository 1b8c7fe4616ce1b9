// The year-end settlement: bankruptcy, budget, sponsors, salaries, profit or loss.
#include <gtest/gtest.h>

#include "core/rules/lookups.h"
#include "core/rules/new_game.h"
#include "core/rules/week_rules.h"
#include "core/rules/year_end_rules.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

constexpr int kMarchWeek4OfYear2 = 60;

// A new game moved to the last week of March of year 2 with `funds` after the upkeep.
void AtFirstYearEnd(test::TestGame &t, std::int32_t funds) {
    StartNewGame(t.game, "テニス部", "山田");
    t.state.WeekCount = kMarchWeek4OfYear2;
    t.state.Money = funds + 23;
}

TEST(YearEnd, MinusOneIsBankruptcyAndNothingElse) {
    test::TestGame t;
    AtFirstYearEnd(t, -1);
    const std::int32_t salary = t.state.Players[0].Salary;
    EXPECT_EQ(EndOfWeek(t.game), WeekOutcome::Bankrupt);
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text, "破産です。");
    EXPECT_EQ(t.ui.messages[0].title, "ゲームオーバー");
    EXPECT_EQ(t.ui.messages[0].fontSize, 18);
    EXPECT_EQ(t.state.TeamName, "");
    EXPECT_EQ(t.state.Money, -1);
    EXPECT_EQ(t.state.Players[0].Salary, salary);  // no raise
    EXPECT_EQ(t.state.WeekCount, kMarchWeek4OfYear2);
    EXPECT_EQ(t.ui.dismissScreens, 0);
}

TEST(YearEnd, ZeroIsSettledWithEveryNotice) {
    test::TestGame t;
    AtFirstYearEnd(t, 0);
    EXPECT_EQ(EndOfWeek(t.game), WeekOutcome::Next);
    EXPECT_EQ(t.state.TeamName, "テニス部");
    EXPECT_EQ(t.ui.dismissScreens, 1);
    const std::int64_t salaries = YearlySalaries(t.state);
    const std::int32_t money = static_cast<std::int32_t>(2000 - salaries);
    EXPECT_EQ(t.state.Money, money);
    ASSERT_EQ(t.ui.messages.size(), 3u);
    EXPECT_EQ(t.ui.messages[0].text, "契約更新です。\r要らない選手は\r解雇してください。");
    EXPECT_EQ(t.ui.messages[0].title, "契約更新");
    EXPECT_EQ(t.ui.messages[0].fontSize, 12);
    EXPECT_EQ(t.ui.messages[1].text, "今年のチーム予算は\r2000万円です");
    EXPECT_EQ(t.ui.messages[1].title, "");
    // Measured against the starting funds of the new game.
    const std::string word = money >= 3000 ? "黒字" : "赤字";
    EXPECT_EQ(t.ui.messages[2].text,
              "今年は" + MoneyText(std::llabs(money - 3000)) + "の\r" + word + "でした。");
    EXPECT_EQ(t.ui.messages[2].title, word);
    EXPECT_EQ(t.state.LastYear.MoneyAtYearEnd, money);
    EXPECT_EQ(t.state.WeekCount, kMarchWeek4OfYear2 + 1);
}

TEST(YearEnd, SponsorIncomeAndPenalty) {
    test::TestGame t;
    AtFirstYearEnd(t, 0);
    GameState &s = t.state;
    s.SponsorState.Contract = {0, 5, 4};  // あおばテレビ kept its condition; ハヤテ did not
    s.SponsorState.KeptThisYear[5] = kTrue;
    s.SponsorState.KeptThisYear[0] = kTrue;
    YearEnd(t.game);
    EXPECT_TRUE(t.ui.Saw("スポンサー収益として\r契約金1億0000万円\rが入ってきました"));
    EXPECT_TRUE(t.ui.Saw("常守条件が守れなかったので\r違約金1000万円\rを払いました。"));
    EXPECT_EQ(t.ui.messages[3].title, "約束は守りましょう");
    EXPECT_EQ(s.Money, static_cast<std::int32_t>(23 + 2000 + 10000 - 1000 - YearlySalaries(s)));
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(s.SponsorState.KeptThisYear[k], 0);
    EXPECT_EQ(s.SponsorState.KeptThisYear[0], kTrue);
}

TEST(YearEnd, SponsorWithoutPenaltyPaysEvenWhenNotKept) {
    test::TestGame t;
    AtFirstYearEnd(t, 0);
    t.state.SponsorState.Contract = {0, 1, 0};
    YearEnd(t.game);
    EXPECT_TRUE(t.ui.Saw("スポンサー収益として\r契約金1000万円\rが入ってきました"));
    EXPECT_EQ(t.ui.messages.size(), 4u);
}

TEST(YearEnd, UnchangedFundsAreABlackZero) {
    test::TestGame t;
    StartNewGame(t.game, "テニス部", "山田");
    GameState &s = t.state;
    for (int p = 0; p < 6; ++p) s.Players[p].Salary = 0;
    s.TeamLevel = 0;  // no budget
    s.LastYear.MoneyAtYearEnd = s.Money;
    s.PracticeMatchCount = 4;
    s.Category[2].Wins = 7;
    YearEnd(t.game);
    EXPECT_EQ(t.ui.messages.back().text, "今年は0万円の\r黒字でした。");
    EXPECT_EQ(t.ui.messages.back().title, "黒字");
    EXPECT_EQ(s.PracticeMatchCount, 0);
    EXPECT_EQ(s.LastYear.Results[2].Wins, 7);
}

TEST(YearEnd, EmployedCoachesArePaidWhateverTheirRole) {
    GameState s;
    s.Players[0] = {.FamilyName = 1, .Salary = 300};
    s.Coaches[2].Salary = 800;
    s.Coaches[2].Hired = kCoachIndividual;
    s.Coaches[5].Salary = 5000;
    s.Coaches[5].Hired = kCoachTeam;
    s.Coaches[7].Salary = 10000;  // free: not paid
    EXPECT_EQ(YearlySalaries(s), 6100);
}

TEST(RaiseSalaries, ZeroToTenPerCentRoundedToEven) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        test::TestGame t(seed);
        for (int p = 0; p < 5; ++p) t.state.Players[p] = {.FamilyName = 1, .Salary = 450};
        Rng replay = t.rng;
        RaiseSalaries(t.game);
        for (int p = 0; p < 5; ++p) {
            const int r = RandomRange(replay, 10, 0);
            // 450 x 1.01 = 454.5 goes to 454, 450 x 1.03 = 463.5 to 464.
            const int expected = RoundEven(450 * (100 + r) / 100.0);
            EXPECT_EQ(t.state.Players[p].Salary, expected);
        }
    }
}

}  // namespace
}  // namespace tk
