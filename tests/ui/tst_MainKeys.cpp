// The main screen's keys, sent to the widget that has the focus as a player's keyboard
// would: the arrows through the squad, Enter or Space for the week, a key for every command
// shown in its tooltip, F1 for the help, and the hidden key sequence staying armed.
#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/shell/HelpWin.h"
#include "ui/shell/MainWin.h"
#include "ui/shell/game_app.h"
#include "ui/shell/main_screen.h"
#include "ui/shell/main_shortcuts.h"
#include "ui/widgets/command_bar.h"

using namespace tk;
using namespace tk::test;

namespace {

// A new game on its main screen, the window active and the introduction answered.
struct KeySession {
    QTemporaryDir dir;
    GameApp app{dir.path(), 7};
    MainWin *main = nullptr;

    KeySession() {
        app.SetMainScreenFactory(&OpenMainScreen);
        app.GameSettings().FastMode = kTrue;
        ModalAnswerer intro(ModalAnswerer::Click(QStringLiteral("閉じる")));
        app.BeginNewGame(QStringLiteral("キー"), QStringLiteral("監督"));
        main = qobject_cast<MainWin *>(app.MainScreen());
        if (main) Activate(main);
    }

    // The offscreen platform has no window manager to give a new window the focus: the
    // test does what the window manager would.
    static bool Activate(QWidget *window) {
        window->activateWindow();
        return QTest::qWaitFor([window] { return window->isActiveWindow(); }, 2000);
    }
    // A key as the player types it: to whatever has the focus.
    static void Type(int key) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY2(focus != nullptr, "no widget has the focus");
        QTest::keyClick(focus, static_cast<Qt::Key>(key));
    }
};

}  // namespace

class tst_MainKeys : public QObject {
    Q_OBJECT

    ScopedUiTimingScale fast_{0.001};

private slots:
    void cleanup() {
        const QStringList leaked = LeakedWindows();
        QVERIFY2(leaked.isEmpty(), qPrintable(leaked.join(QStringLiteral(", "))));
    }

    void theSquadHoldsTheFocusNotTheScrollArea() {
        KeySession s;
        QVERIFY(s.main);
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QCOMPARE(focus->objectName(), QStringLiteral("PlayerPanel"));
    }

    void arrowsMoveThroughTheSquad_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("down one") << 0 << int(Qt::Key_Down) << 1;
        QTest::newRow("up one") << 1 << int(Qt::Key_Up) << 0;
        QTest::newRow("right five") << 0 << int(Qt::Key_Right) << 5;
        QTest::newRow("left five") << 5 << int(Qt::Key_Left) << 0;
        QTest::newRow("above the first: nothing") << 0 << int(Qt::Key_Up) << 0;
        QTest::newRow("past the squad: the first") << 5 << int(Qt::Key_Down) << 0;
        QTest::newRow("right past the squad") << 3 << int(Qt::Key_Right) << 0;
    }

    void arrowsMoveThroughTheSquad() {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        KeySession s;
        s.main->SelectPlayer(from);
        KeySession::Type(key);
        QCOMPARE(s.main->SelectedPlayer(), to);
    }

    void enterOrSpacePlaysTheWeek_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("1") << int(Qt::Key_1);
    }

    void enterOrSpacePlaysTheWeek() {
        QFETCH(int, key);
        KeySession s;
        KeySession::Type(key);
        QVERIFY(QTest::qWaitFor([&] { return s.app.State().WeekCount == 14; }, 5000));
        QVERIFY(!s.main->PracticeRunning());
    }

    void everyCommandHasItsKey_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("toolTip");
        const QString bar[] = {"",       "PracMenuWin", "GameSetWin",   "ItemsWin",
                               "SetWIn", "ZimuWin",     "PlayerSetWin", "WholeTochiWin"};
        for (int i = 1; i < 8; ++i)
            QTest::newRow(qPrintable(bar[i]))
                << int(Qt::Key_1 + i) << bar[i] << QStringLiteral("bar%1").arg(i);
        const QString below[] = {"SensyuWin", "RegurarSetWin", "TochiWin", "DistributeWin"};
        for (int i = 0; i < 4; ++i)
            QTest::newRow(qPrintable(below[i]))
                << int(Qt::Key_F2 + i) << below[i] << QStringLiteral("Command%1").arg(i + 1);
    }

    void everyCommandHasItsKey() {
        QFETCH(int, key);
        QFETCH(QString, screen);
        QFETCH(QString, toolTip);
        KeySession s;
        // The key is named in the tooltip of its button.
        const QString tip = toolTip.startsWith(QStringLiteral("bar"))
                                ? s.main->Bar()->ButtonToolTip(toolTip.mid(3).toInt())
                                : s.main->findChild<QPushButton *>(toolTip)->toolTip();
        QVERIFY2(tip.endsWith(QKeySequence(key).toString()), qPrintable(tip));
        // The screen opens, and Esc (typed into its focused widget) closes it.
        QString opened;
        ModalAnswerer esc(
            [&](QWidget *modal) {
                opened = modal->objectName();
                QVERIFY(KeySession::Activate(modal));
                KeySession::Type(Qt::Key_Escape);
            },
            screen);
        KeySession::Type(key);
        QVERIFY(esc.Acted());
        QCOMPARE(opened, screen);
        QVERIFY(esc.Closed());
        QVERIFY(!esc.TimedOut());
    }

    void f1OpensTheHelpBesideTheGame() {
        KeySession s;
        KeySession::Type(Qt::Key_F1);
        auto *help = s.main->findChild<HelpWin *>();
        QVERIFY(help && help->isVisible());
        QVERIFY(!help->isModal());
        QVERIFY(KeySession::Activate(help));
        KeySession::Type(Qt::Key_Escape);
        QVERIFY(!help->isVisible());
        // The menu entry opens the same window again.
        QAction *entry = s.main->findChild<QAction *>(QStringLiteral("GHelp"));
        QVERIFY(entry);
        QCOMPARE(entry->shortcut(), QKeySequence(Qt::Key_F1));
        entry->trigger();
        QCOMPARE(s.main->findChildren<HelpWin *>().size(), 1);
        QVERIFY(help->isVisible());
        help->close();
    }

    void theHiddenSequenceStaysArmedAfterItsNotice() {
        // Real intervals: the two seconds of the sequence must not run out inside the test.
        ScopedUiTimingScale real(1.0);
        KeySession s;
        const int before = s.app.State().Money;
        for (int key : {Qt::Key_T, Qt::Key_N, Qt::Key_S}) KeySession::Type(key);
        for (int round = 1; round <= 2; ++round) {
            // The notice takes the focus from the main window, as it does on a desktop.
            ModalAnswerer ok(
                [](QWidget *notice) {
                    QVERIFY(KeySession::Activate(notice));
                    ClickButton(notice, QStringLiteral("閉じる"));
                },
                QStringLiteral("MeSForm"));
            KeySession::Type(Qt::Key_M);
            QVERIFY(ok.Acted());
            QCOMPARE(s.app.State().Money, before + round * 100000);
            QVERIFY(KeySession::Activate(s.main));
        }
    }
};

TK_UI_TEST(tst_MainKeys);

#include "tst_MainKeys.moc"
