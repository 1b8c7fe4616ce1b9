// The stages of a week in their fixed order, and when a run of weeks stops.
#include "core/rules/week_run.h"

#include <utility>

#include "core/rules/game.h"
#include "core/rules/lookups.h"
#include "core/rules/practice_rules.h"

namespace tk {

WeekRun::WeekRun(Game &game, MatchWeekPlayer playMatchWeek)
    : game_(game), playMatchWeek_(std::move(playMatchWeek)) {}

void WeekRun::Begin() {
    if (UnderWay()) return;
    if (running_) {
        brought_ = WeekBrings(game_.state);
        alertsBefore_ = CurrentAlerts(game_.state);
    }
    if (!WeekPlayable(game_.state))
        stage_ = Stage::WeekEnd;
    else if (ThisWeekMatchKind(game_.state) != 0)
        stage_ = Stage::MatchWeek;
    else
        stage_ = Stage::Practice;
}

WeekRun::Stage WeekRun::Step() {
    switch (stage_) {
        case Stage::Idle: break;
        case Stage::MatchWeek:
            // A match week applies no practice.
            if (playMatchWeek_) playMatchWeek_(game_);
            stage_ = Stage::WeekEnd;
            break;
        case Stage::Practice:
            if (AdvanceTimeOfDay(game_)) stage_ = Stage::WeekEnd;
            break;
        case Stage::WeekEnd: EndWeek(); break;
    }
    return stage_;
}

WeekOutcome WeekRun::Finish() {
    while (UnderWay()) Step();
    return outcome_;
}

void WeekRun::EndWeek() {
    outcome_ = EndOfWeek(game_);
    stage_ = Stage::Idle;
    if (!running_) return;
    const RunStop stop =
        RunStopAfterWeek(brought_, game_.state, outcome_, alertsBefore_, reportsAsNews_);
    if (stop != RunStop::None || stopAsked_) StopRun(stop);
}

bool WeekRun::StartRun() {
    // A run starts between weeks only, so that its first week is judged before it is played.
    if (running_ || UnderWay()) return false;
    running_ = true;
    stopAsked_ = false;
    lastStop_ = RunStop::None;
    return true;
}

void WeekRun::AskStop() {
    if (running_) stopAsked_ = true;
}

void WeekRun::StopRun(RunStop why) {
    running_ = false;
    stopAsked_ = false;
    lastStop_ = why;
}

}  // namespace tk
