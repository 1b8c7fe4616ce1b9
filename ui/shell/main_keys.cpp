// The main screen's keyboard: arrow keys through the squad, the hidden key sequence, and
// what happens when the window gains or loses the focus.
#include "ui/shell/MainWin.h"

#include <QKeyEvent>

#include "core/rules/lookups.h"
#include "ui/shell/game_app.h"
#include "ui/shell/messages.h"
#include "ui/shell/timing.h"

namespace tk {

namespace {

// The letters of the manager's hidden key sequence: three to arm, then the two actions.
constexpr int kArmKeys[3] = {Qt::Key_T, Qt::Key_N, Qt::Key_S};
constexpr int kFundsKey = Qt::Key_M;
constexpr int kYearEndKey = Qt::Key_Y;

}  // namespace

void MainWin::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
        case Qt::Key_Left: SelectPlayer(selectedPlayer_ - 5); return;
        case Qt::Key_Up: SelectPlayer(selectedPlayer_ - 1); return;
        case Qt::Key_Right: SelectPlayer(selectedPlayer_ + 5); return;
        case Qt::Key_Down: SelectPlayer(selectedPlayer_ + 1); return;
        default: HiddenKey(event->key()); QMainWindow::keyPressEvent(event);
    }
}

void MainWin::HiddenKey(int key) {
    if (key == kArmKeys[0]) {
        keyFlags_.fill(false);
        keyFlags_[1] = true;
        timerInfo_.start(UiTiming::KeySequenceMs());
    } else if (key == kArmKeys[1] && keyFlags_[1]) {
        keyFlags_[2] = true;
    } else if (key == kArmKeys[2] && keyFlags_[2]) {
        keyFlags_[3] = true;
    } else if (keyFlags_[3] && !practiceRunning_ && !weekBusy_) {
        if (key == kFundsKey) {
            AddMoney(app_.State(), 100000);
            ShowNotice(QStringLiteral("OKs"), QString(), 14, this);
            FormLoad();
        } else if (key == kYearEndKey) {
            app_.State().WeekCount = 12;
            ShowNotice(QStringLiteral("OK"), QString(), 14, this);
            FormLoad();
        }
    }
}

void MainWin::changeEvent(QEvent *event) {
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow()) {
            if (!practiceRunning_ && !weekBusy_) FormLoad();
        } else {
            timerInfo_.stop();
            keyFlags_.fill(false);
        }
    }
    QMainWindow::changeEvent(event);
}
}  // namespace tk
