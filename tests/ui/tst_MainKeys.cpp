// The main screen's keys, sent to the widget that has the focus as a player's keyboard
// would: the arrows through the squad, Enter or Space for the week, a key for every command
// shown in its tooltip, F1 for the help, and the hidden key sequence staying armed.
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "tests/ui/key_test_support.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/shell/HelpWin.h"
#include "ui/shell/MainWin.h"
#include "ui/shell/main_shortcuts.h"
#include "ui/widgets/command_bar.h"

using namespace tk;
using namespace tk::test;

namespace {

// Fast practice weeks, so that a played week ends within the test.
struct KeySession : MainScreenSession {
    KeySession() : MainScreenSession(7, true) {}
};

}  // namespace

class tst_MainKeys : public QObject {
    Q_OBJECT

    ScopedUiTimingScale fast_{0.001};

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

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
        TypeIntoFocus(key);
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
        TypeIntoFocus(key);
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
                QVERIFY(ActivateLikeAWindowManager(modal));
                TypeIntoFocus(Qt::Key_Escape);
            },
            screen);
        TypeIntoFocus(key);
        QVERIFY(esc.Acted());
        QCOMPARE(opened, screen);
        QVERIFY(esc.Closed());
        QVERIFY(!esc.TimedOut());
    }

    void f1OpensTheHelpBesideTheGame() {
        KeySession s;
        TypeIntoFocus(Qt::Key_F1);
        auto *help = s.main->findChild<HelpWin *>();
        QVERIFY(help && help->isVisible());
        QVERIFY(!help->isModal());
        QVERIFY(ActivateLikeAWindowManager(help));
        TypeIntoFocus(Qt::Key_Escape);
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
        for (int key : {Qt::Key_T, Qt::Key_N, Qt::Key_S}) TypeIntoFocus(key);
        for (int round = 1; round <= 2; ++round) {
            // The notice takes the focus from the main window, as it does on a desktop.
            ModalAnswerer ok(
                [](QWidget *notice) {
                    QVERIFY(ActivateLikeAWindowManager(notice));
                    ClickButton(notice, QStringLiteral("閉じる"));
                },
                QStringLiteral("MeSForm"));
            TypeIntoFocus(Qt::Key_M);
            QVERIFY(ok.Acted());
            QCOMPARE(s.app.State().Money, before + round * 100000);
            QVERIFY(ActivateLikeAWindowManager(s.main));
        }
    }
};

TK_UI_TEST(tst_MainKeys);

#include "tst_MainKeys.moc"
