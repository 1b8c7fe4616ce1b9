// Keys as a player types them in the UI tests: into the widget that has the focus, after
// the window is made active as a window manager would; and a new game on its main screen.
#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include "tests/ui/modal_helper.h"
#include "ui/shell/MainWin.h"
#include "ui/shell/game_app.h"
#include "ui/shell/main_screen.h"

namespace tk::test {

// The offscreen platform has no window manager to give a new window the focus: the test
// does what the window manager would.
inline bool ActivateLikeAWindowManager(QWidget *window) {
    window->activateWindow();
    return QTest::qWaitFor([window] { return window->isActiveWindow(); }, 2000);
}

// A key typed into whatever has the focus.
inline void TypeIntoFocus(int key) {
    QWidget *focus = QApplication::focusWidget();
    QVERIFY2(focus != nullptr, "no widget has the focus");
    QTest::keyClick(focus, static_cast<Qt::Key>(key));
}

// A new game in slot 0 of its own folder, on its main screen (active), the introduction
// answered.
struct MainScreenSession {
    QTemporaryDir dir;
    GameApp app;
    MainWin *main = nullptr;

    explicit MainScreenSession(std::uint64_t seed, bool fast = false) : app(dir.path(), seed) {
        app.SetMainScreenFactory(&OpenMainScreen);
        app.GameSettings().FastMode = fast ? kTrue : kFalse;
        ModalAnswerer intro(ModalAnswerer::Click(QStringLiteral("閉じる")));
        app.BeginNewGame(QStringLiteral("キー"), QStringLiteral("監督"));
        main = qobject_cast<MainWin *>(app.MainScreen());
        if (main) ActivateLikeAWindowManager(main);
    }
};

}  // namespace tk::test
