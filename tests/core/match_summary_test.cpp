// "結果へ": the rest of a match told in one summary, in the game's words and order.
#include <gtest/gtest.h>

#include "core/rules/match_engine.h"
#include "core/rules/match_summary.h"
#include "tests/core/match_test_support.h"

namespace tk {
namespace {

TEST(MatchSummary, OneLinePerNoticeUnderTheBoutsAndScore) {
    EXPECT_EQ(MatchSummaryText(3, 1, {"3人目\r勝利しました！！", "4人目\r勝利しました！！"},
                               {"練習試合\rLv.2\r勝利！", "賞金100万円ゲット！"}),
              "3人目　勝利しました！！\r4人目　勝利しました！！\r（3勝1敗）\r"
              "練習試合　Lv.2　勝利！\r賞金100万円ゲット！");
    EXPECT_EQ(MatchSummaryText(-1, -1, {}, {"賞金"}), "賞金");
}

TEST(MatchSummary, RestOfAMatchIsOneNoticeThenTheQuestion) {
    // The 関東選抜 final lost: the result, then the every-year offer, asked after the summary.
    test::TestGame t(6);
    test::SetWeakSquad(t.state);
    test::BookWeek(t.state, 48 + 23, 24);
    Match match(t.game);
    EXPECT_EQ(PlayRestOfMatch(t.game, match), AfterClose::kNothing);
    ASSERT_EQ(t.ui.messages.size(), 2u);
    EXPECT_EQ(t.ui.messages[0].title, kMatchSummaryTitle);
    EXPECT_NE(t.ui.messages[0].text.find("（0勝3敗）"), std::string::npos);
    EXPECT_NE(t.ui.messages[0].text.find("関東選抜"), std::string::npos);
    EXPECT_TRUE(t.ui.messages[1].question);
}

}  // namespace
}  // namespace tk
