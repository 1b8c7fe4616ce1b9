// The practice plan screen: menus by level, April-only coaches, the individual places shown
// only with an individual coach, the menu stored only by "閉じる", and the tooltips that tell
// what each menu and each drink does.
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/rules/camp_rules.h"
#include "core/rules/lookups.h"
#include "core/rules/plan_rules.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/squad_screen_support.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/screens/ItemsWin.h"
#include "ui/screens/PracMenuWin.h"

using namespace tk;
using namespace tk::test;

class tst_PracMenuWin : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void menusOpenWithTheLevel_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("applied");
        QTest::addColumn<bool>("advanced");
        QTest::newRow("level 1") << 1 << false << false;
        QTest::newRow("level 3") << 3 << false << false;
        QTest::newRow("level 4") << 4 << true << false;
        QTest::newRow("level 5") << 5 << true << true;
    }

    void menusOpenWithTheLevel() {
        QFETCH(int, level);
        QFETCH(bool, applied);
        QFETCH(bool, advanced);
        NewGameFixture g;
        g.state.TeamLevel = static_cast<std::uint8_t>(level);
        PracMenuWin win(g.game);
        QCOMPARE(win.windowTitle(),
                 QStringLiteral("練習・コーチ設定 - コーチの設定は4月のみです。"));
        for (int menu = 0; menu <= 5; ++menu) QVERIFY(win.Practices(menu)->isEnabled());
        QCOMPARE(win.Practices(6)->text(), QStringLiteral("応用練習"));
        QCOMPARE(win.Practices(6)->isEnabled(), applied);
        QCOMPARE(win.Practices(7)->isEnabled(), advanced);
        QVERIFY(win.Practices(0)->isChecked());
    }

    void aStoredMenuStaysInForceBelowItsLevel() {
        NewGameFixture g;
        g.state.TeamPracticeMenu = 7;
        PracMenuWin win(g.game);
        QCOMPARE(win.Choice(), 7);
        QVERIFY(win.Practices(7)->isChecked());
        QTest::mouseClick(win.Command4(), Qt::LeftButton);
        QCOMPARE(int(g.state.TeamPracticeMenu), 7);
    }

    void onlyClosingStoresTheMenu() {
        NewGameFixture g;
        {
            PracMenuWin win(g.game);
            win.show();  // option buttons take clicks on their laid-out label
            QTest::mouseClick(win.Practices(3), Qt::LeftButton);
            QCOMPARE(win.Choice(), 3);
            win.reject();  // the close box
        }
        QCOMPARE(int(g.state.TeamPracticeMenu), 0);
        PracMenuWin win(g.game);
        win.show();
        QTest::mouseClick(win.Practices(3), Qt::LeftButton);
        QTest::mouseClick(win.Command4(), Qt::LeftButton);
        QCOMPARE(int(g.state.TeamPracticeMenu), 3);
    }

    void coachesOnlyInApril_data() {
        QTest::addColumn<int>("week");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("April, week 1") << 13 << true;
        QTest::newRow("April, week 4") << 16 << true;
        QTest::newRow("May") << 17 << false;
        QTest::newRow("March") << 12 << false;
        QTest::newRow("next April") << 61 << true;
    }

    void coachesOnlyInApril() {
        QFETCH(int, week);
        QFETCH(bool, enabled);
        NewGameFixture g;
        g.state.WeekCount = static_cast<std::int16_t>(week);
        PracMenuWin win(g.game);
        QCOMPARE(win.Command1()->isEnabled(), enabled);
        QCOMPARE(win.Command3()->isEnabled(), enabled);
    }

    void placesShowOnlyWithAnIndividualCoach() {
        NewGameFixture g;
        g.state.Players[2].PracticeSlot = 1;
        {
            PracMenuWin win(g.game);
            QCOMPARE(win.Personal(4)->text(), QStringLiteral("なし"));
            QCOMPARE(win.Personal(5)->text(), QStringLiteral("なし"));
            for (int place = 1; place <= 3; ++place) {
                QCOMPARE(win.Personal(place)->text(), QString());
                QVERIFY(!win.Command2(place)->isEnabled());
            }
        }
        Hire(g.state, 2, kCoachTeam);
        Hire(g.state, 6, kCoachIndividual);
        PracMenuWin win(g.game);
        QCOMPARE(win.Personal(4)->text(), QString::fromStdString(CoachName(g.state.Coaches[2])));
        QCOMPARE(win.Personal(5)->text(), QString::fromStdString(CoachName(g.state.Coaches[6])));
        QCOMPARE(win.Personal(1)->text(), QString::fromStdString(PersonName(g.state, 2)));
        QCOMPARE(win.Personal(2)->text(), QStringLiteral("なし"));
        for (int place = 1; place <= 3; ++place) QVERIFY(win.Command2(place)->isEnabled());
        GrabIfAsked(&win, QStringLiteral("PracMenuWin"));
    }

    void theCoachButtonHiresThroughTheCoachScreen() {
        NewGameFixture g;
        g.ui.answers = {true};
        PracMenuWin win(g.game);
        win.show();
        ModalAnswerer answer(ModalAnswerer::Click(QStringLiteral("Command1")),
                             QStringLiteral("ElectCoach"));
        QTest::mouseClick(win.Command1(), Qt::LeftButton);  // the individual coach
        QVERIFY(answer.Acted());
        QCOMPARE(int(g.state.Coaches[1].Hired), int(kCoachIndividual));
        // Back on the plan, the coach and the player places are there at once.
        QCOMPARE(win.Personal(5)->text(), QString::fromStdString(CoachName(g.state.Coaches[1])));
        QCOMPARE(win.Personal(1)->text(), QStringLiteral("なし"));
        QVERIFY(win.Command2(1)->isEnabled());
    }

    void thePlayerButtonFillsThePlace() {
        NewGameFixture g;
        Hire(g.state, 1, kCoachIndividual);
        g.ui.answers = {true};
        PracMenuWin win(g.game);
        win.show();
        ModalAnswerer answer(ModalAnswerer::Click(QStringLiteral("Command1")),
                             QStringLiteral("SelectPlayer"));
        QTest::mouseClick(win.Command2(2), Qt::LeftButton);
        QVERIFY(answer.Acted());
        QCOMPARE(int(g.state.Players[0].PracticeSlot), 2);
        QCOMPARE(win.Personal(2)->text(), QString::fromStdString(PersonName(g.state, 0)));
    }

    // Each menu tells in its tooltip what it trains; each drink what it gives and costs.
    void tooltipsTellWhatMenusAndDrinksDo_data() {
        QTest::addColumn<int>("menu");
        QTest::addColumn<QString>("trains");
        const char *const trains[] = {"まんべんなく", "スタミナ", "パワー",  "技術",
                                      "敏捷",         "ショット", "レベル4", "レベル5"};
        for (int menu = 0; menu < kPracticeMenus; ++menu)
            QTest::newRow(PracticeMenuName(menu).c_str())
                << menu << QString::fromUtf8(trains[menu]);
    }

    void tooltipsTellWhatMenusAndDrinksDo() {
        QFETCH(int, menu);
        QFETCH(QString, trains);
        NewGameFixture g;
        PracMenuWin screen(g.game);
        const QString tip = screen.Practices(menu)->toolTip();
        QVERIFY(tip.startsWith(screen.Practices(menu)->text()));
        QVERIFY2(tip.contains(trains), qPrintable(tip));
        if (menu < kItemCount) {
            ItemsWin items(g.game);
            const QString drink = items.UseButton(menu)->toolTip();
            QVERIFY2(drink.contains(QString::number(Item(menu).conditionGain)) &&
                         drink.contains(QString::fromStdString(MoneyText(Item(menu).cost))),
                     qPrintable(drink));
        }
    }
};

TK_UI_TEST(tst_PracMenuWin);

#include "tst_PracMenuWin.moc"
