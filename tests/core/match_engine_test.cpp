// The match engine: opponents, bout arithmetic, results, and the step path against the
// one-call path.
#include <gtest/gtest.h>

#include "core/rules/lookups.h"
#include "core/rules/match_engine.h"
#include "tests/core/match_test_support.h"

namespace tk {
namespace {

struct RangeCase {
    int kind;
    int low;
    int high;
};

// Every playable code with its opponents' range; the markers and titles field nobody.
const RangeCase kRangeCases[] = {
    {1, 60, 110},   {2, 75, 140},   {3, 80, 160},   {4, 100, 190},  {5, 120, 230},  {6, 230, 250},
    {10, 65, 120},  {11, 75, 130},  {12, 100, 140}, {13, 110, 145}, {15, 65, 120},  {16, 75, 130},
    {17, 100, 140}, {18, 110, 145}, {20, 100, 130}, {21, 110, 140}, {22, 120, 160}, {23, 140, 185},
    {24, 140, 225}, {30, 130, 175}, {31, 130, 190}, {32, 140, 225}, {33, 140, 230}, {34, 140, 250},
    {40, 50, 225},  {41, 110, 225}, {42, 140, 230}, {43, 120, 250}, {44, 150, 250}, {45, 220, 250},
    {0, 0, 0},      {7, 0, 0},      {14, 0, 0},     {25, 0, 0},     {46, 0, 0},     {99, 0, 0},
};

TEST(MatchEngine, OpponentsStayWithinTheirKindsRange) {
    for (const RangeCase &c : kRangeCases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(OpponentRange(c.kind).low, c.low);
        EXPECT_EQ(OpponentRange(c.kind).high, c.high);
        int lowest = 255, highest = -1;
        for (std::uint64_t seed = 1; seed <= 40; ++seed) {
            test::TestGame t(seed);
            test::SetStrongSquad(t.state);
            test::BookWeek(t.state, 100, c.kind);
            Match m(t.game);
            for (int n = 1; n <= kBouts; ++n) {
                const PlayerRecord &them = m.TheirSide(n);
                for (int k = 1; k <= 6; ++k) {
                    lowest = std::min<int>(lowest, them.Level(k));
                    highest = std::max<int>(highest, them.Level(k));
                }
                EXPECT_EQ(them.Style, them.Level(6) > them.Level(5) ? 1 : 0);
            }
        }
        EXPECT_GE(lowest, c.low);
        EXPECT_LE(highest, c.high);
        // 1200 draws reach close to both ends of every range.
        EXPECT_LE(lowest, c.low + (c.high - c.low) / 10);
        EXPECT_GE(highest, c.high - (c.high - c.low) / 10);
    }
}

TEST(MatchEngine, WinChanceClampsAtPlusMinus143) {
    struct Case {
        int sum, chance, percent;
    };
    const Case cases[] = {{0, 5000, 50},    {1, 5035, 51},     {-1, 4965, 50},
                          {142, 9970, 100}, {143, 10000, 100}, {500, 10000, 100},
                          {-142, 30, 1},    {-143, 0, 0},      {-900, 0, 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.sum);
        EXPECT_EQ(WinChanceOf(c.sum), c.chance);
        EXPECT_EQ(WinPercent(WinChanceOf(c.sum)), c.percent);
    }
    EXPECT_EQ(PercentText(WinPercent(5000)), "50％");
}

TEST(MatchEngine, SharesSaturateAtFifty) {
    struct Case {
        int ours, theirs, share;
    };
    const Case cases[] = {{100, 100, 2500}, {101, 100, 2550}, {103, 100, 2648}, {149, 100, 4926},
                          {150, 100, 4950}, {160, 100, 4950}, {50, 100, 50},    {0, 250, 50}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.ours - c.theirs);
        EXPECT_EQ(DisplayShare(c.ours, c.theirs), c.share);
    }
}

TEST(MatchEngine, NetPlayerNeedsVolleyAboveShot) {
    PlayerRecord p;
    p.Skill = {10, 20, 30, 40, 150, 150};
    EXPECT_FALSE(PlaysAtNet(p));
    EXPECT_EQ(ComparedValue(p, 5), 150);
    p.Skill[5] = 151;
    EXPECT_TRUE(PlaysAtNet(p));
    EXPECT_EQ(ComparedValue(p, 5), 151);
    p.Skill[4] = 200;  // stored style plays no part either way
    p.Style = 1;
    EXPECT_FALSE(PlaysAtNet(p));
    EXPECT_EQ(ComparedValue(p, 1), 10);
    EXPECT_EQ(ComparedValue(p, 4), 40);
}

TEST(MatchEngine, BoutTextsAndLabels) {
    EXPECT_EQ(PointsText(0), "0Pt");
    EXPECT_EQ(PointsText(-7), "-7Pt");
    EXPECT_EQ(PointsText(12), "+12Pt");
    EXPECT_EQ(FlickerPercentText(7), "07％");
    EXPECT_EQ(FlickerPercentText(99), "99％");
    EXPECT_EQ(MatchHeading(3), "練習試合\rLv.3");
    EXPECT_EQ(CompareRowLabel(5), "ショット/ボレー");
    test::ScriptedUi ui;
    ShowBoutResult(ui, 2, true);
    ShowBoutResult(ui, 4, false);
    EXPECT_EQ(ui.messages[0].text, "2人目\r勝利しました！！");
    EXPECT_EQ(ui.messages[0].title, "やったね！");
    EXPECT_EQ(ui.messages[1].text, "4人目\r負けました…");
    EXPECT_EQ(ui.messages[1].title, "残念でした…");
    EXPECT_EQ(ui.messages[1].fontSize, 14);
}

// Regular strengths (250 certain win, 0 certain loss against Lv.1) and what they store.
struct ResultCase {
    std::initializer_list<int> squad;
    int wins, losses, result, bouts;
};

TEST(MatchEngine, ResultsFromSevenDownToOne) {
    const ResultCase cases[] = {
        {{250, 250, 250, 0, 0}, 3, 0, 7, 3}, {{0, 250, 250, 250, 0}, 3, 1, 6, 4},
        {{0, 0, 250, 250, 250}, 3, 2, 5, 5}, {{250, 250, 0, 0, 0}, 2, 3, 3, 5},
        {{250, 0, 0, 0, 250}, 1, 3, 2, 4},   {{0, 0, 0, 250, 250}, 0, 3, 1, 3},
    };
    for (const ResultCase &c : cases) {
        SCOPED_TRACE(c.result);
        test::TestGame t(7);
        test::SetSquad(t.state, c.squad);
        test::BookWeek(t.state, 100, 1);
        const MatchOutcome out = PlayWholeMatch(t.game);
        EXPECT_EQ(out.wins, c.wins);
        EXPECT_EQ(out.losses, c.losses);
        EXPECT_EQ(t.state.MatchResult(100), c.result);
        EXPECT_EQ(static_cast<int>(t.ui.messages.size()), c.bouts);
        const bool won = c.wins == 3;
        EXPECT_EQ(t.state.Category[0].Wins, won ? 1 : 0);
        EXPECT_EQ(t.state.Category[0].Losses, won ? 0 : 1);
        EXPECT_EQ(t.state.Category[5].Wins, won ? 1 : 0);
        EXPECT_EQ(t.state.Category[5].Losses, won ? 0 : 1);
    }
}

TEST(MatchEngine, CertainAndHopelessBouts) {
    test::TestGame t(3);
    test::SetSquad(t.state, {250, 0, 250, 250, 250});
    test::BookWeek(t.state, 100, 1);
    Match m(t.game);
    for (int row = 1; row <= 5; ++row) m.CompareSkill(row);
    EXPECT_GE(m.RatingSum(), 143);
    EXPECT_EQ(m.ComputeWinChance(), 10000);
    EXPECT_TRUE(m.DrawBout());
    EXPECT_FALSE(m.BoutWon());
    EXPECT_EQ(m.BoutNumber(), 2);
    EXPECT_EQ(m.RatingSum(), 0);
    for (int row = 1; row <= 5; ++row) EXPECT_LT(m.CompareSkill(row), 0);
    EXPECT_EQ(m.ComputeWinChance(), 0);
}

TEST(MatchEngine, RowsCountOnceAndInOrder) {
    test::TestGame t;
    test::SetSquad(t.state, {150, 150, 150, 150, 150});
    test::BookWeek(t.state, 100, 3);
    Match m(t.game);
    const int d1 = m.CompareSkill(1);
    EXPECT_EQ(m.CompareSkill(1), d1);
    EXPECT_EQ(m.RatingSum(), d1);
    m.CompareSkill(3);  // out of turn: shown, not counted
    EXPECT_EQ(m.RowsCompared(), 1);
    EXPECT_EQ(m.RatingSum(), d1);
}

TEST(MatchEngine, MatchChangesNothingInTheSquad) {
    test::TestGame t(99);
    test::SetSquad(t.state, {150, 160, 170, 180, 190});
    t.state.Players[0].Condition = 80;
    t.state.Players[0].Skill[5] = 200;  // at the net for the match only
    t.state.Players[0].Experience[3] = 7;
    test::BookWeek(t.state, 100, 4);
    const auto before = t.state.Players;
    PlayWholeMatch(t.game);
    EXPECT_EQ(t.state.Players, before);
}

TEST(MatchEngine, MissingRegularPlaysWithEveryskillZero) {
    test::TestGame t(5);
    test::SetStrongSquad(t.state);
    t.state.Players[2].Order = 0;
    test::BookWeek(t.state, 100, 1);
    Match m(t.game);
    EXPECT_EQ(m.OurSlot(3), kSquadSlots);
    EXPECT_EQ(m.OurSide(3).Level(1), 0);
    EXPECT_EQ(PersonName(m.OurSide(3)), " ");
}

// The match screen steps through the same operations with pauses between them; it must
// meet the same opponents and draw the same bouts as the one-call path.
TEST(MatchEngine, StepByStepEqualsWholeMatch) {
    for (std::uint64_t seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        SCOPED_TRACE(seed);
        test::TestGame a(seed), b(seed);
        for (test::TestGame *t : {&a, &b}) {
            test::SetSquad(t->state, {120, 140, 160, 180, 200});
            test::BookWeek(t->state, 100, 33);
        }
        const MatchOutcome whole = PlayWholeMatch(a.game);

        Match m(b.game);
        EXPECT_EQ(m.Heading(), "日本選手権\r準決勝");
        bool over = false;
        while (!over) {
            const int n = m.BoutNumber();
            for (int row = 1; row <= 5; ++row) m.CompareSkill(row);
            m.ComputeWinChance();
            const bool won = m.DrawBout();
            ShowBoutResult(b.ui, n, won);
            over = won ? m.BoutWon() : m.BoutLost();
        }
        EXPECT_EQ(m.Won(), whole.won);
        EXPECT_EQ(m.TeamWins(), whole.wins);
        EXPECT_EQ(m.TeamLosses(), whole.losses);
        EXPECT_EQ(a.state, b.state);
        EXPECT_EQ(a.ui.Texts(), b.ui.Texts());
        EXPECT_EQ(a.rng.Uniform(), b.rng.Uniform());
    }
}

}  // namespace
}  // namespace tk
