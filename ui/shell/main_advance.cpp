// 連続進行: the main screen plays weeks one after another, each through the same path as a
// press of 次の週へ (its practice or match screens, its end of the week in FinishWeek), until
// a week needs the player; Esc anywhere or 停止 stops the run when the week under way ends.
#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QTimer>

#include "ui/shell/MainWin.h"
#include "ui/shell/game_app.h"
#include "ui/shell/main_shortcuts.h"
#include "ui/widgets/command_bar.h"
#include "ui/widgets/picture_catalogue.h"

namespace tk {

namespace {

// Watches every key press of the application while a run goes on: Esc asks the run to stop
// and goes on to wherever it was headed (a notice in front still closes with it).
class EscapeWatch : public QObject {
public:
    explicit EscapeWatch(MainWin *main) : QObject(main), main_(main) {
        QApplication::instance()->installEventFilter(this);
    }
    ~EscapeWatch() override { QApplication::instance()->removeEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
            main_->RequestAdvanceStop();
        return QObject::eventFilter(watched, event);
    }

private:
    MainWin *main_;
};

}  // namespace

void MainWin::InstallAdvanceCommand() {
    // Shift+Enter: 次の週へ (Enter), on and on; 9: the ninth button, as 1..8 are the others.
    const MainShortcut &advance = AdvanceShortcut();
    bar_->SetButtonToolTip(kAdvanceButton, ShortcutToolTip(advance));
    for (const QKeySequence &key : advance.keys) {
        auto *shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] { Command(kAdvanceButton); });
    }
}

void MainWin::AdvanceCommand() {
    if (advancing_) {
        RequestAdvanceStop();
        return;
    }
    if (RefusedWhileBusy()) return;  // "練習中です。", as every command during a week
    StartAdvance();
}

void MainWin::StartAdvance() {
    if (advancing_ || practiceRunning_ || weekBusy_) return;
    advancing_ = true;
    advanceStopAsked_ = false;
    advanceStopped_ = RunStop::None;
    escapeWatch_ = new EscapeWatch(this);
    bar_->SetAdvancing(true);
    PlayAdvanceWeek();
}

void MainWin::RequestAdvanceStop() {
    if (!advancing_ || advanceStopAsked_) return;
    advanceStopAsked_ = true;
    bar_->SetAdvancing(true, true);
}

void MainWin::PlayAdvanceWeek() {
    if (!advancing_) return;
    // Between two weeks nothing else may have started; a window in front stops the run too.
    if (advanceStopAsked_ || practiceRunning_ || weekBusy_ ||
        QApplication::activeModalWidget() != nullptr) {
        StopAdvance(RunStop::None);
        return;
    }
    advanceBrought_ = WeekBrings(app_.State());
    PlayOneWeek();
}

void MainWin::AdvanceWeekEnded(WeekOutcome outcome) {
    const RunStop stop = RunStopAfterWeek(advanceBrought_, app_.State(), outcome);
    if (stop != RunStop::None || advanceStopAsked_) {
        StopAdvance(stop);
        return;
    }
    // The next week starts once the screen has been redrawn for this one.
    QTimer::singleShot(0, this, &MainWin::PlayAdvanceWeek);
}

void MainWin::StopAdvance(RunStop why) {
    advancing_ = false;
    advanceStopAsked_ = false;
    advanceStopped_ = why;
    delete escapeWatch_;
    escapeWatch_ = nullptr;
    bar_->SetAdvancing(false);
}

}  // namespace tk
