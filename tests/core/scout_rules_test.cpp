// Scout requests: prices, the ranges of the drawn candidates, and the request's life until June.
#include <gtest/gtest.h>

#include "core/rules/events.h"
#include "core/rules/lookups.h"
#include "core/rules/scout_rules.h"
#include "core/state/record_codec.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

TEST(ScoutPrice, FollowsBandAndRank) {
    ScoutRequest r;
    EXPECT_EQ(ScoutPriceText(r), "600万円");
    r = {1, 2};
    EXPECT_EQ(ScoutPriceText(r), "4000万円");
    r = {3, 3};
    EXPECT_EQ(ScoutPrice(r), 50500);
}

TEST(ScoutPrice, StrongestRankNeedsLevelFive) {
    GameState s;
    s.TeamLevel = 4;
    EXPECT_FALSE(IsScoutRankAvailable(s, kStrongestRank));
    EXPECT_FALSE(CanPlaceScoutRequest(s, {0, kStrongestRank}));
    EXPECT_TRUE(IsScoutRankAvailable(s, 2));
    s.TeamLevel = 5;
    EXPECT_TRUE(CanPlaceScoutRequest(s, {0, kStrongestRank}));
    EXPECT_FALSE(CanPlaceScoutRequest(s, {4, 0}));
    EXPECT_FALSE(CanPlaceScoutRequest(s, {0, -1}));
}

TEST(ScoutRequest, CandidatesFallInTheirBandAndRank) {
    for (int band = 0; band < kScoutAgeBands; ++band) {
        for (int rank = 0; rank < kScoutRanks; ++rank) {
            SCOPED_TRACE(testing::Message() << "band " << band << " rank " << rank);
            test::TestGame g(1000 + band * 10 + rank);
            GameState &s = g.state;
            s.WeekCount = 13 + 48 * 2;
            s.TeamLevel = 5;
            s.Money = 100000;
            g.ui.defaultAnswer = true;
            const ScoutRequest r{band, rank};
            ASSERT_TRUE(PlaceScoutRequest(g.game, r));
            EXPECT_EQ(s.Money, 100000 - ScoutPrice(r));
            const ScoutAgeBand &a = AgeBandOf(band);
            const ScoutRank &k = RankOf(rank);
            for (const PlayerRecord &c : s.Candidates) {
                const int age = YearOf(s.WeekCount) - c.BirthYear;
                EXPECT_GE(age, a.low);
                EXPECT_LE(age, a.high);
                EXPECT_GE(c.FamilyName, 1);
                EXPECT_LE(c.FamilyName, 50);
                EXPECT_GE(c.FirstName, 1);
                EXPECT_LE(c.FirstName, 66);
                EXPECT_EQ(c.Condition, 250);
                EXPECT_LE(c.Growth, 4);
                int sum = 0;
                for (int skill : c.Skill) {
                    EXPECT_GE(skill, k.skillLow);
                    EXPECT_LE(skill, k.skillHigh);
                    sum += skill;
                }
                EXPECT_EQ(c.Style, c.Skill[5] > c.Skill[4] ? 1 : 0);
                EXPECT_GE(c.Salary, 200);
                // The salary is the skills' worth plus the drawn term, or a small one.
                const double base = sum + sum / 20.0 * (30 - age) - 500;
                const bool fromTerm =
                    c.Salary >= base + k.salaryLow - 0.5 && c.Salary <= base + k.salaryHigh + 0.5;
                EXPECT_TRUE(fromTerm || c.Salary <= 250);
                EXPECT_EQ(c.SignMark, 0);
                EXPECT_EQ(c.PracticeSlot, 0);
            }
        }
    }
}

TEST(ScoutRequest, SameSeedSameCandidates) {
    test::TestGame a(77), b(77);
    a.ui.defaultAnswer = b.ui.defaultAnswer = true;
    a.state.WeekCount = b.state.WeekCount = 13;
    ASSERT_TRUE(PlaceScoutRequest(a.game, {2, 1}));
    ASSERT_TRUE(PlaceScoutRequest(b.game, {2, 1}));
    EXPECT_TRUE(a.state.Candidates == b.state.Candidates);
}

TEST(ScoutRequest, NoMeansNothingDrawnOrPaid) {
    test::TestGame g;
    g.state.Money = 3000;
    const GameState before = g.state;
    g.ui.defaultAnswer = false;
    EXPECT_FALSE(PlaceScoutRequest(g.game, {}));
    EXPECT_EQ(g.ui.messages.back().text, "スカウトに依頼しますか？\r費用は600万円です。");
    EXPECT_EQ(g.ui.messages.back().title, "依頼内容の確認");
    EXPECT_EQ(g.ui.messages.back().fontSize, 13);
    EXPECT_TRUE(g.state == before);
    EXPECT_FALSE(ScoutRequestOpen(g.state));
}

TEST(ScoutRequest, OneOpenRequestAtATimeUntilTheJuneAnnouncement) {
    test::TestGame g;
    GameState &s = g.state;
    s.WeekCount = 14;  // April of year 1
    s.TeamName = "T";
    g.ui.defaultAnswer = true;
    EXPECT_TRUE(ScoutRequestAllowed(g.game));
    ASSERT_TRUE(PlaceScoutRequest(g.game, {}));
    EXPECT_TRUE(ScoutRequestOpen(s));

    EXPECT_FALSE(ScoutRequestAllowed(g.game));
    EXPECT_EQ(g.ui.messages.back().text, "すでにスカウトに依頼を\r出しています。");
    EXPECT_EQ(g.ui.messages.back().title, "結果が出るのは6月です。");
    EXPECT_FALSE(PlaceScoutRequest(g.game, {}));

    // The request is kept in the record itself: it survives a save and a load.
    auto bytes = EncodeGameState(s);
    ASSERT_TRUE(bytes.Ok());
    auto loaded = DecodeGameState(bytes.Value());
    ASSERT_TRUE(loaded.Ok());
    test::TestGame later;
    later.state = loaded.Value();
    EXPECT_TRUE(later.state.Candidates == s.Candidates);
    EXPECT_TRUE(ScoutRequestOpen(later.state));

    later.state.WeekCount = 20;
    GyoziAct(later.game);
    EXPECT_EQ(later.ui.scoutScreens, 0);
    later.state.WeekCount = 21;
    EXPECT_EQ(GyoziName(later.state, 21), "スカウト結果発表");
    GyoziAct(later.game);
    EXPECT_EQ(later.ui.scoutScreens, 1);
}

}  // namespace
}  // namespace tk
