// The whole-grounds screen: bars and their colours, the court table, the picture by time of
// day and weather, marks by clicking, commands by the marked lots, and marks cleared on close.
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/rules/land_rules.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "tests/ui/view_test_support.h"
#include "ui/screens/WholeTochiWin.h"
#include "ui/screens/whole_grounds_picture.h"
#include "ui/widgets/label_style.h"
#include "ui/widgets/pictures.h"

using namespace tk;
using namespace tk::test;

namespace {

void ClickLot(WholeTochiWin &screen, int lot) {
    QTest::mouseClick(screen.Grounds(), Qt::LeftButton, Qt::NoModifier,
                      WholeGroundsPicture::LotRect(lot).center());
}

}  // namespace

class tst_WholeTochiWin : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void barsOfTheCourts_data() {
        QTest::addColumn<int>("durability");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("worn: red") << 199 << QColor(255, 0, 0);
        QTest::newRow("fair: pink") << 299 << QColor(255, 128, 128);
        QTest::newRow("good: light cyan") << 300 << QColor(128, 255, 255);
    }

    void barsOfTheCourts() {
        QFETCH(int, durability);
        QFETCH(QColor, colour);
        NewGameFixture g;
        g.state.Facilities[1].Durability = static_cast<std::int16_t>(durability);
        MaintainMarks marks;
        WholeTochiWin screen(g.game, marks);
        QWidget *bar = screen.Grounds()->ConditionBar(1);
        QVERIFY(!bar->isHidden());
        QCOMPARE(bar->width(), (durability + 5) / 10);
        QCOMPARE(BackgroundColour(bar), colour);
        for (int lot : {0, 2, 8}) QVERIFY(screen.Grounds()->ConditionBar(lot)->isHidden());
    }

    void courtTable() {
        NewGameFixture g;
        g.state.Facilities[2] = {kLitCourt, 1000};
        g.state.Facilities[3] = {kIndoorCourt, 150};  // too worn to count
        MaintainMarks marks;
        WholeTochiWin screen(g.game, marks);
        const QStringList usable = {"2", "1", "0"};
        const QStringList unusable = {"1", "2", "3"};
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(screen.Usable(row)->text(), usable[row]);
            QCOMPARE(screen.Unusable(row)->text(), unusable[row]);
        }
    }

    void commandsByMarks_data() {
        QTest::addColumn<QList<int>>("marked");
        QTest::addColumn<bool>("maintain");
        QTest::addColumn<bool>("build");
        QTest::addColumn<bool>("buy");
        QTest::newRow("none") << QList<int>{} << false << false << false;
        QTest::newRow("one court") << QList<int>{1} << true << true << false;
        QTest::newRow("training room") << QList<int>{5} << false << true << false;
        QTest::newRow("land for sale") << QList<int>{2} << false << false << true;
        QTest::newRow("the office") << QList<int>{0} << false << false << false;
        QTest::newRow("two courts") << QList<int>{1, 4} << true << false << false;
        QTest::newRow("court and land") << QList<int>{1, 2} << false << false << false;
    }

    void commandsByMarks() {
        QFETCH(QList<int>, marked);
        QFETCH(bool, maintain);
        QFETCH(bool, build);
        QFETCH(bool, buy);
        NewGameFixture g;
        g.state.Facilities[4] = {kIndoorCourt, 500};
        g.state.Facilities[5] = {kTrainingRoom, 1000};
        MaintainMarks marks;
        WholeTochiWin screen(g.game, marks);
        for (int lot : marked) ClickLot(screen, lot);
        QCOMPARE(MarkedLotCount(marks), int(marked.size()));
        for (int lot : marked) QVERIFY(screen.Grounds()->FrameShown(lot));
        QCOMPARE(screen.MaintainButton()->isEnabled(), maintain);
        QCOMPARE(screen.BuildButton()->isEnabled(), build);
        QCOMPARE(screen.BuyButton()->isEnabled(), buy);
        if (marked.size() == 2 && maintain) GrabIfAsked(&screen, QStringLiteral("WholeTochiWin"));
    }

    void aSecondClickUnmarks() {
        NewGameFixture g;
        MaintainMarks marks;
        WholeTochiWin screen(g.game, marks);
        ClickLot(screen, 1);
        ClickLot(screen, 1);
        QVERIFY(!marks.marked[1]);
        QVERIFY(!screen.Grounds()->FrameShown(1));
        QVERIFY(!screen.MaintainButton()->isEnabled());
    }

    void marksFromTheLotScreenShowAndAreClearedOnClose() {
        NewGameFixture g;
        MaintainMarks marks;
        marks.marked[1] = true;
        WholeTochiWin screen(g.game, marks);
        QVERIFY(screen.Grounds()->FrameShown(1));
        QVERIFY(screen.MaintainButton()->isEnabled());
        screen.show();
        ClickButton(&screen, QStringLiteral("閉じる"));
        QCOMPARE(MarkedLotCount(marks), 0);
    }

    void maintenanceOfTheMarkedCourts() {
        NewGameFixture g;
        g.state.Facilities[1].Durability = 100;
        g.state.Facilities[4] = {kOutdoorCourt, 150};
        MaintainMarks marks;
        WholeTochiWin screen(g.game, marks);
        QCOMPARE(screen.Usable(0)->text(), QStringLiteral("0"));
        ClickLot(screen, 1);
        ClickLot(screen, 4);
        g.ui.answers = {true};
        QString price;
        ModalAnswerer answer(
            [&](QWidget *modal) {
                price = modal->findChild<QLabel *>(QStringLiteral("Price"))->text();
                ClickButton(modal, QStringLiteral("整備"));
            },
            QStringLiteral("SeibiWin"));
        ClickButton(&screen, QStringLiteral("整備"));
        QVERIFY(answer.Closed());
        QCOMPARE(price, QStringLiteral("40万円"));
        QCOMPARE(int(g.state.Facilities[1].Durability), 400);
        QCOMPARE(int(g.state.Facilities[4].Durability), 450);
        // The screen opens again: restored courts count, marks are gone.
        QCOMPARE(screen.Usable(0)->text(), QStringLiteral("2"));
        QCOMPARE(BackgroundColour(screen.Grounds()->ConditionBar(1)), QColor(128, 255, 255));
        QVERIFY(!screen.MaintainButton()->isEnabled());
    }

    void allotmentOpensWhenPluggedIn() {
        NewGameFixture g;
        MaintainMarks marks;
        {
            WholeTochiWin screen(g.game, marks);
            QVERIFY(!screen.AllotmentButton()->isEnabled());
        }
        int opened = 0;
        WholeTochiWin screen(g.game, marks, [&](QWidget *) { ++opened; });
        QVERIFY(screen.AllotmentButton()->isEnabled());
        ClickButton(&screen, QStringLiteral("練習配分"));
        QCOMPARE(opened, 1);
    }

    // The picture takes each lot's tile by display kind, so dark and rain show.
    void pictureByTimeAndWeather_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("timeOfDay");
        QTest::addColumn<int>("weather");
        QTest::addColumn<int>("shown");
        QTest::newRow("outdoor by day") << 0 << 1 << 0 << 0;
        QTest::newRow("outdoor at night") << 0 << 5 << 0 << 2;
        QTest::newRow("lit at night") << 1 << 5 << 0 << 3;
        QTest::newRow("lit in the rain") << 1 << 1 << 2 << 10;
        QTest::newRow("indoor in the rain") << 4 << 6 << 2 << 4;
    }

    void pictureByTimeAndWeather() {
        QFETCH(int, kind);
        QFETCH(int, timeOfDay);
        QFETCH(int, weather);
        QFETCH(int, shown);
        NewGameFixture g;
        g.state.Facilities[4].Kind = static_cast<std::int16_t>(kind);
        g.state.TimeOfDay = static_cast<std::uint8_t>(timeOfDay);
        g.state.Weather = static_cast<std::uint8_t>(weather);
        MaintainMarks marks;
        WholeTochiWin screen(g.game, marks);
        QCOMPARE(screen.Grounds()->DisplayKindOf(4), shown);
        const QRect r = WholeGroundsPicture::LotRect(4);
        const QImage drawn =
            screen.Grounds()->grab(r).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage tile = SmallLotTile(shown).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(drawn.pixel(60, 45), tile.pixel(60, 45));
        QCOMPARE(drawn.pixel(10, 10), tile.pixel(10, 10));
    }
};

TK_UI_TEST(tst_WholeTochiWin);

#include "tst_WholeTochiWin.moc"
