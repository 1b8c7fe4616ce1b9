// The practice match's chance of winning: from the regulars' strength, the same figure
// every time, and the club it was estimated on left as it was.
#include <gtest/gtest.h>

#include "core/rules/win_chance.h"
#include "tests/core/match_test_support.h"

namespace tk {
namespace {

struct ChanceCase {
    int strength;  // every skill of the five regulars
    int level;
    int low;  // the estimate lies in [low, high] per cent
    int high;
};

const ChanceCase kChanceCases[] = {
    {250, 1, 100, 100}, {250, 5, 97, 100}, {0, 1, 0, 0},     {0, 6, 0, 0},    {85, 1, 30, 55},
    {120, 2, 65, 85},   {120, 3, 30, 50},  {180, 5, 40, 65}, {230, 6, 8, 30},
};

TEST(WinChance, FollowsTheRegularsAgainstTheLevel) {
    for (const ChanceCase &c : kChanceCases) {
        SCOPED_TRACE(testing::Message() << c.strength << " vs Lv." << c.level);
        GameState s;
        test::SetSquad(s, {c.strength, c.strength, c.strength, c.strength, c.strength});
        s.WeekCount = 100;
        const int percent = PracticeWinPercent(s, c.level, kWinChanceSeed);
        EXPECT_GE(percent, c.low);
        EXPECT_LE(percent, c.high);
    }
}

TEST(WinChance, SameFigureEveryTimeAndTheClubUntouched) {
    GameState s;
    test::SetSquad(s, {140, 120, 110, 100, 90});
    s.WeekCount = 4800;  // the last week: the copy still has a week to book
    s.MatchKind(4800) = 3;
    const GameState before = s;
    const std::array<int, 6> first = PracticeWinPercents(s);
    EXPECT_EQ(PracticeWinPercents(s), first);
    EXPECT_TRUE(s == before);
    // A stronger level is never easier by more than the noise of the estimate.
    for (std::size_t k = 1; k < first.size(); ++k) EXPECT_LE(first[k], first[k - 1] + 5);
    EXPECT_EQ(first[0], PracticeWinPercent(s, 1, kWinChanceSeed + 1));
}

}  // namespace
}  // namespace tk
