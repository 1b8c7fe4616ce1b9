// Money text, grades, dates, names of competitions, rounds and results, counts.
#include <gtest/gtest.h>

#include "core/rules/lookups.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

TEST(MoneyText, Units) {
    const struct {
        std::int64_t amount;
        const char *text;
    } cases[] = {
        {0, "0万円"},
        {3000, "3000万円"},
        {9999, "9999万円"},
        {10000, "1億0000万円"},
        {12345, "1億2345万円"},
        {99999999, "9999億9999万円"},
        {100000000, "1兆0000億円"},
        {123456789, "1兆2345億円"},
        {999999999, "9兆9999億円"},
        {1000000000, "9兆9999億円"},
        {-1, "-1万円"},
        {-500, "-500万円"},
        {-12345, "-1億2345万円"},
        {-1000000000, "-9兆9999億円"},
        {-2147483648LL, "-9兆9999億円"},
    };
    for (const auto &c : cases) EXPECT_EQ(MoneyText(c.amount), c.text) << c.amount;
}

TEST(MoneyText, ShowingTheFundsCapsThemKeepingTheSign) {
    GameState s;
    s.Money = 1500000000;
    EXPECT_EQ(ShowFunds(s), "9兆9999億円");
    EXPECT_EQ(s.Money, 999999999);
    s.Money = -1500000000;
    EXPECT_EQ(ShowFunds(s), "-9兆9999億円");
    EXPECT_EQ(s.Money, -999999999);
    s.Money = 3000;
    EXPECT_EQ(ShowFunds(s), "3000万円");
    EXPECT_EQ(s.Money, 3000);
}

TEST(Money, StopsAtTheLimitsInsteadOfWrapping) {
    GameState s;
    s.Money = 2147483000;
    AddMoney(s, 1000000);
    EXPECT_EQ(s.Money, 2147483647);
    s.Money = -2147483000;
    SubtractMoney(s, 1000000);
    EXPECT_EQ(s.Money, -2147483647 - 1);
    s.Money = 10;
    SubtractMoney(s, 25);
    EXPECT_EQ(s.Money, -15);
}

TEST(Grades, LettersAndColours) {
    const struct {
        int v;
        const char *letter;
        std::uint32_t colour;
    } cases[] = {{250, "S", 0xFF00FF}, {249, "A", 0x00FFFF}, {221, "A", 0x00FFFF},
                 {220, "B", 0xFF0000}, {181, "B", 0xFF0000}, {180, "C", 0xFF8000},
                 {136, "C", 0xFF8000}, {135, "D", 0x00C000}, {106, "D", 0x00C000},
                 {105, "E", 0x000080}, {71, "E", 0x000080},  {70, "F", 0x808080},
                 {0, "F", 0x808080}};
    for (const auto &c : cases) {
        EXPECT_EQ(GradeLetter(c.v), c.letter) << c.v;
        EXPECT_EQ(GradeColour("スタミナ " + GradeLetter(c.v)), c.colour) << c.v;
    }
    EXPECT_EQ(GradeColour("X"), 0x000000u);
    EXPECT_EQ(GradeColour(""), 0x000000u);
    EXPECT_EQ(StyleText(1), "前衛");
    EXPECT_EQ(StyleText(0), "後衛");
    EXPECT_EQ(StyleText(2), "後衛");
}

TEST(Dates, WeekNumbersToYearMonthWeek) {
    const struct {
        int w, year, month, week;
    } cases[] = {{1, 1, 1, 1},  {4, 1, 1, 4},  {5, 1, 2, 1},      {13, 1, 4, 1},
                 {16, 1, 4, 4}, {17, 1, 5, 1}, {48, 1, 12, 4},    {49, 2, 1, 1},
                 {60, 2, 3, 4}, {61, 2, 4, 1}, {4800, 100, 12, 4}};
    for (const auto &c : cases) {
        EXPECT_EQ(YearOf(c.w), c.year) << c.w;
        EXPECT_EQ(MonthOf(c.w), c.month) << c.w;
        EXPECT_EQ(WeekOfMonth(c.w), c.week) << c.w;
    }
    EXPECT_EQ(DateText(13), "1年目4月1週");
    EXPECT_EQ(WeekOfYear(57), 9);
}

