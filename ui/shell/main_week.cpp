// The main screen's week loop: the command bar's dispatch, and the week driver stepped from
// the timers (a practice week's times of day) or at once (the match screens, the end of the
// week) with a redraw between; leaving the game.
#include "ui/shell/MainWin.h"

#include <QCloseEvent>

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
    if (!week_.UnderWay() && !week_.Running()) return false;
    // The practice timers wait while the notice is open, so nothing moves behind it.
    const bool running = timeSpend_.isActive();
    timeSpend_.stop();
    markTime_.stop();
    app_.Messages().ShowNotice(MessageKind::Warning, QStringLiteral("練習中です。"), QString(), 18,
                               this);
    if (running && week_.Practising()) {
        timeSpend_.start();
        markTime_.start();
    }
    return true;
}

void MainWin::PlayOneWeek() {
    week_.Begin();
    if (!week_.Practising()) {
        ContinueWeek();
        return;
    }
    // A practice week: one time of day per tick of TimeSpend, the grounds blinking meanwhile.
    timeSpend_.setInterval(UiTiming::PracticeStepMs());
    markTime_.setInterval(UiTiming::BlinkMs());
    timeSpend_.start();
    markTime_.start();
}

void MainWin::PlayMatchScreens(Game &game) {
    PlayMatchWeekOnScreen(game, app_.Ui(), this);
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

void MainWin::PracticeTick() {
    if (!week_.Practising()) {  // a tick left over from a week that has moved on
        timeSpend_.stop();
        return;
    }
    if (week_.Step() == WeekRun::Stage::Practice) {
        FormLoad();
        return;
    }
    timeSpend_.stop();
    markTime_.stop();
    markVis_ = false;
    grounds_->SetOverlayVisible(false);
    FormLoad();
    ContinueWeek();
}

void MainWin::ContinueWeek() {
    // The match screens, then the end of the week: they run at once, each over the last redraw.
    if (week_.Current() == WeekRun::Stage::MatchWeek) {
        week_.Step();
        FormLoad();
    }
    if (week_.Current() == WeekRun::Stage::WeekEnd) week_.Step();
    WeekEnded();
}

void MainWin::WeekEnded() {
    if (week_.Running())
        // The next week of the run starts once the screen has been redrawn for this one.
        QTimer::singleShot(0, this, &MainWin::PlayAdvanceWeek);
    else if (escapeWatch_ != nullptr)
        StopAdvance(week_.LastStop());  // the driver has ended the run
    switch (week_.Outcome()) {
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
    if (week_.Running()) {
        // A run of weeks is stopped first; the game closes on the next try.
        event->ignore();
        RequestAdvanceStop();
        return;
    }
    if (week_.UnderWay()) {
        event->ignore();
        if (week_.Practising()) RefusedWhileBusy();
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
