// The construction screen: the three buildings and the lighting box, cost, weeks and picture,
// building, and a purchase that is never left half done.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/rules/land_rules.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "tests/ui/view_test_support.h"
#include "ui/screens/BoughtTochiWin.h"
#include "ui/widgets/label_style.h"

using namespace tk;
using namespace tk::test;

namespace {

const QColor kChosen(255, 192, 128);
const QColor kOther(128, 255, 128);

}  // namespace

class tst_BoughtTochiWin : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void opensOnTheOutdoorCourt() {
        NewGameFixture g;
        BoughtTochiWin screen(g.game, *OpenConstruction(g.state, 1));
        QCOMPARE(screen.windowTitle(), QStringLiteral("建設物を選んでください"));
        QCOMPARE(screen.Cost()->text(), QStringLiteral("建設費 150万円"));
        QCOMPARE(screen.Weeks()->text(), QStringLiteral("工事 1週間"));
        QVERIFY(screen.Lighting()->isEnabled());
        QVERIFY(!screen.Lighting()->isChecked());
        QCOMPARE(BackgroundColour(screen.KindCoat(0)), kChosen);
        QCOMPARE(BackgroundColour(screen.KindCoat(1)), kOther);
        QCOMPARE(BackgroundColour(screen.KindCoat(2)), kOther);
        QVERIFY(!screen.BuildingView()->pixmap().isNull());
        QVERIFY(screen.Command2()->isEnabled());
    }

    void choosingSetsCostWeeksAndTheBox_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("light");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("cost");
        QTest::addColumn<QString>("weeks");
        QTest::addColumn<bool>("boxOn");
        QTest::newRow("lit court") << "屋外コート" << true << 1 << "建設費 400万円"
                                   << "工事 3週間" << true;
        QTest::newRow("indoor court") << "室内コート" << false << 4 << "建設費 600万円"
                                      << "工事 4週間" << false;
        QTest::newRow("training room") << "トレーニング室" << false << 6 << "建設費 750万円"
                                       << "工事 5週間" << false;
    }

    void choosingSetsCostWeeksAndTheBox() {
        QFETCH(QString, option);
        QFETCH(bool, light);
        QFETCH(int, kind);
        QFETCH(QString, cost);
        QFETCH(QString, weeks);
        QFETCH(bool, boxOn);
        NewGameFixture g;
        BoughtTochiWin screen(g.game, *OpenConstruction(g.state, 1));
        ClickButton(&screen, option);
        if (light) ClickButton(&screen, QStringLiteral("照明有"));
        QCOMPARE(screen.Choice().kind, kind);
        QCOMPARE(screen.Cost()->text(), cost);
        QCOMPARE(screen.Weeks()->text(), weeks);
        QCOMPARE(screen.Lighting()->isEnabled(), boxOn);
        QCOMPARE(screen.Lighting()->isChecked(), light);
        if (light) GrabIfAsked(&screen, QStringLiteral("BoughtTochiWin"));
    }

    void anotherBuildingClearsTheLighting() {
        NewGameFixture g;
        BoughtTochiWin screen(g.game, *OpenConstruction(g.state, 1));
        ClickButton(&screen, QStringLiteral("照明有"));
        ClickButton(&screen, QStringLiteral("室内コート"));
        QCOMPARE(BackgroundColour(screen.KindCoat(1)), kChosen);
        ClickButton(&screen, QStringLiteral("屋外コート"));
        QVERIFY(screen.Lighting()->isEnabled());
        QVERIFY(!screen.Lighting()->isChecked());
        QCOMPARE(screen.Choice().kind, int(kOutdoorCourt));
    }

    void buildingStartsAndCloses() {
        NewGameFixture g;
        g.ui.answers = {false, true};
        BoughtTochiWin screen(g.game, *OpenConstruction(g.state, 1));
        screen.show();
        ClickButton(&screen, QStringLiteral("室内コート"));
        ClickButton(&screen, QStringLiteral("建設"));
        QVERIFY(screen.isVisible());  // "いいえ": choose again
        QCOMPARE(g.state.Money, 3000);
        ClickButton(&screen, QStringLiteral("建設"));
        QVERIFY(!screen.isVisible());
        QCOMPARE(screen.result(), int(QDialog::Accepted));
        QCOMPARE(g.state.Money, 3000 - 600);
        QCOMPARE(int(g.state.Facilities[1].Kind), int(kUnderConstruction));
        QVERIFY(g.ui.Saw("工事が始まりました。\r完成は4週間後です"));
    }

    // "閉じる" is off after a purchase, but the window frame or Esc may still close the
    // screen: the land price then comes back and the lot stays for sale.
    void leavingAfterAPurchaseGivesTheMoneyBack_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("window frame") << false;
        QTest::newRow("escape key") << true;
    }

    void leavingAfterAPurchaseGivesTheMoneyBack() {
        QFETCH(bool, escape);
        NewGameFixture g;
        g.ui.answers = {true};
        const std::optional<ConstructionChoice> bought = BuyLand(g.game, 2);
        QVERIFY(bought);
        QCOMPARE(g.state.Money, 3000 - 5000);
        BoughtTochiWin screen(g.game, *bought);
        QVERIFY(!screen.Command2()->isEnabled());
        screen.show();
        if (escape)
            QTest::keyClick(&screen, Qt::Key_Escape);
        else
            screen.close();
        QVERIFY(!screen.isVisible());
        QCOMPARE(g.state.Money, 3000);
        QCOMPARE(int(g.state.Facilities[2].Kind), int(kLandForSale));
        QVERIFY(screen.Choice().settled);
    }

    void busyBuildersAfterAPurchaseGiveTheLandBack() {
        NewGameFixture g;
        const int w = g.state.WeekCount + 1;
        g.state.BuildLot(1, w) = 5;
        g.state.BuildLot(2, w) = 6;
        g.ui.answers = {true, true};
        BoughtTochiWin screen(g.game, *BuyLand(g.game, 2));
        screen.show();
        ClickButton(&screen, QStringLiteral("建設"));
        QVERIFY(!screen.isVisible());
        QVERIFY(g.ui.Saw(kBuildersBusyNotice));
        QCOMPARE(g.state.Money, 3000);
        QCOMPARE(int(g.state.Facilities[2].Kind), int(kLandForSale));
        screen.close();  // closing again gives nothing back twice
        QCOMPARE(g.state.Money, 3000);
    }
};

TK_UI_TEST(tst_BoughtTochiWin);

#include "tst_BoughtTochiWin.moc"
