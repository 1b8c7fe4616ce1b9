// 連続進行: what a week brings that needs the player, and where a run of weeks stops.
#include <gtest/gtest.h>

#include <functional>

#include "core/rules/advance_rules.h"
#include "core/rules/lookups.h"
#include "core/rules/new_game.h"
#include "core/rules/week_run.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

struct BringsCase {
    const char *name;
    int week;
    std::function<void(GameState &)> setUp;
    RunStop brings;
};

TEST(RunOfWeeks, WhatAWeekBrings) {
    const auto nothing = [](GameState &) {};
    const BringsCase cases[] = {
        {"a plain week", 14, nothing, RunStop::None},
        {"the camp choice", 15, nothing, RunStop::Event},
        {"the autumn camp choice", WeekNumber(1, 31), nothing, RunStop::Event},
        {"a month end", 16, nothing, RunStop::MonthEnd},
        {"the year end", WeekNumber(2, 12), nothing, RunStop::YearEnd},
        {"June without candidates", 21, nothing, RunStop::None},
        {"the scouting result", 21, [](GameState &s) { s.Candidates[0].FamilyName = 4; },
         RunStop::Event},
        {"a building", 14,
         [](GameState &s) {
             s.Calendar[2][14] = {3, kOutdoorCourt};
         },
         RunStop::Building},
        {"an entry for no lot", 14,
         [](GameState &s) {
             s.Calendar[1][14] = {9, kOutdoorCourt};
         },
         RunStop::None},
        {"a building at a month end", 16,
         [](GameState &s) {
             s.Calendar[1][16] = {3, kOutdoorCourt};
         },
         RunStop::MonthEnd},
        {"the last week of the calendar", kLastWeek, nothing, RunStop::MonthEnd},
        {"past the calendar", kCalendarOver, nothing, RunStop::None},
    };
    for (const BringsCase &c : cases) {
        test::TestGame t;
        StartNewGame(t.game, "テニス部", "山田");
        t.state.WeekCount = static_cast<std::int16_t>(c.week);
        c.setUp(t.state);
        EXPECT_EQ(WeekBrings(t.state), c.brings) << c.name;
    }
}

TEST(RunOfWeeks, WhereItStops) {
    struct Case {
        RunStop brought;
        std::int32_t money;
        bool matchNext;
        WeekOutcome outcome;
        RunStop stop;
    };
    const Case cases[] = {
        {RunStop::None, 100, false, WeekOutcome::Next, RunStop::None},
        {RunStop::None, -100, false, WeekOutcome::Next, RunStop::None},  // judged at month ends
        {RunStop::None, 100, true, WeekOutcome::Next, RunStop::MatchWeek},
        {RunStop::Building, 100, true, WeekOutcome::Next, RunStop::Building},
        {RunStop::Event, 100, false, WeekOutcome::Next, RunStop::Event},
        {RunStop::MonthEnd, 0, false, WeekOutcome::Next, RunStop::MonthEnd},
        {RunStop::MonthEnd, -1, false, WeekOutcome::Next, RunStop::Debt},
        {RunStop::YearEnd, -1, false, WeekOutcome::Next, RunStop::Debt},
        {RunStop::YearEnd, 100, false, WeekOutcome::Bankrupt, RunStop::GameOver},
        {RunStop::MonthEnd, 100, false, WeekOutcome::CalendarEnd, RunStop::GameOver},
    };
    for (const Case &c : cases) {
        GameState after;
        after.WeekCount = 14;
        after.Money = c.money;
        after.MatchKind(14) = c.matchNext ? 1 : 0;
        EXPECT_EQ(RunStopAfterWeek(c.brought, after, c.outcome), c.stop)
            << static_cast<int>(c.brought) << " " << c.money;
    }
}

