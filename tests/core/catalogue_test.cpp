// Name pools, lot texts by time of day and weather, upkeep, building weeks, skill growth.
#include <gtest/gtest.h>

#include "core/rules/catalogue.h"
#include "core/rules/lookups.h"
#include "core/rules/sponsors.h"

namespace tk {
namespace {

TEST(NamePools, LookupsAndEdges) {
    EXPECT_EQ(FamNames(0), "");
    EXPECT_EQ(FirNames(0), "");
    EXPECT_EQ(FamNames(51), "");
    EXPECT_EQ(FirNames(67), "");
    EXPECT_EQ(FamNames(24), "山下");
    EXPECT_EQ(FamNames(25), "山下");
    EXPECT_EQ(FamNames(50), "田中");
    EXPECT_EQ(FamNames(45), " 森 ");
    EXPECT_EQ(FirNames(34), FirNames(20));
    EXPECT_EQ(FirNames(66), "良介");
    PlayerRecord p;
    p.FamilyName = 1;
    p.FirstName = 9;
    EXPECT_EQ(PersonName(p), "田中  透 ");
}

TEST(Lots, DisplayKindByTimeAndWeather) {
    // {kind, time of day, weather, display kind}
    const int cases[][4] = {
        {0, 0, 0, 0}, {1, 3, 0, 1}, {0, 4, 0, 2},  {1, 5, 1, 3},  {0, 6, 0, 9}, {1, 6, 3, 10},
        {1, 7, 0, 0}, {0, 0, 2, 9}, {1, 4, 2, 10}, {1, 7, 2, 10}, {4, 4, 2, 4}, {4, 6, 0, 4},
        {5, 0, 2, 5}, {6, 6, 2, 6}, {7, 0, 0, 7},  {8, 5, 2, 8},
    };
    for (const auto &c : cases) EXPECT_EQ(DisplayKind(c[0], c[1], c[2]), c[3]);
}

TEST(Lots, TextsOfAnUnlitAndALitCourtAtNight) {
    GameState s;
    s.TimeOfDay = 4;
    EXPECT_EQ(CNames(s, kOutdoorCourt), "屋外コート");
    EXPECT_EQ(CCan(s, kOutdoorCourt), "使用不可");
    EXPECT_EQ(Comments(s, kOutdoorCourt),
              "屋外のコートです。雨の日は使えません。今は夜なので暗くて使えません");
    EXPECT_EQ(CCan(s, kLitCourt), "使用可");
    s.TimeOfDay = 0;
    EXPECT_EQ(Comments(s, kLitCourt), "屋外のコートです。雨の日は使えません。\r照明付き");
    s.Weather = 2;
    EXPECT_EQ(Comments(s, kLitCourt), "現在雨が降っているのでこのコートは使えません\r照明付き");
    EXPECT_EQ(CCan(s, kIndoorCourt), "使用可");
    EXPECT_EQ(NameOfDisplayKind(11), "");
    EXPECT_EQ(UsabilityOfDisplayKind(-1), "");
    EXPECT_EQ(CommentOfDisplayKind(11), "");
}

TEST(Lots, UpkeepAndBuildingWeeks) {
    const int cases[][3] = {{0, 3, 1},  {1, 8, 3}, {4, 12, 4}, {5, 20, 0},
                            {6, 15, 5}, {7, 0, 0}, {8, 0, 0},  {2, 0, 0}};
    for (const auto &c : cases) {
        EXPECT_EQ(CIzi(c[0]), c[1]) << c[0];
        EXPECT_EQ(CKenDay(c[0]), c[2]) << c[0];
    }
}

TEST(SkillGrowth, ThresholdsLevelsAndTheVolleyRule) {
    PlayerRecord p;
    p.FamilyName = 1;
    p.Growth = 4;
    p.Skill[4] = 99;  // shot
    p.Skill[5] = 99;  // volley
    // A 20-year-old at level 99 with growth 4 needs 12 points a level.
    SkillUp(p, 20, 5, 11);
    EXPECT_EQ(p.Skill[4], 99);
    EXPECT_EQ(p.Experience[5], 11);
    SkillUp(p, 20, 5, 1);
    EXPECT_EQ(p.Skill[4], 100);
    EXPECT_EQ(p.Experience[5], 0);
    // Several levels in one call; the threshold is taken once, before the loop.
    SkillUp(p, 20, 5, 60);  // level 100: threshold 14 -> 4 levels, 4 left
    EXPECT_EQ(p.Skill[4], 104);
    EXPECT_EQ(p.Experience[5], 4);

    p.Style = 1;  // a net player's shot practice goes to the volley
    SkillUp(p, 20, 5, 12);
    EXPECT_EQ(p.Skill[4], 104);
    EXPECT_EQ(p.Skill[5], 100);

    PlayerRecord top;
    top.Skill[0] = 250;
    top.Growth = 2;
    SkillUp(top, 30, 1, 200);  // threshold 2 * (3 + 2 + 8 - 2) = 22
    EXPECT_EQ(top.Skill[0], 250);
    EXPECT_EQ(top.Experience[1], 21);

    PlayerRecord idle;
    idle.Experience[2] = 5;
    SkillUp(idle, 25, 2, 0);
    EXPECT_EQ(idle.Experience[2], 5);
    EXPECT_EQ(idle.Skill[1], 0);
}

TEST(SkillGrowth, AGrowthByteBeyondTheTableCannotHangTheLoop) {
    PlayerRecord p;
    p.Growth = 200;
    SkillUp(p, 20, 1, 10);
    EXPECT_GT(p.Skill[0], 0);
}

TEST(Sponsors, Table) {
    EXPECT_EQ(SSalaly(7), 100000);
    EXPECT_EQ(SPenalty(7), 100000);
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(SPenalty(n), 0);
        EXPECT_EQ(SZyoushu(n), "なし");
    }
    EXPECT_EQ(SZyoushu(0), "");
    EXPECT_EQ(SName(0), "");
    EXPECT_EQ(SName(8), "");
    EXPECT_EQ(SSalaly(8), 0);
    EXPECT_EQ(SName(2), "有限会社 サクラダ");
    EXPECT_EQ(SJoken(1), "地区大会ベスト４");
    GameState s;
    s.SponsorState.Unlocked[1] = kTrue;
    s.SponsorState.KeptThisYear[4] = kTrue;
    EXPECT_TRUE(SSelectAble(s, 1));
    EXPECT_FALSE(SSelectAble(s, 0));
    EXPECT_TRUE(SPromissCrear(s, 4));
    EXPECT_FALSE(SPromissCrear(s, 8));
}

}  // namespace
}  // namespace tk
