// One week of play as an explicit state: the match week or the practice week's times of day,
// then the end of the week; and the run of weeks (連続進行) that stops where a week needs the
// player. The main screen steps it from its timers; PlayWeek runs it straight to the end.
#pragma once

#include <vector>

#include "core/rules/advance_rules.h"
#include "core/rules/alert_rules.h"
#include "core/rules/week_rules.h"

namespace tk {

struct Game;

class WeekRun {
public:
    // What the week under way does next.
    enum class Stage {
        Idle,       // no week under way
        MatchWeek,  // the week's match, through the match-week player
        Practice,   // the practice week: one time of day per step
        WeekEnd,    // EndOfWeek
    };

    // `playMatchWeek` plays a booked match (the screens, or the screenless match rules); a
    // week holding a match plays none when it is empty.
    WeekRun(Game &game, MatchWeekPlayer playMatchWeek);

    // Starts the current week at its first stage; nothing while a week is under way. A game
    // whose calendar is over goes straight to the end of the week, which says so again.
    void Begin();
    // Runs the current stage and moves on; returns the stage now current. While the stage
    // runs (a match or a notice on screen) the week stays under way.
    Stage Step();
    // Runs the week under way to its end.
    WeekOutcome Finish();

    Stage Current() const { return stage_; }
    bool UnderWay() const { return stage_ != Stage::Idle; }
    bool Practising() const { return stage_ == Stage::Practice; }
    // How the last finished week ended.
    WeekOutcome Outcome() const { return outcome_; }

    // 連続進行: weeks one after another until one needs the player (RunStopAfterWeek).
    // Starts a run between weeks; false (nothing changes) while one runs or a week is under way.
    bool StartRun();
    // The run stops once the week under way has ended; between weeks the caller stops it.
    void AskStop();
    void StopRun(RunStop why);
    // The player's news choice: month ends and finished buildings do not stop a run.
    void SetReportsAsNews(bool news) { reportsAsNews_ = news; }
    bool Running() const { return running_; }
    bool StopAsked() const { return stopAsked_; }
    // Why the last run stopped (None while one runs or when it was stopped by hand).
    RunStop LastStop() const { return lastStop_; }

private:
    void EndWeek();

    Game &game_;
    MatchWeekPlayer playMatchWeek_;
    Stage stage_ = Stage::Idle;
    WeekOutcome outcome_ = WeekOutcome::Next;
    bool running_ = false;
    bool stopAsked_ = false;
    bool reportsAsNews_ = false;
    RunStop brought_ = RunStop::None;  // what the week under way brings, judged at its start
    std::vector<Alert> alertsBefore_;  // the alerts the player saw when the week started
    RunStop lastStop_ = RunStop::None;
};

}  // namespace tk
