// The end of the week: month end, ageing, events, weather, the counter, the calendar's end.
#include <gtest/gtest.h>

#include "core/rules/events.h"
#include "core/rules/lookups.h"
#include "core/rules/new_game.h"
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
    // A debt is left for the year end to judge, without a word.
    EXPECT_EQ(t.state.Money, -13);
    EXPECT_EQ(t.state.LastYear.MoneyAtMonthEnd, -13);
    EXPECT_TRUE(t.ui.messages.empty());
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

TEST(CalendarEnd, TheLastWeekEndsTheGameAndKeepsTheTeam) {
    test::TestGame t;
    StartNewGame(t.game, "テニス部", "山田");
    t.state.WeekCount = kLastWeek - 1;
    EXPECT_EQ(PlayWeek(t.game, nullptr), WeekOutcome::CalendarEnd);
    EXPECT_EQ(t.state.WeekCount, kLastWeek);
    EXPECT_EQ(t.state.TeamName, "テニス部");
    ASSERT_FALSE(t.ui.messages.empty());
    EXPECT_EQ(t.ui.messages.back().title, "ゲーム終了");
    EXPECT_FALSE(WeekPlayable(t.state));

    // A game saved at the end stays at the end: nothing more is played.
    const GameState atEnd = t.state;
    bool matchPlayed = false;
    t.state.MatchKind(kLastWeek) = 10;
    EXPECT_EQ(PlayWeek(t.game, [&](Game &) { matchPlayed = true; }), WeekOutcome::CalendarEnd);
    EXPECT_EQ(EndOfWeek(t.game), WeekOutcome::CalendarEnd);
    EXPECT_FALSE(matchPlayed);
    t.state.MatchKind(kLastWeek) = 0;
    EXPECT_EQ(t.state, atEnd);
}

}  // namespace
}  // namespace tk
