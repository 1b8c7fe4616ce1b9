// The week driver: the stages of a practice week, a match week and a finished calendar in
// their order; a week under way that nothing restarts; a run stopped by hand.
#include <gtest/gtest.h>

#include <vector>

#include "core/rules/lookups.h"
#include "core/rules/new_game.h"
#include "core/rules/week_run.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

using Stage = WeekRun::Stage;

struct StagesCase {
    const char *name;
    bool fast;
    int matchKind;  // booked this week; 0 for none
    bool calendarOver;
    std::vector<Stage> stages;  // as the week begins, then after each step
    WeekOutcome outcome;
};

TEST(WeekRun, StagesOfEachKindOfWeek) {
    const Stage P = Stage::Practice, E = Stage::WeekEnd, I = Stage::Idle;
    const StagesCase cases[] = {
        {"practice week", false, 0, false, {P, P, P, P, P, P, P, E, I}, WeekOutcome::Next},
        {"practice week, fast", true, 0, false, {P, E, I}, WeekOutcome::Next},
        {"match week", false, 1, false, {Stage::MatchWeek, E, I}, WeekOutcome::Next},
        {"calendar over", false, 0, true, {E, I}, WeekOutcome::CalendarEnd},
    };
    for (const StagesCase &c : cases) {
        test::TestGame t;
        StartNewGame(t.game, "テニス部", "山田");
        t.settings.FastMode = c.fast ? kTrue : kFalse;
        t.state.MatchKind(t.state.WeekCount) = static_cast<std::uint8_t>(c.matchKind);
        if (c.calendarOver) t.state.WeekCount = kCalendarOver;
        const int week = t.state.WeekCount;
        const auto condition = t.state.Players[0].Condition;
        int matches = 0;
        WeekRun *driver = nullptr;
        WeekRun run(t.game, [&](Game &) {
            ++matches;
            // While the match is on screen the week is under way: nothing starts another.
            driver->Begin();
            EXPECT_EQ(driver->Current(), Stage::MatchWeek) << c.name;
            EXPECT_FALSE(driver->StartRun()) << c.name;
        });
        driver = &run;
        run.Begin();
        std::vector<Stage> stages{run.Current()};
        while (run.UnderWay()) stages.push_back(run.Step());
        EXPECT_EQ(stages, c.stages) << c.name;
        EXPECT_EQ(run.Outcome(), c.outcome) << c.name;
        EXPECT_EQ(matches, c.matchKind != 0 ? 1 : 0) << c.name;
        EXPECT_EQ(t.state.TimeOfDay, 0) << c.name;
        if (c.calendarOver) {
            EXPECT_EQ(t.state.WeekCount, kCalendarOver) << c.name;
            EXPECT_EQ(t.ui.messages.back().title, "ゲーム終了") << c.name;
        } else {
            EXPECT_EQ(t.state.WeekCount, week + 1) << c.name;
            // Practice costs condition; a match week applies none.
            EXPECT_EQ(t.state.Players[0].Condition == condition, c.matchKind != 0) << c.name;
        }
    }
}

TEST(WeekRun, AStopAskedDuringAWeekEndsTheRunWithThatWeek) {
    test::TestGame t;
    StartNewGame(t.game, "テニス部", "山田");
    WeekRun run(t.game, nullptr);
    ASSERT_TRUE(run.StartRun());
    EXPECT_FALSE(run.StartRun());
    run.Begin();
    run.Step();
    run.AskStop();
    EXPECT_TRUE(run.Running());  // the week under way is played to its end
    EXPECT_EQ(run.Finish(), WeekOutcome::Next);
    EXPECT_FALSE(run.Running());
    EXPECT_EQ(run.LastStop(), RunStop::None);
    EXPECT_EQ(t.state.WeekCount, 14);
}

}  // namespace
}  // namespace tk
