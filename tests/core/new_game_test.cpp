// A new game's squad, coaches, grounds, money, date and yearly tournaments; the event names.
#include <gtest/gtest.h>

#include "core/rules/events.h"
#include "core/rules/lookups.h"
#include "core/rules/new_game.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

TEST(NewGame, StartingValues) {
    test::TestGame t(2024);
    StartNewGame(t.game, "テニス部", "山田");
    const GameState &s = t.state;
    EXPECT_EQ(s.TeamName, "テニス部");
    EXPECT_EQ(s.ManagerName, "山田");
    EXPECT_EQ(s.WeekCount, 13);
    EXPECT_EQ(DateText(s.WeekCount), "1年目4月1週");
    EXPECT_EQ(s.Money, 3000);
    // The balances start from the starting funds: nothing earned or spent yet.
    EXPECT_EQ(s.LastYear.MoneyAtYearEnd, 3000);
    EXPECT_EQ(s.LastYear.MoneyAtMonthEnd, 3000);
    EXPECT_EQ(s.TeamLevel, 1);
    EXPECT_EQ(s.TeamCourtsDay, 1);
    EXPECT_EQ(s.TeamCourtsNight, 1);
    EXPECT_EQ(s.TeamCourtsRain, 1);
    EXPECT_EQ(t.settings.SpareWord, 50);
    EXPECT_EQ(s.ViewFlags[0], 1);
    EXPECT_EQ(s.ViewFlags[1], 1);
    EXPECT_EQ(PlayerCount(s), 6);
    for (int i = 0; i < 6; ++i) {
        const PlayerRecord &p = s.Players[i];
        EXPECT_GE(p.FamilyName, 1);
        EXPECT_LE(p.FamilyName, 49);
        EXPECT_GE(p.FirstName, 1);
        EXPECT_LE(p.FirstName, 65);
        EXPECT_GE(AgeOf(s, i), 26);
        EXPECT_LE(AgeOf(s, i), 34);
        EXPECT_GE(p.Salary, 300);
        EXPECT_LE(p.Salary, 500);
        EXPECT_EQ(p.Condition, 250);
        EXPECT_EQ(p.Growth, 2);
        for (int k = 0; k < 6; ++k) {
            EXPECT_GE(p.Skill[k], 50);
            EXPECT_LE(p.Skill[k], 150);
        }
        EXPECT_EQ(p.Style, p.Skill[4] < p.Skill[5] ? 1 : 0);
        EXPECT_EQ(p.Order, i < 5 ? i + 1 : 0);
        EXPECT_EQ(p.SpareLevels, (std::array<std::uint8_t, 2>{}));
    }
    for (int i = 6; i <= 20; ++i) EXPECT_FALSE(s.Players[i].Occupied());
    EXPECT_EQ(s.Coaches[0], CoachRecord{});
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(s.Coaches[n].Ability, 25 * n);
        EXPECT_EQ(s.Coaches[n].Salary, CoachSalary(n));
        EXPECT_EQ(s.Coaches[n].Hired, 0);
        EXPECT_EQ(s.Coaches[n].SpareCoach, (std::array<std::uint8_t, 21>{}));
    }
    EXPECT_EQ(s.Coaches[10].Salary, 100000);
    EXPECT_EQ(s.Facilities[0].Kind, kOffice);
    EXPECT_EQ(s.Facilities[1].Kind, kOutdoorCourt);
    for (int lot = 2; lot < 9; ++lot) EXPECT_EQ(s.Facilities[lot].Kind, kLandForSale);
    for (int lot = 0; lot < 9; ++lot) EXPECT_EQ(s.Facilities[lot].Durability, 1000);
    EXPECT_EQ(s.Facilities[9], FacilityRecord{});
    EXPECT_EQ(s.Reserved0, (std::array<std::uint8_t, 4>{}));
    EXPECT_EQ(s.Reserved2, (std::array<std::uint8_t, 34>{}));
}

TEST(NewGame, SixPlayersAreNotSixCopies) {
    test::TestGame t(1);
    StartNewGame(t.game, "A", "B");
    int same = 0;
    for (int i = 1; i < 6; ++i) same += t.state.Players[i] == t.state.Players[0];
    EXPECT_EQ(same, 0);
}

TEST(NewGame, YearlyTournamentsFromYearTwo) {
    test::TestGame t;
    StartNewGame(t.game, "A", "B");
    const GameState &s = t.state;
    EXPECT_EQ(s.MatchKind(9), 0);  // year 1's spring tournament has passed
    EXPECT_EQ(s.MatchKind(36), 15);
    for (int y = 2; y <= 100; ++y) {
        EXPECT_EQ(s.MatchKind(WeekNumber(y, 9)), 10) << y;
        EXPECT_EQ(s.MatchKind(WeekNumber(y, 36)), 15) << y;
    }
    int booked = 0;
    for (int w = 0; w <= kLastWeek; ++w) booked += s.MatchKind(w) != 0;
    EXPECT_EQ(booked, 99 + 100);
}

TEST(Events, EnterGameOnceThisYearOrNext) {
    GameState s;
    s.WeekCount = WeekNumber(3, 25);
    EnterGame(s, 26, false, 30);
    EXPECT_EQ(s.MatchKind(WeekNumber(3, 26)), 30);
    s.MatchKind(WeekNumber(3, 26)) = 0;
    s.WeekCount = WeekNumber(3, 26);
    EnterGame(s, 26, false, 30);
    EXPECT_EQ(s.MatchKind(WeekNumber(3, 26)), 0);
    EXPECT_EQ(s.MatchKind(WeekNumber(4, 26)), 30);
    EXPECT_EQ(s.MatchKind(WeekNumber(5, 26)), 0);
    // Near the end of the calendar nothing is written past week 4800.
    s.WeekCount = WeekNumber(100, 40);
    EnterGame(s, 20, true, 20);
    EXPECT_EQ(s.MatchKind(WeekNumber(100, 20)), 0);
}

TEST(Events, Names) {
    GameState s;
    s.WeekCount = 13;
    EXPECT_EQ(GyoziName(s, WeekNumber(5, 12)), "契約更新日");
    EXPECT_EQ(GyoziName(s, WeekNumber(5, 1)), "なし");
    EXPECT_EQ(GyoziName(s, WeekNumber(1, 15)), "合宿地決定");
    EXPECT_EQ(GyoziName(s, WeekNumber(1, 17)), "なし");
    EXPECT_EQ(GyoziName(s, WeekNumber(1, 19)), "合宿最終日");
    EXPECT_EQ(GyoziName(s, WeekNumber(1, 21)), "なし");
    s.CampSessions = 2;
    s.Candidates[0].FamilyName = 3;
    EXPECT_EQ(GyoziName(s, WeekNumber(1, 33)), "合宿");
    EXPECT_EQ(GyoziName(s, WeekNumber(1, 21)), "スカウト結果発表");
}

TEST(NewGame, IntroductionText) {
    const std::string text = IntroductionText();
    EXPECT_EQ(text.rfind("\r\r\rあなたはテニスチームの監督です。\r", 0), 0u);
    EXPECT_EQ(text.substr(text.size() - std::string("4月にあります。").size()), "4月にあります。");
}

}  // namespace
}  // namespace tk
