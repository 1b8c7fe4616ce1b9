// The office: figures, balance colours, sponsor slots with their marks, the schedule, and
// "契約" only in April.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/rules/office_rules.h"
#include "core/rules/sponsors.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "tests/ui/view_test_support.h"
#include "ui/screens/SelectSponWin.h"
#include "ui/screens/ZimuWin.h"
#include "ui/widgets/label_style.h"

using namespace tk;
using namespace tk::test;

class tst_ZimuWin : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void figuresOfANewGame() {
        NewGameFixture g;
        ZimuWin screen(g.game);
        QCOMPARE(screen.windowTitle(), QStringLiteral("監督室"));
        QCOMPARE(screen.Level()->text(), QStringLiteral("Lv.%1").arg(g.state.TeamLevel));
        QCOMPARE(screen.LandUpkeep()->text(), QStringLiteral("23万円"));
        QCOMPARE(screen.TenantUpkeep()->text(), QStringLiteral("0万円"));
        QCOMPARE(screen.CoachSalaries()->text(), QStringLiteral("0万円"));
        QCOMPARE(screen.SponsorName(1)->text(), QStringLiteral("なし"));
        QCOMPARE(screen.SponsorText(2)->text(), QStringLiteral("スポンサー契約\n\nしていません"));
    }

    void balanceColours_data() {
        QTest::addColumn<int>("money");
        QTest::addColumn<int>("monthEnd");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("loss in red") << 3000 << 3200 << "-200万円" << QColor(255, 0, 0);
        QTest::newRow("even in black") << 3000 << 3000 << "0万円" << QColor(0, 0, 0);
        QTest::newRow("gain in black") << 3500 << 3000 << "500万円" << QColor(0, 0, 0);
    }

    void balanceColours() {
        QFETCH(int, money);
        QFETCH(int, monthEnd);
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        NewGameFixture g;
        g.state.Money = money;
        g.state.LastYear.MoneyAtMonthEnd = monthEnd;
        g.state.LastYear.MoneyAtYearEnd = monthEnd;
        ZimuWin screen(g.game);
        QCOMPARE(screen.MonthBalance()->text(), text);
        QCOMPARE(TextColour(screen.MonthBalance()), colour);
        QCOMPARE(screen.SeasonBalance()->text(), text);
        QCOMPARE(TextColour(screen.SeasonBalance()), colour);
    }

    void shortfallInRed() {
        NewGameFixture g;
        ZimuWin screen(g.game);
        QCOMPARE(screen.YearEndShortfall()->text(), QStringLiteral("なし"));
        QCOMPARE(TextColour(screen.YearEndShortfall()), QColor(0, 0, 0));
        g.state.Money = static_cast<std::int32_t>(YearEndNeed(g.state)) - 120;
        screen.Writing();
        QCOMPARE(screen.YearEndShortfall()->text(), QStringLiteral("120万円"));
        QCOMPARE(TextColour(screen.YearEndShortfall()), QColor(255, 0, 0));
    }

    void sponsorSlotsAndTheirMarks() {
        NewGameFixture g;
        g.state.SponsorState.Contract[1] = 4;
        g.state.SponsorState.Contract[2] = 1;
        ZimuWin screen(g.game);
        QCOMPARE(screen.SponsorName(1)->text(), QString::fromStdString(SName(4)));
        QVERIFY(screen.SponsorText(1)->text().contains(QStringLiteral("常守条件  ×\n")));
        QVERIFY(screen.SponsorText(2)->text().contains(QStringLiteral("常守条件\n")));
        g.state.SponsorState.KeptThisYear[4] = -1;
        screen.Writing();
        QVERIFY(screen.SponsorText(1)->text().contains(QStringLiteral("常守条件  ○\n")));
        GrabIfAsked(&screen, QStringLiteral("ZimuWin"));
    }

    void scheduleOfThreeWeeks() {
        NewGameFixture g;
        for (int m = 0; m < 3; ++m) g.state.MatchKind(g.state.WeekCount + m) = 0;
        g.state.MatchKind(g.state.WeekCount + 1) = 10;
        ZimuWin screen(g.game);
        QVERIFY(screen.Schedule(0)->text().startsWith(QStringLiteral("試合予定なし\n")));
        QVERIFY(screen.Schedule(1)->text().startsWith(QStringLiteral("春季大会\n")));
        QVERIFY(screen.Schedule(2)->text().startsWith(QStringLiteral("試合予定なし\n")));
    }

    void signingOnlyInApril_data() {
        QTest::addColumn<int>("week");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("April, first week") << 13 << true;
        QTest::newRow("April, last week") << 16 << true;
        QTest::newRow("May") << 17 << false;
        QTest::newRow("March") << 12 << false;
        QTest::newRow("next April") << 61 << true;
    }

    void signingOnlyInApril() {
        QFETCH(int, week);
        QFETCH(bool, enabled);
        NewGameFixture g;
        g.state.WeekCount = week;
        ZimuWin screen(g.game);
        QCOMPARE(screen.Spon(0)->isEnabled(), enabled);
        QCOMPARE(screen.Spon(1)->isEnabled(), enabled);
    }

    void signingFillsTheSlotAndRedraws() {
        NewGameFixture g;
        g.state.SponsorState.Unlocked[2] = -1;
        g.ui.answers = {true};
        ZimuWin screen(g.game);
        int slot = 0;
        ModalAnswerer answer(
            [&](QWidget *modal) {
                slot = static_cast<SelectSponWin *>(modal)->SponserNum();
                ClickButton(modal, QStringLiteral("次へ"));
                ClickButton(modal, QStringLiteral("契約"));
            },
            QStringLiteral("SelectSponWin"));
        QTest::mouseClick(screen.Spon(1), Qt::LeftButton);
        QVERIFY(answer.Closed());
        QCOMPARE(slot, 2);
        QCOMPARE(int(g.state.SponsorState.Contract[2]), 2);
        QCOMPARE(int(g.state.SponsorState.Contract[1]), 0);
        QCOMPARE(screen.SponsorName(2)->text(), QString::fromStdString(SName(2)));
    }
};

TK_UI_TEST(tst_ZimuWin);

#include "tst_ZimuWin.moc"
