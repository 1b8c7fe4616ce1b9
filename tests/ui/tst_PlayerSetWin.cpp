// The roster screen: title, rows and colours, the scroll with the selection following the
// player, dismissal down to five players, and the scout command refused while a request is open.
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "core/rules/lookups.h"
#include "core/rules/roster_rules.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/squad_screen_support.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/screens/PlayerSetWin.h"
#include "ui/screens/RosterList.h"
#include "ui/widgets/label_style.h"

using namespace tk;
using namespace tk::test;

namespace {

QString Title(std::int64_t total) {
    return QStringLiteral("全選手合計年俸は") + QString::fromStdString(MoneyText(total)) +
           QStringLiteral("です。");
}

}  // namespace

class tst_PlayerSetWin : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void rowsShowTheSquad() {
        NewGameFixture g;
        SetSquadSize(g.state, 6);
        PlayerRecord &net = g.state.Players[1];
        net.Style = 1;
        net.Skill = {250, 200, 150, 110, 60, 230};  // shot 60 (F), volley 230 (S)
        PlayerSetWin win(g.game);
        QCOMPARE(win.windowTitle(), Title(100 + 200 + 300 + 400 + 500 + 600));
        RosterList *list = win.List();
        QCOMPARE(list->PName(1)->text(), QString::fromStdString(PersonName(g.state, 1)));
        QCOMPARE(list->PAge(1)->text(), QString::number(AgeOf(g.state, 1)));
        QCOMPARE(list->PGrade(1, 0)->text(), QString::fromStdString(GradeLetter(250)));
        QCOMPARE(list->PGrade(1, 4)->text(), QString::fromStdString(GradeLetter(230)));
        QCOMPARE(TextColour(list->PGrade(1, 4)), ColorFromRgb(GradeColour(GradeLetter(230))));
        QCOMPARE(list->PTyp(1)->text(), QStringLiteral("前衛"));
        QCOMPARE(TextColour(list->PTyp(1)), QColor(0, 0, 255));
        QCOMPARE(list->PTyp(0)->text(), QStringLiteral("後衛"));
        QCOMPARE(TextColour(list->PTyp(0)), QColor(255, 128, 0));
        QCOMPARE(list->PSala(1)->text(), QString::fromStdString(MoneyText(200)));
        QCOMPARE(list->PName(6)->text(), QString());
        QVERIFY(!list->Select(6));  // a blank row is ignored
        QCOMPARE(list->SelectedRow(), 0);
        QVERIFY(list->PNamePre(0)->isVisibleTo(&win));
        QVERIFY(!list->ScrollBar()->isEnabled());
        QCOMPARE(win.Command2()->text(), QStringLiteral("選手獲得\nスカウト"));
        GrabIfAsked(&win, QStringLiteral("PlayerSetWin"));
    }

    void theSelectionFollowsThePlayerAsTheListScrolls() {
        NewGameFixture g;
        SetSquadSize(g.state, 10);
        PlayerSetWin win(g.game);
        RosterList *list = win.List();
        QVERIFY(list->ScrollBar()->isEnabled());
        QCOMPARE(list->ScrollBar()->maximum(), 2);
        // Row 0 selected and scrolled down by one: row 0 stays, now the next player.
        list->ScrollTo(1);
        QCOMPARE(list->SelectedRow(), 0);
        QCOMPARE(list->ElectedPlayer(), 1);
        QCOMPARE(list->PName(7)->text(), QString::fromStdString(PersonName(g.state, 8)));
        list->ScrollTo(0);
        QVERIFY(list->Select(3));
        list->ScrollTo(2);
        QCOMPARE(list->SelectedRow(), 1);
        QCOMPARE(list->ElectedPlayer(), 3);
        list->ScrollTo(0);
        QCOMPARE(list->SelectedRow(), 3);
        QCOMPARE(list->ElectedPlayer(), 3);
        list->ScrollBar()->setValue(2);  // the bar itself scrolls the same way
        QCOMPARE(list->ElectedPlayer(), 3);
    }

    void dismissingTheFirstOfSixPacksTheSquad() {
        NewGameFixture g;
        SetSquadSize(g.state, 6);
        const PlayerRecord second = g.state.Players[1];
        const QString name = QString::fromStdString(PersonName(g.state, 0));
        g.ui.answers = {true};
        PlayerSetWin win(g.game);
        QVERIFY(win.Command1()->isEnabled());
        QTest::mouseClick(win.Command1(), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(g.ui.messages.at(0).text),
                 name + QStringLiteral("さんを\r解雇しますか？"));
        QCOMPARE(g.ui.messages[0].title, std::string("解雇の確認"));
        QCOMPARE(g.ui.messages[0].fontSize, 14);
        QVERIFY(g.state.Players[0] == second);
        QVERIFY(g.state.Players[5] == PlayerRecord{});
        QCOMPARE(PlayerCount(g.state), 5);
        QCOMPARE(win.windowTitle(), Title(200 + 300 + 400 + 500 + 600));
        // Five players are the minimum.
        QVERIFY(!win.Command1()->isEnabled());
        QTest::mouseClick(win.Command1(), Qt::LeftButton);
        QCOMPARE(PlayerCount(g.state), 5);
        QCOMPARE(g.ui.messages.size(), std::size_t{1});
    }

    void decliningTheDismissalKeepsThePlayer() {
        NewGameFixture g;
        const GameState before = g.state;
        g.ui.answers = {false};
        PlayerSetWin win(g.game);
        QTest::mouseClick(win.Command1(), Qt::LeftButton);
        QVERIFY(g.state == before);
    }

    void scoutingIsRefusedWhileARequestIsOpen() {
        NewGameFixture g;
        g.state.Candidates[0].FamilyName = 7;
        PlayerSetWin win(g.game);
        win.show();
        ModalAnswerer request(ModalAnswerer::Click(QStringLiteral("閉じる")),
                              QStringLiteral("IraiWin"), 2000);
        QTest::mouseClick(win.Command2(), Qt::LeftButton);
        QVERIFY(!request.Acted());
        QCOMPARE(g.ui.messages.size(), std::size_t{1});
        QCOMPARE(g.ui.messages[0].text, std::string("すでにスカウトに依頼を\r出しています。"));
        QCOMPARE(g.ui.messages[0].title, std::string("結果が出るのは6月です。"));
        QCOMPARE(g.ui.messages[0].fontSize, 14);
    }

    void scoutingOpensTheRequestScreen() {
        NewGameFixture g;
        PlayerSetWin win(g.game);
        win.show();
        ModalAnswerer request(ModalAnswerer::Click(QStringLiteral("閉じる")),
                              QStringLiteral("IraiWin"));
        QTest::mouseClick(win.Command2(), Qt::LeftButton);
        QVERIFY(request.Acted());
        QVERIFY(g.ui.messages.empty());
    }
};

TK_UI_TEST(tst_PlayerSetWin);

#include "tst_PlayerSetWin.moc"
