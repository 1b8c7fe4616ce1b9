// The sponsor choice screen: caption by the signing condition, browsing 1/7 .. 7/7, "済",
// and signing into the office's slot.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/rules/sponsors.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "tests/ui/view_test_support.h"
#include "ui/screens/SelectSponWin.h"

using namespace tk;
using namespace tk::test;

class tst_SelectSponWin : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void opensOnTheFirstSponsor() {
        NewGameFixture g;
        SelectSponWin screen(g.game, 1);
        QCOMPARE(screen.SponNum(), 1);
        QCOMPARE(screen.windowTitle(), QStringLiteral("スポンサー選択-契約条件を満たしていません"));
        QCOMPARE(screen.SponsorName()->text(), QString::fromStdString(SName(1)));
        QCOMPARE(screen.Position()->text(), QStringLiteral("1/7"));
        QCOMPARE(screen.Condition()->text(), QString::fromStdString(SJoken(1)));
        QCOMPARE(screen.Fee()->text(), QStringLiteral("1000万円/年"));
        QCOMPARE(screen.Keeping()->text(), QString::fromStdString(SZyoushu(1)));
        QCOMPARE(screen.Penalty()->text(), QStringLiteral("0万円"));
        QCOMPARE(screen.SignedMark()->text(), QString());
        QVERIFY(!screen.Command3()->isEnabled());
    }

    void browsingStopsAtTheEnds() {
        NewGameFixture g;
        g.state.SponsorState.Unlocked[7] = -1;
        SelectSponWin screen(g.game, 2);
        ClickButton(&screen, QStringLiteral("前へ"));
        QCOMPARE(screen.SponNum(), 1);
        for (int k = 0; k < 8; ++k) ClickButton(&screen, QStringLiteral("次へ"));
        QCOMPARE(screen.SponNum(), 7);
        QCOMPARE(screen.Position()->text(), QStringLiteral("7/7"));
        QCOMPARE(screen.windowTitle(), QStringLiteral("スポンサー選択-契約条件を満たしています"));
        QVERIFY(screen.Command3()->isEnabled());
        GrabIfAsked(&screen, QStringLiteral("SelectSponWin"));
    }

    // A sponsor in the other slot shows "済" and cannot be signed twice, unlocked or not.
    void signedSponsorShowsItsMark() {
        NewGameFixture g;
        g.state.SponsorState.Unlocked[1] = -1;
        g.state.SponsorState.Unlocked[2] = -1;
        g.state.SponsorState.Contract[1] = 2;
        SelectSponWin screen(g.game, 2);
        QCOMPARE(screen.SignedMark()->text(), QString());
        QVERIFY(screen.Command3()->isEnabled());
        ClickButton(&screen, QStringLiteral("次へ"));
        QCOMPARE(screen.SignedMark()->text(), QStringLiteral("済"));
        QVERIFY(!screen.Command3()->isEnabled());
    }

    void signingReplacesTheSlot() {
        NewGameFixture g;
        g.state.SponsorState.Unlocked[2] = -1;
        g.state.SponsorState.Contract[1] = 1;
        g.ui.answers = {false, true};
        SelectSponWin screen(g.game, 1);
        screen.show();
        ClickButton(&screen, QStringLiteral("次へ"));
        ClickButton(&screen, QStringLiteral("契約"));
        QVERIFY(screen.isVisible());  // "いいえ"
        QCOMPARE(int(g.state.SponsorState.Contract[1]), 1);
        QVERIFY(g.ui.Saw(SName(2) + "\rと契約します。\rよろしいですか？"));
        ClickButton(&screen, QStringLiteral("契約"));
        QVERIFY(!screen.isVisible());
        QCOMPARE(int(g.state.SponsorState.Contract[1]), 2);
        QCOMPARE(g.state.Money, 3000);
    }
};

TK_UI_TEST(tst_SelectSponWin);

#include "tst_SelectSponWin.moc"
