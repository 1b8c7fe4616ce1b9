// The lot screen: the lot's texts and bar, tile backgrounds, commands by kind, and the
// maintenance, purchase and construction flows it opens.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/rules/land_rules.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "tests/ui/view_test_support.h"
#include "ui/base/units.h"
#include "ui/screens/TochiWin.h"
#include "ui/widgets/click_label.h"
#include "ui/widgets/label_style.h"

using namespace tk;
using namespace tk::test;

class tst_TochiWin : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void commandsByKind_data() {
        QTest::addColumn<int>("lot");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("buy");
        QTest::addColumn<bool>("maintain");
        QTest::addColumn<bool>("build");
        QTest::newRow("outdoor court") << 4 << 0 << false << true << true;
        QTest::newRow("lit court") << 4 << 1 << false << true << true;
        QTest::newRow("indoor court") << 4 << 4 << false << true << true;
        QTest::newRow("training room") << 4 << 6 << false << false << true;
        QTest::newRow("land for sale") << 4 << 7 << true << false << false;
        QTest::newRow("building site") << 4 << 8 << false << false << false;
        QTest::newRow("the office never") << 0 << 5 << false << false << false;
    }

    void commandsByKind() {
        QFETCH(int, lot);
        QFETCH(int, kind);
        QFETCH(bool, buy);
        QFETCH(bool, maintain);
        QFETCH(bool, build);
        NewGameFixture g;
        g.state.Facilities[static_cast<std::size_t>(lot)].Kind = static_cast<std::int16_t>(kind);
        MaintainMarks marks;
        int selected = 1;
        TochiWin screen(g.game, marks, selected);
        QTest::mouseClick(screen.TochiS(lot), Qt::LeftButton);
        QCOMPARE(selected, lot);
        QCOMPARE(screen.BuyButton()->isEnabled(), buy);
        QCOMPARE(screen.MaintainButton()->isEnabled(), maintain);
        QCOMPARE(screen.BuildButton()->isEnabled(), build);
        QVERIFY(screen.CloseButton()->isEnabled());
    }

    void showsTheLotAndItsBar_data() {
        QTest::addColumn<int>("durability");
        QTest::addColumn<QString>("usability");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("200 is still shown usable") << 200 << "使用可" << QColor(255, 192, 128);
        QTest::newRow("199 is not") << 199 << "使用不可" << QColor(255, 0, 0);
    }

    void showsTheLotAndItsBar() {
        QFETCH(int, durability);
        QFETCH(QString, usability);
        QFETCH(QColor, colour);
        NewGameFixture g;
        g.state.Facilities[1].Durability = static_cast<std::int16_t>(durability);
        MaintainMarks marks;
        int selected = 1;
        TochiWin screen(g.game, marks, selected);
        QCOMPARE(screen.windowTitle(), QStringLiteral("土地詳細"));
        QCOMPARE(screen.Number()->text(), QStringLiteral("No. 2"));
        QCOMPARE(screen.Name()->text(), QStringLiteral("屋外コート"));
        QCOMPARE(screen.Usability()->text(), usability);
        QCOMPARE(screen.Upkeep()->text(), QStringLiteral("維持費 3万円/月"));
        QVERIFY(!screen.Comment()->text().isEmpty());
        QCOMPARE(screen.Bar()->width(), TwipsToPixels(DurabilityBarWidth(durability)));
        QCOMPARE(BackgroundColour(screen.Bar()), colour);
        if (durability == 200) GrabIfAsked(&screen, QStringLiteral("TochiWin"));
    }

    void tilesAndMarker() {
        NewGameFixture g;
        g.state.Facilities[5].Kind = kTrainingRoom;
        MaintainMarks marks;
        int selected = 42;  // no lot: the screen starts on the office
        TochiWin screen(g.game, marks, selected);
        QCOMPARE(selected, 0);
        QCOMPARE(BackgroundColour(screen.TochiS(0)), QColor(128, 128, 128));
        QCOMPARE(BackgroundColour(screen.TochiS(5)), QColor(128, 128, 128));
        QCOMPARE(BackgroundColour(screen.TochiS(2)), QColor(192, 192, 192));
        QCOMPARE(BackgroundColour(screen.TochiS(1)), screen.palette().color(QPalette::Window));
        QVERIFY(screen.MarkerShown(0));
        QTest::mouseClick(screen.TochiS(8), Qt::LeftButton);
        QVERIFY(screen.MarkerShown(8));
        QVERIFY(!screen.MarkerShown(0));
        QCOMPARE(screen.Number()->text(), QStringLiteral("No. 9"));
        QCOMPARE(screen.Name()->text(), QStringLiteral("売地"));
    }

    // A lot still marked from a maintenance cancelled earlier is restored with the next one,
    // for the price of one court.
    void maintenanceRestoresEveryMarkedLot() {
        NewGameFixture g;
        g.state.Facilities[1].Durability = 300;
        g.state.Facilities[4] = {kOutdoorCourt, 100};
        MaintainMarks marks;
        marks.marked[4] = true;
        int selected = 1;
        TochiWin screen(g.game, marks, selected);
        g.ui.answers = {true};
        QString count, price;
        ModalAnswerer answer(
            [&](QWidget *modal) {
                count = modal->findChild<QLabel *>(QStringLiteral("CntSeibi"))->text();
                price = modal->findChild<QLabel *>(QStringLiteral("Price"))->text();
                ClickButton(modal, QStringLiteral("整備"));
            },
            QStringLiteral("SeibiWin"));
        ClickButton(&screen, QStringLiteral("整備"));
        QVERIFY(answer.Closed());
        QCOMPARE(count, QStringLiteral("1つ"));
        QCOMPARE(price, QStringLiteral("20万円"));
        QCOMPARE(g.state.Money, 3000 - 20);
        QCOMPARE(int(g.state.Facilities[1].Durability), 600);
        QCOMPARE(int(g.state.Facilities[4].Durability), 400);
        QCOMPARE(MarkedLotCount(marks), 0);
    }

    void cancelledMaintenanceLeavesTheMark() {
        NewGameFixture g;
        MaintainMarks marks;
        int selected = 1;
        TochiWin screen(g.game, marks, selected);
        ModalAnswerer answer(ModalAnswerer::Click(QStringLiteral("閉じる")),
                             QStringLiteral("SeibiWin"));
        ClickButton(&screen, QStringLiteral("整備"));
        QVERIFY(answer.Closed());
        QVERIFY(marks.marked[1]);
        QCOMPARE(g.state.Money, 3000);
    }

    void buyingAndBuildingShowsTheBuildingSite() {
        NewGameFixture g;
        MaintainMarks marks;
        int selected = 2;
        TochiWin screen(g.game, marks, selected);
        g.ui.answers = {true, true};  // buy the land, then build
        bool closeOff = false;
        ModalAnswerer answer(
            [&](QWidget *modal) {
                closeOff = !FindButton(modal, QStringLiteral("閉じる"))->isEnabled();
                ClickButton(modal, QStringLiteral("建設"));
            },
            QStringLiteral("BoughtTochiWin"));
        ClickButton(&screen, QStringLiteral("購入"));
        QVERIFY(answer.Closed());
        QVERIFY(closeOff);
        QCOMPARE(int(g.state.Facilities[2].Kind), int(kUnderConstruction));
        QCOMPARE(g.state.Money, 3000 - 5000 - 150);
        QCOMPARE(screen.Name()->text(), QStringLiteral("工事中"));
        QVERIFY(!screen.BuyButton()->isEnabled());
        QCOMPARE(BackgroundColour(screen.TochiS(2)), QColor(128, 128, 128));
    }

    void declinedPurchaseOpensNothing() {
        NewGameFixture g;
        MaintainMarks marks;
        int selected = 2;
        TochiWin screen(g.game, marks, selected);
        g.ui.answers = {false};
        ClickButton(&screen, QStringLiteral("購入"));
        QCOMPARE(g.state.Money, 3000);
        QCOMPARE(int(g.state.Facilities[2].Kind), int(kLandForSale));
        QVERIFY(g.ui.Saw(kBuyLandQuestion));
    }
};

TK_UI_TEST(tst_TochiWin);

#include "tst_TochiWin.moc"