// A week that brings nothing else stops the run when an alert appears that was not there.
TEST(RunOfWeeks, StopsForANewAlert) {
    struct Case {
        const char *name;
        int durabilityBefore, durabilityAfter;
        bool gapAfter;
        RunStop brought, stop;
        bool news = false;
    };
    const Case cases[] = {
        {"nothing to heed", 1000, 990, false, RunStop::None, RunStop::None},
        {"a court wearing", 310, 290, false, RunStop::None, RunStop::Alert},
        {"still wearing", 290, 270, false, RunStop::None, RunStop::None},
        {"worn out", 210, 195, false, RunStop::None, RunStop::Alert},
        {"a second alert", 290, 270, true, RunStop::None, RunStop::Alert},
        {"one gone", 290, 1000, false, RunStop::None, RunStop::None},
        {"a month end first", 310, 290, false, RunStop::MonthEnd, RunStop::MonthEnd},
        // With the news choice a month end or a building is news; the alert still stops it.
        {"a month end as news", 1000, 990, false, RunStop::MonthEnd, RunStop::None, true},
        {"a building as news", 1000, 990, false, RunStop::Building, RunStop::None, true},
        {"news and an alert", 310, 290, false, RunStop::MonthEnd, RunStop::Alert, true},
        {"the year end with news", 1000, 990, false, RunStop::YearEnd, RunStop::YearEnd, true},
        {"the camp with news", 1000, 990, false, RunStop::Event, RunStop::Event, true},
    };
    for (const Case &c : cases) {
        test::TestGame t;
        StartNewGame(t.game, "テニス部", "山田");
        t.state.Facilities[1].Durability = static_cast<std::int16_t>(c.durabilityBefore);
        const std::vector<Alert> before = CurrentAlerts(t.state);
        t.state.Facilities[1].Durability = static_cast<std::int16_t>(c.durabilityAfter);
        if (c.gapAfter) t.state.Players[0].Order = 0;
        EXPECT_EQ(RunStopAfterWeek(c.brought, t.state, WeekOutcome::Next, before, c.news), c.stop)
            << c.name;
    }
}

// From a new game, runs of weeks as the player starts them one after another: the weeks each
// plays and why it stops.
TEST(RunOfWeeks, FirstMonthsOfANewGame) {
    test::TestGame t;
    StartNewGame(t.game, "テニス部", "山田");
    t.state.MatchKind(19) = 1;  // a practice match in 5月3週
    // The week driver the main screen steps, with no match screens.
    WeekRun week(t.game, nullptr);
    auto run = [&week] {
        int weeks = 0;
        EXPECT_TRUE(week.StartRun());
        while (week.Running()) {
            week.Begin();
            week.Finish();
            ++weeks;
        }
        return std::make_pair(week.LastStop(), weeks);
    };
    EXPECT_EQ(run(), std::make_pair(RunStop::Event, 3));      // 4月1週..3週: the camp choice
    EXPECT_EQ(run(), std::make_pair(RunStop::MonthEnd, 1));   // 4月4週
    EXPECT_EQ(run(), std::make_pair(RunStop::MatchWeek, 2));  // 5月1週, 2週; 3週 is the match
    EXPECT_EQ(run(), std::make_pair(RunStop::MonthEnd, 2));   // the match, then 5月4週
    EXPECT_EQ(t.state.WeekCount, 21);
    EXPECT_EQ(t.ui.campScreens, 1);
}

// The court that wears out during a run stops it; the one already worn at its start does not.
TEST(RunOfWeeks, AStopForACourtWornOut) {
    for (const auto &[durability, stop] : {std::pair{290, RunStop::Event}, {212, RunStop::Alert}}) {
        test::TestGame t;
        StartNewGame(t.game, "テニス部", "山田");
        t.state.Facilities[1].Durability = static_cast<std::int16_t>(durability);
        WeekRun week(t.game, nullptr);
        ASSERT_TRUE(week.StartRun());
        while (week.Running()) {
            week.Begin();
            week.Finish();
        }
        EXPECT_EQ(week.LastStop(), stop) << durability;
        EXPECT_EQ(stop == RunStop::Alert, t.state.Facilities[1].Durability <= 200) << durability;
    }
}

}  // namespace
}  // namespace tk
