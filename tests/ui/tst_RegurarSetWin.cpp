// The lineup screen: swaps, moves, the arrow keys, the long bench, and no closing with a gap.
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "core/rules/lookups.h"
#include "tests/support/scripted_ui.h"
#include "tests/ui/match_screen_support.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/screens/RegurarSetWin.h"
#include "ui/widgets/click_label.h"

using namespace tk;
using namespace tk::test;

namespace {

int OrderOf(const GameState &s, int slot) {
    return s.Players[static_cast<std::size_t>(slot)].Order;
}

}  // namespace

class tst_RegurarSetWin : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void opensOnPlaceOneAndTheFirstBenchCell() {
        TestGame t;
        SetSquad(t.state, {100, 110, 120, 130, 140}, 2, 90);
        // The second bench player is at the net: the volley is shown in the fifth row.
        PlayerRecord &net = t.state.Players[6];
        net.Style = 1;
        net.Level(5) = 30;
        net.Level(6) = 240;
        RegurarSetWin win(t.game);
        QCOMPARE(win.SelectedPlace(), 1);
        QCOMPARE(win.SelectedBenchCell(), 0);
        QVERIFY(win.RElected(1)->isVisibleTo(&win));
        QVERIFY(win.Elected(0)->isVisibleTo(&win));
        QCOMPARE(win.Bench()[0], 5);
        QCOMPARE(win.Bench()[2], kEmptyCell);
        QCOMPARE(win.RF(6)->text(), QStringLiteral("後衛"));
        QCOMPARE(win.SB()->text(), QStringLiteral("　ショット"));
        QVERIFY(!win.UpButton()->isEnabled());
        QVERIFY(win.DownButton()->isEnabled());

        QTest::mouseClick(win.NameSection(1), Qt::LeftButton);
        QCOMPARE(win.SelectedBenchCell(), 1);
        QCOMPARE(win.SB()->text(), QStringLiteral("　 ボレー"));
        QCOMPARE(win.Force(5)->text(), QString::fromStdString(GradeLetter(240)));
        QCOMPARE(win.Force(6)->text(), QStringLiteral("前衛"));
        QCOMPARE(win.Force(6)->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(!win.Elected(0)->isVisibleTo(&win));

        QTest::mouseClick(win.NameSection(2), Qt::LeftButton);  // empty: ignored
        QCOMPARE(win.SelectedBenchCell(), 1);

        // A regular at the net: his details show the volley, and the bench's SB is left
        // alone, as is the regular row's own caption.
        t.state.Players[2].Style = 1;
        t.state.Players[2].Level(6) = 250;
        QTest::mouseClick(win.RNameSection(3), Qt::LeftButton);
        QCOMPARE(win.RF(5)->text(), QStringLiteral("S"));
        QCOMPARE(win.RF(6)->text(), QStringLiteral("前衛"));
        QCOMPARE(win.SB()->text(), QStringLiteral("　 ボレー"));
        QTest::mouseClick(win.NameSection(0), Qt::LeftButton);
        QCOMPARE(win.SB()->text(), QStringLiteral("　ショット"));
        QTest::mouseClick(win.RNameSection(3), Qt::LeftButton);
        QCOMPARE(win.SB()->text(), QStringLiteral("　ショット"));
        QCOMPARE(win.RSB()->text(), QStringLiteral("ショット/ボレー"));
    }

    void swapPutsTheBenchPlayerIntoThePlace() {
        TestGame t;
        SetSquad(t.state, {100, 100, 100, 100, 100}, 2);
        RegurarSetWin win(t.game);
        win.SelectBenchCell(1);  // slot 6
        QTest::mouseClick(win.ChangeKey(3), Qt::LeftButton);
        QCOMPARE(OrderOf(t.state, 6), 3);
        QCOMPARE(OrderOf(t.state, 2), 0);
        QCOMPARE(win.SelectedPlace(), 3);
        // The refilled bench lists slots 2 and 5; the selected cell now shows slot 5.
        QCOMPARE(win.Bench()[0], 2);
        QCOMPARE(win.Bench()[1], 5);
        QCOMPARE(win.SelectedBenchCell(), 1);
    }

    void swapIntoAnEmptyPlaceSendsNobodyToTheBench() {
        TestGame t;
        SetSquad(t.state, {100, 100, 100, 100}, 2);
        RegurarSetWin win(t.game);
        QVERIFY(!win.AllPlacesFilled());
        QCOMPARE(win.RNameSection(5)->text(), QStringLiteral(" "));
        win.SwapIntoPlace(5);  // bench cell 0, slot 4
        QCOMPARE(OrderOf(t.state, 4), 5);
        QVERIFY(win.AllPlacesFilled());
        QCOMPARE(win.Bench()[0], 5);
        QCOMPARE(win.Bench()[1], kEmptyCell);
    }

