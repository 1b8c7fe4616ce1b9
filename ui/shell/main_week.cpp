// The main screen's week loop: the command bar's dispatch, practice weeks on the timer, match
// weeks through the match screens, the end of the week, and leaving the game.
#include "ui/shell/MainWin.h"

#include <QCloseEvent>

#include "core/rules/lookups.h"
#include "core/rules/practice_rules.h"
#include "ui/base/messages.h"
#include "ui/base/timing.h"
#include "ui/screens/match_week_screens.h"
#include "ui/shell/command_screens.h"
#include "ui/shell/game_app.h"
#include "ui/widgets/grounds_view.h"
#include "ui/widgets/picture_catalogue.h"

namespace tk {

void MainWin::Command(int index) {
    if (index == kAdvanceButton) {
        AdvanceCommand();
        return;
    }
    if (RefusedWhileBusy()) return;
    if (index == 0) {
        PlayOneWeek();
        return;
    }
    OpenScreen(static_cast<MainCommand>(index));
}

bool MainWin::RefusedWhileBusy() {
    if (!practiceRunning_ && !weekBusy_ && !advancing_) return false;
    // The practice timers wait while the notice is open, so nothing moves behind it.
    const bool running = timeSpend_.isActive();
    timeSpend_.stop();
    markTime_.stop();
    app_.Messages().ShowNotice(MessageKind::Warning, QStringLiteral("練習中です。"), QString(), 18,
                               this);
    if (running && practiceRunning_) {
        timeSpend_.start();
        markTime_.start();
    }
    return true;
}

void MainWin::PlayOneWeek() {
    // A game whose calendar has been played to its end plays nothing more: it ends again.
    if (!WeekPlayable(app_.State()))
        FinishWeek();
    else if (ThisWeekMatchKind(app_.State()) != 0)
        PlayMatchWeek();
    else
        StartPracticeWeek();
}

void MainWin::OpenScreen(MainCommand command) {
    if (!CommandAvailable(command)) return;
    OpenCommandScreen(command, app_, this, selectedPlayer_, selectedLot_);
    FormLoad();
}

void MainWin::OpenPlayerDetails() {
    if (!RefusedWhileBusy()) OpenScreen(MainCommand::PlayerDetails);
}
void MainWin::OpenLineup() {
    if (!RefusedWhileBusy()) OpenScreen(MainCommand::Lineup);
}
void MainWin::OpenLot() {
    if (!RefusedWhileBusy()) OpenScreen(MainCommand::Lot);
}
void MainWin::OpenAllotment() {
    if (!RefusedWhileBusy()) OpenScreen(MainCommand::Allotment);
}

void MainWin::StartPracticeWeek() {
    practiceRunning_ = true;
    weekBusy_ = true;
    timeSpend_.setInterval(UiTiming::PracticeStepMs());
    markTime_.setInterval(UiTiming::BlinkMs());
    timeSpend_.start();
    markTime_.start();
}

void MainWin::PracticeTick() {
    const bool done = AdvanceTimeOfDay(app_.CurrentGame());
    if (!done) {
        FormLoad();
        return;
    }
    timeSpend_.stop();
    markTime_.stop();
    markVis_ = false;
    grounds_->SetOverlayVisible(false);
    practiceRunning_ = false;
    FormLoad();
    FinishWeek();
}

void MainWin::PlayMatchWeek() {
    weekBusy_ = true;
    PlayMatchWeekOnScreen(app_.CurrentGame(), app_.Ui(), this);
    FormLoad();
    FinishWeek();
}

void MainWin::FinishWeek() {
    weekBusy_ = true;
    const WeekOutcome outcome = EndOfWeek(app_.CurrentGame());
    weekBusy_ = false;
    if (advancing_) AdvanceWeekEnded(outcome);
    switch (outcome) {
        case WeekOutcome::Next:
            app_.WriteRecovery();
            FormLoad();
            break;
        case WeekOutcome::Bankrupt:
        case WeekOutcome::CalendarEnd: LeaveToTitle(); break;
    }
}

void MainWin::EraseTeam() {
    if (RefusedWhileBusy()) return;
    if (!app_.Messages().AskQuestion(QStringLiteral("このチームを消しますか？"), QString(), 12,
                                     this))
        return;
    app_.State().TeamName.clear();
    close();
}

void MainWin::LeaveToTitle() {
    // The game has ended (bankruptcy or the end of the calendar): it is saved as it stands,
    // without asking.
    leaving_ = true;
    close();
}

void MainWin::closeEvent(QCloseEvent *event) {
    if (advancing_) {
        // A run of weeks is stopped first; the game closes on the next try.
        event->ignore();
        RequestAdvanceStop();
        return;
    }
    if (practiceRunning_ || weekBusy_) {
        event->ignore();
        if (practiceRunning_) RefusedWhileBusy();
        return;
    }
    if (!leaving_ && !app_.State().TeamName.empty() &&
        !app_.Messages().AskQuestion(QStringLiteral("保存して終了しますか？"), QString(), 12,
                                     this)) {
        event->ignore();
        return;
    }
    if (!app_.SaveCurrentGame(this)) {
        // Nothing is lost: the game stays open so the player can try again.
        leaving_ = false;
        event->ignore();
        return;
    }
    timerInfo_.stop();
    event->accept();
    hide();
    app_.ShowTitle();
    deleteLater();
}

}  // namespace tk
