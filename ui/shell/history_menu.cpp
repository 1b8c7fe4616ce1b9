// The message history and the records, from the main screen's menu or their keys.
#include "ui/shell/history_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ui/screens/KirokuWin.h"
#include "ui/screens/RirekiWin.h"
#include "ui/shell/MainWin.h"
#include "ui/shell/game_app.h"
#include "ui/shell/main_shortcuts.h"

namespace tk {

namespace {

// While a week is played the main screen answers every command with its notice.
bool Refused(MainWin &main) {
    return main.RefusedWhileBusy();
}

}  // namespace

void OpenMessageHistory(GameApp &app, QWidget *parent) {
    RirekiWin screen(app.History().Messages(), app.History().IsOpen(), parent);
    screen.exec();
}

void OpenRecords(GameApp &app, QWidget *parent) {
    KirokuWin screen(app.History().Store(), app.State(), parent);
    screen.exec();
}

void AddHistoryMenu(MainWin &main, GameApp &app) {
    QMenu *view = main.menuBar()->addMenu(QStringLiteral("表示(&V)"));
    view->setObjectName(QStringLiteral("ViewMenu"));
    QAction *messages = view->addAction(QStringLiteral("メッセージ履歴(&M)"));
    messages->setObjectName(QStringLiteral("MessageHistory"));
    messages->setShortcuts(MessageHistoryShortcut().keys);
    QObject::connect(messages, &QAction::triggered, &main, [&main, &app] {
        if (!Refused(main)) OpenMessageHistory(app, &main);
    });
    QAction *records = view->addAction(QStringLiteral("記録(&R)"));
    records->setObjectName(QStringLiteral("Records"));
    records->setShortcuts(RecordsShortcut().keys);
    QObject::connect(records, &QAction::triggered, &main, [&main, &app] {
        if (!Refused(main)) OpenRecords(app, &main);
    });
}

}  // namespace tk
