// The maintenance screen: the price follows the level and the count; the marks are restored.
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/rules/land_rules.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "tests/ui/view_test_support.h"
#include "ui/screens/SeibiWin.h"

using namespace tk;
using namespace tk::test;

class tst_SeibiWin : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void priceFollowsTheLevel_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("price");
        QTest::newRow("9 courts, 普通") << 9 << "普通"
                                        << "180万円";
        QTest::newRow("3 courts, 軽く") << 3 << "軽く"
                                        << "30万円";
        QTest::newRow("3 courts, しっかり") << 3 << "しっかり"
                                            << "90万円";
    }

    void priceFollowsTheLevel() {
        QFETCH(int, count);
        QFETCH(QString, level);
        QFETCH(QString, price);
        NewGameFixture g;
        MaintainMarks marks;
        SeibiWin screen(g.game, marks, count);
        QCOMPARE(screen.windowTitle(), QStringLiteral("整備を行います"));
        QCOMPARE(screen.ChosenLevel(), 2);
        QVERIFY(screen.Level(2)->isChecked());
        ClickButton(&screen, level);
        QCOMPARE(screen.CountLabel()->text(), QStringLiteral("%1つ").arg(count));
        QCOMPARE(screen.Price()->text(), price);
        if (count == 9) GrabIfAsked(&screen, QStringLiteral("SeibiWin"));
    }

    void maintainingRestoresTheMarkedCourts() {
        NewGameFixture g;
        g.state.Facilities[1].Durability = 900;
        g.state.Facilities[4] = {kIndoorCourt, 0};
        MaintainMarks marks;
        marks.marked[1] = marks.marked[4] = true;
        g.ui.answers = {false, true};
        SeibiWin screen(g.game, marks, 2);
        screen.show();
        ClickButton(&screen, QStringLiteral("しっかり"));
        ClickButton(&screen, QStringLiteral("整備"));
        QVERIFY(screen.isVisible());  // "いいえ"
        QCOMPARE(g.state.Money, 3000);
        QVERIFY(g.ui.Saw("費用が60万円かかりますが\r良いですか？"));
        ClickButton(&screen, QStringLiteral("軽く"));
        ClickButton(&screen, QStringLiteral("整備"));
        QVERIFY(!screen.isVisible());
        QCOMPARE(g.state.Money, 3000 - 20);
        QCOMPARE(int(g.state.Facilities[1].Durability), 1000);
        QCOMPARE(int(g.state.Facilities[4].Durability), 150);
        QCOMPARE(MarkedLotCount(marks), 0);
    }
};

TK_UI_TEST(tst_SeibiWin);

#include "tst_SeibiWin.moc"
