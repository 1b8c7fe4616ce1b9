// The scout request screen: age bands and ranks with their costs, "最強" only at level 5,
// the price, the confirmation and the request.
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/rules/lookups.h"
#include "core/rules/scout_rules.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/squad_screen_support.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/screens/IraiWin.h"

using namespace tk;
using namespace tk::test;

namespace {

QString Money(std::int64_t amount) {
    return QString::fromStdString(MoneyText(amount));
}

}  // namespace

class tst_IraiWin : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void opensOnAnyAgeAndAverage() {
        NewGameFixture g;
        IraiWin win(g.game);
        QCOMPARE(win.windowTitle(), QStringLiteral("スカウト　-　条件を指定してください"));
        QVERIFY(win.Ages(0)->isChecked());
        QVERIFY(win.Ranks(1)->isChecked());
        QCOMPARE(win.Ages(1)->text(), QStringLiteral("10代"));
        QCOMPARE(win.Ranks(3)->text(), QStringLiteral("最強"));
        QCOMPARE(win.Hiyous()->text(), Money(600));
        QVERIFY(win.Command1()->isEnabled());
        GrabIfAsked(&win, QStringLiteral("IraiWin"));
    }

    void pricesAddUp_data() {
        QTest::addColumn<int>("band");
        QTest::addColumn<int>("rank");
        QTest::addColumn<int>("price");
        QTest::newRow("10代, 強い") << 1 << 2 << 4000;
        QTest::newRow("20代前半, 弱い") << 2 << 0 << 1100;
        QTest::newRow("20代後半, 普通") << 3 << 1 << 1000;
        QTest::newRow("指定しない, 最強") << 0 << 3 << 50100;
    }

    void pricesAddUp() {
        QFETCH(int, band);
        QFETCH(int, rank);
        QFETCH(int, price);
        NewGameFixture g;
        g.state.TeamLevel = 5;
        IraiWin win(g.game);
        win.show();  // option buttons take clicks on their laid-out label
        QTest::mouseClick(win.Ages(band), Qt::LeftButton);
        QTest::mouseClick(win.Ranks(rank), Qt::LeftButton);
        QCOMPARE(win.Hiyous()->text(), Money(price));
    }

    void theStrongestNeedsLevelFive_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("open");
        QTest::newRow("level 1") << 1 << false;
        QTest::newRow("level 4") << 4 << false;
        QTest::newRow("level 5") << 5 << true;
    }

    void theStrongestNeedsLevelFive() {
        QFETCH(int, level);
        QFETCH(bool, open);
        NewGameFixture g;
        g.state.TeamLevel = static_cast<std::uint8_t>(level);
        IraiWin win(g.game);
        QCOMPARE(win.Ranks(3)->isEnabled(), open);
        for (int rank = 0; rank < 3; ++rank) QVERIFY(win.Ranks(rank)->isEnabled());
        win.ChooseRank(3);
        QCOMPARE(win.Choice().rank, open ? 3 : 1);
    }

    void aRequestDrawsTheCandidatesAndPays() {
        NewGameFixture g;
        const std::int32_t money = g.state.Money;
        g.ui.answers = {true};
        IraiWin win(g.game);
        win.show();
        QTest::mouseClick(win.Ages(1), Qt::LeftButton);
        QTest::mouseClick(win.Command1(), Qt::LeftButton);
        QCOMPARE(g.ui.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(g.ui.messages[0].text),
                 QStringLiteral("スカウトに依頼しますか？\r費用は") + Money(2500) +
                     QStringLiteral("です。"));
        QCOMPARE(g.ui.messages[0].title, std::string("依頼内容の確認"));
        QCOMPARE(g.ui.messages[0].fontSize, 13);
        QCOMPARE(g.state.Money, money - 2500);
        QVERIFY(ScoutRequestOpen(g.state));
        const int year = YearOf(g.state.WeekCount);
        for (const PlayerRecord &c : g.state.Candidates) {
            QVERIFY(c.Occupied());
            QVERIFY(year - c.BirthYear >= 16 && year - c.BirthYear <= 19);
        }
        QCOMPARE(win.result(), int(QDialog::Accepted));
    }

    void answeringNoDrawsNothing() {
        NewGameFixture g;
        const GameState before = g.state;
        g.ui.answers = {false};
        IraiWin win(g.game);
        QTest::mouseClick(win.Command1(), Qt::LeftButton);
        QVERIFY(g.state == before);
        QCOMPARE(win.result(), int(QDialog::Rejected));
    }

    void anOpenRequestIsNeverDrawnOver() {
        NewGameFixture g;
        g.state.Candidates[0].FamilyName = 3;
        const GameState before = g.state;
        g.ui.defaultAnswer = true;
        IraiWin win(g.game);
        QVERIFY(!win.Command1()->isEnabled());
        win.Request();
        QVERIFY(g.state == before);
    }
};

TK_UI_TEST(tst_IraiWin);

#include "tst_IraiWin.moc"
