// The main screen's keyboard: the arrow keys through the squad, Enter or Space for the week,
// a key for every command (shown in its tooltip), F1 for the help, the hidden key sequence,
// and what happens when the window gains or loses the focus.
#include "ui/shell/MainWin.h"

#include <functional>

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>

#include "core/rules/lookups.h"
#include "ui/base/messages.h"
#include "ui/base/notice_key_guard.h"
#include "ui/base/timing.h"
#include "ui/shell/HelpWin.h"
#include "ui/shell/game_app.h"
#include "ui/shell/main_shortcuts.h"
#include "ui/widgets/command_bar.h"
#include "ui/widgets/news_column.h"
#include "ui/widgets/picture_catalogue.h"
#include "ui/widgets/player_panel.h"

namespace tk {

namespace {

// The letters of the manager's hidden key sequence: three to arm, then the two actions.
constexpr int kArmKeys[3] = {Qt::Key_T, Qt::Key_N, Qt::Key_S};
constexpr int kFundsKey = Qt::Key_M;
constexpr int kYearEndKey = Qt::Key_Y;

// Keys of the window: they reach it wherever the focus is inside it, the scroll area
// around the screen included.
void AddKeys(QWidget *window, const QList<QKeySequence> &keys,
             const std::function<void()> &action) {
    for (const QKeySequence &key : keys) {
        auto *shortcut = new QShortcut(key, window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, window, action);
    }
}

}  // namespace

void MainWin::InstallKeys() {
    // The squad list holds the focus: the scroll area must not take it and eat the arrows.
    for (QScrollArea *scroll : findChildren<QScrollArea *>()) scroll->setFocusPolicy(Qt::NoFocus);
    players_->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(players_);
    players_->setFocus();

    for (int key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down}) {
        AddKeys(this, {QKeySequence(key)},
                [this, key] { SelectPlayer(selectedPlayer_ + SquadStepOfKey(key)); });
    }
    for (int i = 0; i < kCommandButtonCount; ++i) {
        const MainShortcut &shortcut = CommandBarShortcut(i);
        bar_->SetButtonToolTip(i, ShortcutToolTip(shortcut));
        // A key that was meant for a notice which had just closed by itself is no command.
        AddKeys(this, shortcut.keys, [this, i] {
            if (bar_->ButtonEnabled(i) && !NoticeKeyGuardHolds()) Command(i);
        });
    }
    for (std::size_t i = 0; i < commands_.size(); ++i) {
        QPushButton *button = commands_[i];
        const MainShortcut &shortcut = CommandButtonShortcut(static_cast<int>(i));
        button->setToolTip(ShortcutToolTip(shortcut));
        AddKeys(this, shortcut.keys, [button] {
            if (button->isEnabled() && !NoticeKeyGuardHolds()) button->click();
        });
    }
}

void MainWin::AddHelpEntry(QMenu *menu) {
    QAction *help = menu->addAction(QStringLiteral("遊び方(&H)"));
    help->setObjectName(QStringLiteral("GHelp"));
    help->setShortcuts(HelpShortcut().keys);
    help->setShortcutContext(Qt::WindowShortcut);
    connect(help, &QAction::triggered, this, &MainWin::OpenHelp);
}

void MainWin::OpenHelp() {
    // One help window, beside the game: the player may read on while playing.
    if (!help_) help_ = new HelpWin(this);
    help_->ShowFirstApril(news_->Ticks());
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void MainWin::keyPressEvent(QKeyEvent *event) {
    HiddenKey(event->key());
    QMainWindow::keyPressEvent(event);
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
    } else if (keyFlags_[3] && !week_.UnderWay()) {
        if (key == kFundsKey) {
            AddMoney(app_.State(), 100000);
            app_.Messages().ShowNotice(MessageKind::Report, QStringLiteral("OKs"), QString(), 14,
                                       this);
            FormLoad();
        } else if (key == kYearEndKey) {
            app_.State().WeekCount = 12;
            app_.Messages().ShowNotice(MessageKind::Report, QStringLiteral("OK"), QString(), 14,
                                       this);
            FormLoad();
        }
    }
}

void MainWin::changeEvent(QEvent *event) {
    if (event->type() == QEvent::ActivationChange) {
        // The sequence stays armed while the window is away (its own notice takes the focus);
        // only the timer's tick, two seconds after the window is back, clears it.
        if (isActiveWindow()) {
            timerInfo_.start(UiTiming::KeySequenceMs());
            if (!week_.UnderWay()) FormLoad();
        } else {
            timerInfo_.stop();
        }
    }
    QMainWindow::changeEvent(event);
}

}  // namespace tk
