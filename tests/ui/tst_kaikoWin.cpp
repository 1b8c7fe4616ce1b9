// The dismissal screen: the same list as the roster, dismissal keeping the squad packed and
// stopping at five players.
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "core/rules/lookups.h"
#include "core/rules/roster_rules.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/squad_screen_support.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/screens/RosterList.h"
#include "ui/screens/kaikoWin.h"

using namespace tk;
using namespace tk::test;

class tst_kaikoWin : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void fivePlayersCannotBeDismissed() {
        NewGameFixture g;
        SetSquadSize(g.state, 5);
        kaikoWin win(g.game);
        QCOMPARE(win.windowTitle(), QString::fromStdString(RosterTitle(g.state)));
        QVERIFY(!win.Command1()->isEnabled());
        QCOMPARE(win.findChildren<QPushButton *>().size(), 2);  // "選手解雇" and "閉じる"
        win.DismissSelected();
        QCOMPARE(PlayerCount(g.state), 5);
        QVERIFY(g.ui.messages.empty());
    }

    void dismissalAfterAScrollTakesTheShownPlayer() {
        NewGameFixture g;
        SetSquadSize(g.state, 12);
        g.state.Players[5].PracticeSlot = 2;
        const PlayerRecord next = g.state.Players[5];
        g.ui.answers = {true};
        kaikoWin win(g.game);
        win.List()->ScrollTo(3);
        QVERIFY(win.List()->Select(1));
        QCOMPARE(win.List()->ElectedPlayer(), 4);
        QTest::mouseClick(win.Command1(), Qt::LeftButton);
        QCOMPARE(PlayerCount(g.state), 11);
        QVERIFY(SquadPacked(g.state));
        QVERIFY(g.state.Players[4] == next);  // moved up with his practice place
        QVERIFY(g.state.Players[11] == PlayerRecord{});
        // Reopened as new: from the top, the range one shorter.
        QCOMPARE(win.List()->ScrollPosition(), 0);
        QCOMPARE(win.List()->SelectedRow(), 0);
        QCOMPARE(win.List()->ScrollBar()->maximum(), 3);
        GrabIfAsked(&win, QStringLiteral("kaikoWin"));
    }

    void repeatedDismissalStopsAtFive() {
        NewGameFixture g;
        SetSquadSize(g.state, 8);
        g.ui.defaultAnswer = true;
        kaikoWin win(g.game);
        for (int click = 0; click < 6; ++click) win.DismissSelected();
        QCOMPARE(PlayerCount(g.state), 5);
        QVERIFY(SquadPacked(g.state));
        QVERIFY(!win.Command1()->isEnabled());
        QTest::mouseClick(win.Command4(), Qt::LeftButton);
        QCOMPARE(win.result(), int(QDialog::Accepted));
    }
};

TK_UI_TEST(tst_kaikoWin);

#include "tst_kaikoWin.moc"
