// 連続進行: the main screen plays weeks one after another, each through the same path as a
// press of 次の週へ; the week driver judges when the run stops (a week that needs the player,
// or Esc anywhere or 停止, once the week under way has ended), the screen shows it.
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
    if (week_.Running()) {
        RequestAdvanceStop();
        return;
    }
    if (RefusedWhileBusy()) return;  // "練習中です。", as every command during a week
    StartAdvance();
}

void MainWin::StartAdvance() {
    week_.SetReportsAsNews(app_.Route().ReportsToNews());
    if (!week_.StartRun()) return;
    escapeWatch_ = new EscapeWatch(this);
    bar_->SetAdvancing(true);
    PlayAdvanceWeek();
}

void MainWin::RequestAdvanceStop() {
    if (!week_.Running() || week_.StopAsked()) return;
    week_.AskStop();
    bar_->SetAdvancing(true, true);
}

void MainWin::PlayAdvanceWeek() {
    if (!week_.Running()) return;
    // Between two weeks nothing else may have started; a window in front stops the run too.
    if (week_.StopAsked() || week_.UnderWay() || QApplication::activeModalWidget() != nullptr) {
        StopAdvance(RunStop::None);
        return;
    }
    PlayOneWeek();
}

void MainWin::StopAdvance(RunStop why) {
    if (week_.Running()) week_.StopRun(why);
    delete escapeWatch_;
    escapeWatch_ = nullptr;
    bar_->SetAdvancing(false);
}

}  // namespace tk