    void movesUpAndDown() {
        TestGame t;
        SetSquad(t.state, {100, 100, 100, 100, 100});
        RegurarSetWin win(t.game);
        win.SelectPlace(2);
        QTest::mouseClick(win.UpButton(), Qt::LeftButton);
        QCOMPARE(OrderOf(t.state, 1), 1);
        QCOMPARE(OrderOf(t.state, 0), 2);
        QCOMPARE(win.SelectedPlace(), 1);
        QVERIFY(!win.UpButton()->isEnabled());
        win.SelectPlace(5);
        QVERIFY(!win.DownButton()->isEnabled());
        QTest::mouseClick(win.UpButton(), Qt::LeftButton);
        QCOMPARE(OrderOf(t.state, 4), 4);
        QCOMPARE(OrderOf(t.state, 3), 5);
        QCOMPARE(win.SelectedPlace(), 4);
        QVERIFY(win.UpButton()->isEnabled() && win.DownButton()->isEnabled());
    }

    void arrowKeysMoveOverFilledCellsOnly() {
        TestGame t;
        SetSquad(t.state, {100, 100, 100, 100, 100}, 7);  // bench cells 0..6
        RegurarSetWin win(t.game);
        win.show();
        QTest::keyClick(&win, Qt::Key_Right);
        QCOMPARE(win.SelectedBenchCell(), 5);
        QTest::keyClick(win.Command1(), Qt::Key_Down);  // whichever control has the focus
        QCOMPARE(win.SelectedBenchCell(), 6);
        QTest::keyClick(&win, Qt::Key_Down);  // cell 7 is empty
        QCOMPARE(win.SelectedBenchCell(), 6);
        QTest::keyClick(&win, Qt::Key_Right);  // outside the bench
        QCOMPARE(win.SelectedBenchCell(), 6);
        QTest::keyClick(&win, Qt::Key_Left);
        QTest::keyClick(&win, Qt::Key_Up);
        QCOMPARE(win.SelectedBenchCell(), 0);
        win.hide();
    }

    void arrowKeysWaitForABenchPlayer() {
        TestGame t;
        SetSquad(t.state, {100, 100, 100, 100, 100}, 0);
        RegurarSetWin win(t.game);
        QVERIFY(!win.BenchChosen());
        QTest::keyClick(&win, Qt::Key_Down);
        QCOMPARE(win.SelectedBenchCell(), 0);
        QVERIFY(!win.Elected(0)->isVisibleTo(&win));
    }

    void refusesToCloseWithAnEmptyPlace() {
        TestGame t;
        SetSquad(t.state, {100, 100, 0, 100, 100}, 1);
        t.state.Players[2] = {};  // the third regular has left
        RegurarSetWin win(t.game);
        win.show();
        ClickButton(&win, QStringLiteral("決定"));
        QVERIFY(win.isVisible());
        QTest::keyClick(&win, Qt::Key_Escape);
        QVERIFY(win.isVisible());
        QVERIFY(!win.close());
        QCOMPARE(t.ui.messages.size(), std::size_t{3});
        QCOMPARE(t.ui.messages[0].text, std::string("レギュラーを\r５人決めてください。"));
        QCOMPARE(t.ui.messages[0].fontSize, 14);

        win.SwapIntoPlace(3);
        ClickButton(&win, QStringLiteral("決定"));
        QVERIFY(!win.isVisible());
        QCOMPARE(t.ui.messages.size(), std::size_t{3});
    }

    // Twenty players without a place do not fit fifteen cells: the bench scrolls, and every
    // one of them can be put into a place.
    void longBenchScrollsToEveryPlayer() {
        TestGame t;
        SetSquad(t.state, {}, 20);
        RegurarSetWin win(t.game);
        win.show();
        QVERIFY(win.BenchScroll()->isVisible());
        QCOMPARE(win.BenchScroll()->maximum(), 1);
        QCOMPARE(win.Bench()[14], 14);
        win.BenchScroll()->setValue(1);
        QCOMPARE(win.Bench()[0], 5);
        QCOMPARE(win.Bench()[14], 19);
        for (int n = 1; n <= 5; ++n) {
            win.SelectBenchCell(14 - (n - 1));  // slots 19, 18, ... as the bench shrinks
            win.SwapIntoPlace(n);
        }
        for (int n = 1; n <= 5; ++n) QCOMPARE(OrderOf(t.state, 20 - n), n);
        // Fifteen left: they fit again and the scroll bar goes away.
        QVERIFY(!win.BenchScroll()->isVisible());
        QCOMPARE(win.FirstBenchColumn(), 0);
        ClickButton(&win, QStringLiteral("決定"));
        QVERIFY(!win.isVisible());
        QVERIFY(t.ui.messages.empty());
    }
};

TK_UI_TEST(tst_RegurarSetWin);

#include "tst_RegurarSetWin.moc"
