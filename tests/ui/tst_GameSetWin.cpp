// The match booking screen: which bookings it offers, its texts, and what a booking writes.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/rules/win_chance.h"
#include "tests/support/scripted_ui.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/screens/GameSetWin.h"

using namespace tk;
using namespace tk::test;

namespace {

constexpr int kThisWeek = 48 + 9;  // year 2, 3月1週

QString Q(const char *utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

class tst_GameSetWin : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void practiceBooking_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("nextWeekKind");
        QTest::addColumn<bool>("lv5Won");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("canGame");
        QTest::addColumn<bool>("bookable");
        QTest::newRow("open") << 3 << 0 << false << Q("練習試合　　3(回)/10(回中)")
                              << Q("来週は練習試合が可能です｡") << true;
        QTest::newRow("ten this year") << 10 << 0 << true << Q("練習試合　　10(回)/10(回中)")
                                       << Q("今年はすでに練習試合を\n10回行っています。") << false;
        QTest::newRow("next week holds a tournament")
            << 0 << 12 << false << Q("練習試合　　0(回)/10(回中)")
            << Q("来週はすでに予定が入って\nいるので試合はできません。") << false;
        QTest::newRow("next week holds a practice match")
            << 1 << 2 << true << Q("練習試合　　1(回)/10(回中)")
            << Q("来週はすでに予定が入って\nいるので試合はできません。") << false;
    }

    void practiceBooking() {
        QFETCH(int, count);
        QFETCH(int, nextWeekKind);
        QFETCH(bool, lv5Won);
        TestGame t;
        t.state.WeekCount = kThisWeek;
        t.state.PracticeMatchCount = static_cast<std::int16_t>(count);
        t.state.MatchKind(kThisWeek + 1) = static_cast<std::uint8_t>(nextWeekKind);
        t.state.Category[0].Qualified = lv5Won ? kTrue : kFalse;
        GameSetWin win(t.game);
        QTEST(win.PraFre()->title(), "caption");
        QTEST(win.CanGame()->text(), "canGame");
        QTEST(win.Command1()->isEnabled(), "bookable");
        QCOMPARE(win.PGCom(5)->text(), QStringLiteral("Lv.Max"));
        QCOMPARE(win.PGCom(5)->isEnabled(), lv5Won);
        QVERIFY(win.PGCom(0)->isChecked());
        QCOMPARE(win.ChosenLevel(), 1);
    }

    void tournamentButtons_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("qualified");
        QTest::addColumn<bool>("always");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("condition");
        QTest::newRow("関東 not yet")
            << 2 << false << false << false << Q("条件　春・秋季大会でベスト4");
        QTest::newRow("関東 open")
            << 2 << true << false << true << Q("条件　春・秋季大会でベスト4");
        QTest::newRow("日本 open") << 3 << true << false << true << Q("条件　春・秋季大会で優勝");
        QTest::newRow("ワールド not yet")
            << 4 << false << false << false << Q("条件　日本選手権で優勝");
        QTest::newRow("every year, qualified")
            << 4 << true << true << false << Q("常時出場しています。");
        QTest::newRow("every year") << 3 << false << true << false << Q("常時出場しています。");
    }

    void tournamentButtons() {
        QFETCH(int, index);
        QFETCH(bool, qualified);
        QFETCH(bool, always);
        TestGame t;
        t.state.WeekCount = kThisWeek;
        t.state.Category[static_cast<std::size_t>(index)].Qualified = qualified ? kTrue : kFalse;
        t.state.Category[static_cast<std::size_t>(index)].AlwaysEnter = always ? kTrue : kFalse;
        GameSetWin win(t.game);
        QTEST(win.GameKind(index)->isEnabled(), "enabled");
        QTEST(win.Zyokenn(index)->text(), "condition");
        QCOMPARE(win.Dates(2)->text(), Q("日時\n6月3週\n12月1週"));
        QCOMPARE(win.Dates(3)->text(), Q("日時\n7月2週"));
    }

    void bookingAsksThenWritesNextWeek() {
        TestGame t;
        t.state.WeekCount = kThisWeek;
        t.state.PracticeMatchCount = 4;
        t.ui.answers = {false, true};
        GameSetWin win(t.game);
        win.show();
        ClickButton(&win, QStringLiteral("PGCom_2"));
        QCOMPARE(win.ChosenLevel(), 3);

        ClickButton(&win, QStringLiteral("試合申込み"));  // answered no: nothing happens
        QVERIFY(win.isVisible());
        QCOMPARE(t.state.MatchKind(kThisWeek + 1), 0);
        QCOMPARE(t.ui.messages.back().text, std::string("来週練習試合を\r行いますか？"));
        QCOMPARE(t.ui.messages.back().fontSize, 14);

        ClickButton(&win, QStringLiteral("試合申込み"));  // yes: booked and closed
        QVERIFY(!win.isVisible());
        QCOMPARE(win.result(), int(QDialog::Accepted));
        QCOMPARE(t.state.MatchKind(kThisWeek + 1), 3);
        QCOMPARE(t.state.PracticeMatchCount, 5);
    }

    void applyingAsksForTheWeekAndEnters() {
        TestGame t;
        t.state.WeekCount = kThisWeek;
        t.state.Category[2].Qualified = kTrue;
        t.ui.answers = {true};
        GameSetWin win(t.game);
        win.show();
        ClickButton(&win, QStringLiteral("関東選抜に申込む"));
        QVERIFY(!win.isVisible());
        QCOMPARE(t.ui.messages.size(), std::size_t{1});
        QCOMPARE(t.ui.messages[0].text,
                 std::string("6月3週に関東選抜を\r行います。よろしいですか？"));
        QCOMPARE(t.ui.messages[0].fontSize, 12);
        QCOMPARE(t.state.MatchKind(48 + 23), 20);
    }

    // Each level shows the regulars' chance, estimated without one draw of the game's own.
    void winChanceShownWithoutADraw() {
        TestGame t(99);
        t.state.WeekCount = kThisWeek;
        for (int n = 0; n < 5; ++n) {
            PlayerRecord &p = t.state.Players[static_cast<std::size_t>(n)];
            p.FamilyName = p.FirstName = static_cast<std::uint8_t>(n + 1);
            for (int k = 1; k <= 6; ++k) p.Level(k) = 130;
            p.Order = static_cast<std::uint8_t>(n + 1);
        }
        const GameState before = t.state;
        const std::array<int, 6> chances = PracticeWinPercents(t.state);
        GameSetWin win(t.game);
        for (int j = 0; j < 6; ++j)
            QCOMPARE(win.WinChance(j)->text(), QStringLiteral("勝率 %1％").arg(chances[j]));
        QVERIFY(chances[0] > chances[5]);
        QVERIFY(t.state == before);
        Rng untouched(99);
        QCOMPARE(t.rng.Uniform(), untouched.Uniform());
    }

    void closeBooksNothing() {
        TestGame t;
        t.state.WeekCount = kThisWeek;
        const GameState before = t.state;
        GameSetWin win(t.game);
        win.show();
        ClickButton(&win, QStringLiteral("閉じる"));
        QVERIFY(!win.isVisible());
        QVERIFY(t.state == before);
        QVERIFY(t.ui.messages.empty());
    }
};

TK_UI_TEST(tst_GameSetWin);

#include "tst_GameSetWin.moc"
