// The end of the week: month end, ageing, events, weather, the counter, the calendar's end.
#include <gtest/gtest.h>

#include "core/rules/events.h"
#include "core/rules/lookups.h"
#include "core/rules/new_game.h"
#include "core/rules/office_rules.h"
#include "core/rules/week_rules.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

struct AgeCase {
    int age;
    int skill;
    int after;
};

class Ageing : public ::testing::TestWithParam<AgeCase> {};

TEST_P(Ageing, DeclineIsRoundedUp) {
    const AgeCase c = GetParam();
    GameState s;
    s.WeekCount = 13;
    s.Players[0].FamilyName = 1;
    s.Players[0].BirthYear = static_cast<std::int16_t>(1 - c.age);
    s.Players[0].Skill.fill(static_cast<std::uint8_t>(c.skill));
    s.Players[0].Condition = 77;
    s.Players[0].Experience.fill(9);
    ASSERT_EQ(AgeOf(s, 0), c.age);
    AgePlayers(s);
    for (int k = 0; k < 6; ++k) EXPECT_EQ(s.Players[0].Skill[k], c.after);
    EXPECT_EQ(s.Players[0].Condition, 77);
    EXPECT_EQ(s.Players[0].Experience[1], 9);
}

INSTANTIATE_TEST_SUITE_P(Table, Ageing,
                         ::testing::Values(AgeCase{30, 200, 200}, AgeCase{31, 50, 49},
                                           AgeCase{31, 150, 146}, AgeCase{35, 100, 97},
                                           AgeCase{36, 100, 93}, AgeCase{40, 1, 1},
                                           AgeCase{41, 200, 170}, AgeCase{41, 20, 17},
                                           AgeCase{60, 250, 213}));

TEST(EndOfWeek, AprilMonthEndChargesUpkeepWithoutSettlement) {
    test::TestGame t;
    StartNewGame(t.game, "テニス部", "山田");
    t.state.WeekCount = 15;
    EndOfWeek(t.game);  // mid-month: no upkeep
    EXPECT_EQ(t.state.Money, 3000);
    t.state.Money = 10;
    EXPECT_EQ(EndOfWeek(t.game), WeekOutcome::Next);
    EXPECT_EQ(t.state.WeekCount, 17);
    // A debt is left for the year end to judge; the month end only warns that the funds will
    // not cover the year end's salaries.
    EXPECT_EQ(t.state.Money, -13);
    EXPECT_EQ(t.state.LastYear.MoneyAtMonthEnd, -13);
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text, ShortfallWarningText(YearEndShortfall(t.state)));
    EXPECT_EQ(t.ui.messages[0].title, "資金不足");
}

TEST(EndOfWeek, ShortfallIsToldOnceAtAMonthEndButNotInMarch) {
    test::TestGame t;
    StartNewGame(t.game, "テニス部", "山田");
    t.state.Money = -500;
    for (int w : {17, 18, 19, 20, WeekNumber(2, 9), WeekNumber(2, 12)}) {
        t.state.WeekCount = static_cast<std::int16_t>(w);
        t.state.Money = std::min(t.state.Money, -500);  // the year end pays in its budget
        t.ui.messages.clear();
        EndOfWeek(t.game);
        int warnings = 0;
        for (const auto &m : t.ui.messages) warnings += m.title == "資金不足";
        EXPECT_EQ(warnings, w == 20 ? 1 : 0) << w;
    }
}

TEST(EndOfWeek, FirstDeclineAtTheEndOfJanuaryAt31) {
    test::TestGame t;
    StartNewGame(t.game, "テニス部", "山田");
    PlayerRecord &p = t.state.Players[0];
    p.BirthYear = -25;  // 26 in year 1, 31 in year 6
    p.Skill = {50, 150, 100, 200, 1, 60};
    const auto skills = p.Skill;
    t.state.WeekCount = WeekNumber(5, 48);  // December of year 5, aged 30
    EndOfWeek(t.game);
    EXPECT_EQ(p.Skill, skills);
    t.state.WeekCount = WeekNumber(6, 4);  // January of year 6, aged 31
    EndOfWeek(t.game);
    EXPECT_EQ(p.Skill, (std::array<std::uint8_t, 6>{49, 146, 97, 194, 1, 59}));
}

TEST(Events, CampChoiceAndScoutingAnnouncement) {
    test::TestGame t;
    StartNewGame(t.game, "テニス部", "山田");
    t.state.WeekCount = 15;
    EndOfWeek(t.game);
    t.state.WeekCount = WeekNumber(3, 31);
    EndOfWeek(t.game);
    EXPECT_EQ(t.ui.campScreens, 2);
    t.state.WeekCount = 21;
    EndOfWeek(t.game);
    EXPECT_EQ(t.ui.scoutScreens, 0);
    t.state.Candidates[0].FamilyName = 4;
    t.state.WeekCount = 21;
    EndOfWeek(t.game);
    EXPECT_EQ(t.ui.scoutScreens, 1);
}

TEST(CalendarEnd, TheLastWeekIsPlayedThenTheGameEndsAndKeepsTheTeam) {
    test::TestGame t;
    StartNewGame(t.game, "テニス部", "山田");
    // Week 4800 (100年目12月4週) is a week like any other: a building falls due, a practice
    // match is played, and the month ends with its upkeep and the players' decline.
    t.state.WeekCount = kLastWeek - 1;
    EXPECT_EQ(PlayWeek(t.game, nullptr), WeekOutcome::Next);
    ASSERT_EQ(t.state.WeekCount, kLastWeek);
    ASSERT_TRUE(WeekPlayable(t.state));
    t.state.Facilities[2].Kind = kUnderConstruction;
    t.state.Calendar[1][kLastWeek] = {2, kIndoorCourt};
    t.state.MatchKind(kLastWeek) = 1;
    t.state.Players[0].BirthYear = 60;  // 40 in year 100: declines at the month end
    t.state.Players[0].Skill.fill(100);
    t.ui.messages.clear();
    const std::int32_t before = t.state.Money;
    int matchesPlayed = 0;
    EXPECT_EQ(PlayWeek(t.game, [&](Game &) { ++matchesPlayed; }), WeekOutcome::CalendarEnd);
    EXPECT_EQ(matchesPlayed, 1);
    EXPECT_EQ(t.state.Facilities[2].Kind, kIndoorCourt);
    EXPECT_EQ(t.state.Money, before - 23);  // the upkeep before the indoor court was finished
    EXPECT_EQ(t.state.LastYear.MoneyAtMonthEnd, t.state.Money);
    EXPECT_EQ(t.state.Players[0].Skill[0], 93);
    EXPECT_EQ(t.state.WeekCount, kCalendarOver);
    EXPECT_EQ(t.state.TeamName, "テニス部");
    ASSERT_EQ(t.ui.messages.size(), 2u);
    EXPECT_EQ(t.ui.messages[0].text, "室内コートの\r工事が終わりました");
    EXPECT_EQ(t.ui.messages[1].title, "ゲーム終了");
    EXPECT_FALSE(WeekPlayable(t.state));
    EXPECT_EQ(ThisWeekMatchKind(t.state), 0);

    // A game saved at the end stays at the end: nothing more is played.
    const GameState atEnd = t.state;
    bool matchPlayed = false;
    EXPECT_EQ(PlayWeek(t.game, [&](Game &) { matchPlayed = true; }), WeekOutcome::CalendarEnd);
    EXPECT_EQ(EndOfWeek(t.game), WeekOutcome::CalendarEnd);
    EXPECT_FALSE(matchPlayed);
    EXPECT_EQ(t.state, atEnd);
}

}  // namespace
}  // namespace tk