TEST(Names, TimesWeatherCompetitions) {
    EXPECT_EQ(TimeOfDayText(0), "午前");
    EXPECT_EQ(TimeOfDayText(3), "午後");
    EXPECT_EQ(TimeOfDayText(5), " 夜  ");
    EXPECT_EQ(TimeOfDayText(6), "夜中");
    EXPECT_EQ(TimeOfDayText(7), "");
    EXPECT_EQ(WeatherText(3), "晴れ");
    EXPECT_EQ(WeatherText(2), "雨天");
    EXPECT_EQ(WeatherText(4), "");
    const struct {
        int code;
        const char *competition, *round, *result;
    } cases[] = {
        {0, "練習試合", "Lv.0", ""},
        {3, "練習試合", "Lv.3", ""},
        {6, "練習試合", "Lv.Max", ""},
        {7, "", "Lv.7", ""},
        {10, "春季大会", "一回戦", "一回戦敗退"},
        {12, "春季大会", "準決勝", "ベスト4"},
        {13, "春季大会", "決勝戦", "準優勝"},
        {14, "春季大会", "準決勝", "優勝"},
        {15, "秋季大会", "一回戦", "一回戦敗退"},
        {18, "秋季大会", "決勝戦", "準優勝"},
        {19, "秋季大会", "準決勝", "優勝"},
        {22, "関東選抜", "三回戦", "三回戦敗退"},
        {24, "関東選抜", "決勝戦", "準優勝"},
        {25, "関東選抜", "決勝戦", "優勝"},
        {26, "", "", "優勝"},
        {33, "日本選手権", "準決勝", "ベスト4"},
        {43, "ワールドテニス", "準々決勝", "ベスト8"},
        {45, "ワールドテニス", "決勝戦", "準優勝"},
        {46, "ワールドテニス", "", "優勝"},
        {47, "", "", ""},
        {99, "", "", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(CompetitionName(c.code), c.competition) << c.code;
        EXPECT_EQ(RoundName(c.code), c.round) << c.code;
        EXPECT_EQ(ResultText(c.code), c.result) << c.code;
    }
}

TEST(Counts, PlayersRegularsRoomsCoaches) {
    GameState s;
    s.Players[0].FamilyName = 1;
    s.Players[5].FamilyName = 2;
    s.Players[20].FamilyName = 3;  // slot 20 is never part of the squad
    s.Players[7].Salary = 999;     // not occupied without a family name
    EXPECT_EQ(PlayerCount(s), 2);

    s.Players[2].Order = 3;
    s.Players[9].Order = 3;
    EXPECT_EQ(PlayerWithOrder(s, 3), 9);
    EXPECT_EQ(PlayerWithOrder(s, 4), 20);

    EXPECT_FALSE(HasTrainingRoom(s));
    s.Facilities[9].Kind = kTrainingRoom;  // lot 9 is not part of the grounds
    EXPECT_FALSE(HasTrainingRoom(s));
    s.Facilities[8].Kind = kTrainingRoom;
    EXPECT_TRUE(HasTrainingRoom(s));

    EXPECT_FALSE(HasIndividualCoach(s));
    EXPECT_EQ(CoachOfRole(s, kCoachIndividual), 0);
    s.Coaches[4].Hired = kCoachIndividual;
    EXPECT_TRUE(HasIndividualCoach(s));
    EXPECT_EQ(CoachOfRole(s, kCoachIndividual), 4);

    const std::int32_t budgets[] = {0, 2000, 5000, 8000, 15000, 30000, 0};
    for (int level = 0; level <= 6; ++level) {
        s.TeamLevel = static_cast<std::uint8_t>(level);
        EXPECT_EQ(TeamBudget(s), budgets[level]);
    }
    const std::int32_t salaries[] = {0,    450,   800,   1000,  3000,   5000,
                                     8000, 10000, 15000, 30000, 100000, 0};
    for (int n = 0; n <= 11; ++n) EXPECT_EQ(CoachSalary(n), salaries[n]) << n;
}

}  // namespace
}  // namespace tk
