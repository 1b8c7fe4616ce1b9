// The main screen's menus: mnemonics, F10 and Alt to open them, Ctrl+Q to leave through
// "保存して終了しますか？", and 保存 (Ctrl+S) to save the game to its slot and play on.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include "ui/base/messages.h"
#include "ui/shell/MainWin.h"
#include "ui/shell/Versions.h"
#include "ui/shell/game_app.h"
#include "ui/shell/history_menu.h"

namespace tk {

namespace {

// Alt pressed and released alone opens the first menu, as on any desktop (Fusion only
// marks the menu bar, if that). Any other key in between, Alt+F say, leaves it to the
// mnemonics.
class AltOpensMenu : public QObject {
public:
    explicit AltOpensMenu(QMenuBar *bar) : QObject(bar), bar_(bar) {}

    bool eventFilter(QObject *watched, QEvent *event) override {
        // Keys go to the control with the focus: watch every one inside the main screen.
        if (!watched->isWidgetType() || static_cast<QWidget *>(watched)->window() != bar_->window())
            return false;
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            armed_ = key->key() == Qt::Key_Alt && !key->isAutoRepeat() &&
                     (key->modifiers() & ~Qt::AltModifier) == Qt::NoModifier;
        } else if (event->type() == QEvent::KeyRelease) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Alt && armed_ && !key->isAutoRepeat()) {
                armed_ = false;
                OpenFirstMenu(bar_);
            }
        } else if (event->type() == QEvent::WindowDeactivate ||
                   event->type() == QEvent::MouseButtonPress) {
            armed_ = false;
        }
        return false;
    }

    static void OpenFirstMenu(QMenuBar *bar) {
        const QList<QAction *> menus = bar->actions();
        if (!menus.isEmpty()) bar->setActiveAction(menus.first());
    }

private:
    QMenuBar *bar_;
    bool armed_ = false;
};

}  // namespace

void MainWin::BuildMenu() {
    QMenu *file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->setObjectName(QStringLiteral("FileMenu"));
    QAction *saveOnly = file->addAction(QStringLiteral("保存(&S)"));
    saveOnly->setObjectName(QStringLiteral("FSaveOnly"));
    saveOnly->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(saveOnly, &QAction::triggered, this, &MainWin::SaveAndPlayOn);
    QAction *save = file->addAction(QStringLiteral("保存して終了(&Q)"));
    save->setObjectName(QStringLiteral("FSave"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(save, &QAction::triggered, this, &QWidget::close);
    QAction *erase = file->addAction(QStringLiteral("このチームを消す(&E)"));
    erase->setObjectName(QStringLiteral("FErase"));
    connect(erase, &QAction::triggered, this, &MainWin::EraseTeam);
    file->addSeparator();
    AddHelpEntry(file);
    QAction *about = file->addAction(QStringLiteral("ゲームについて(&A)"));
    about->setObjectName(QStringLiteral("GAbout"));
    connect(about, &QAction::triggered, this, [this] {
        Versions box(app_.Messages(), this);
        box.exec();
    });
    AddHistoryMenu(*this, app_);

    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    f10->setContext(Qt::WindowShortcut);
    connect(f10, &QShortcut::activated, this, [this] { AltOpensMenu::OpenFirstMenu(menuBar()); });
    qApp->installEventFilter(new AltOpensMenu(menuBar()));
}

void MainWin::SaveAndPlayOn() {
    if (RefusedWhileBusy()) return;
    if (app_.SaveAndPlayOn(this))
        app_.Messages().ShowNotice(MessageKind::Report, QStringLiteral("保存しました。"), QString(),
                                   12, this);
}

}  // namespace tk
