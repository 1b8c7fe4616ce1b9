// The individual-practice player choice: players in a place left out, the scroll range from
// the squad size, choosing, replacing and removing, and no choice of a row scrolled blank.
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "core/rules/lookups.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/squad_screen_support.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/screens/PlayerList.h"
#include "ui/screens/SelectPlayer.h"

using namespace tk;
using namespace tk::test;

namespace {

int SlotOf(const GameState &s, int player) {
    return s.Players[static_cast<std::size_t>(player)].PracticeSlot;
}

void SetPlace(GameState &s, int player, int place) {
    s.Players[static_cast<std::size_t>(player)].PracticeSlot = static_cast<std::uint8_t>(place);
}

QList<int> ShownPlayers(const PlayerList &list) {
    QList<int> shown;
    for (int row = 0; row < PlayerList::kRows; ++row)
        if (list.RowPlayer(row) >= 0) shown << list.RowPlayer(row);
    return shown;
}

}  // namespace

class tst_SelectPlayer : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void playersInAPlaceAreLeftOut() {
        NewGameFixture g;
        SetPlace(g.state, 1, 2);
        SelectPlayer win(g.game, 1);
        PlayerList *list = win.Players();
        QCOMPARE(ShownPlayers(*list), (QList<int>{0, 2, 3, 4, 5}));
        QCOMPARE(list->PName(1)->text(), QString::fromStdString(PersonName(g.state, 2)));
        QCOMPARE(list->PSala(0), nullptr);  // no salary column here
        QCOMPARE(list->ElectedPlayer(), 0);
        QVERIFY(!list->ScrollBar()->isEnabled());
        QVERIFY(win.Command1()->isEnabled());
        QVERIFY(!win.Command2()->isEnabled());  // place 1 is empty
        GrabIfAsked(&win, QStringLiteral("SelectPlayer"));
    }

    void choosingReplacesTheHolder() {
        NewGameFixture g;
        SetPlace(g.state, 3, 1);
        g.ui.answers = {true};
        SelectPlayer win(g.game, 1);
        QVERIFY(win.Players()->Select(1));  // player 1
        QTest::mouseClick(win.Command1(), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(g.ui.messages.at(0).text),
                 QString::fromStdString(PersonName(g.state, 1)) +
                     QStringLiteral("さん\rでよろしいですか？"));
        QCOMPARE(g.ui.messages[0].fontSize, 12);
        QCOMPARE(SlotOf(g.state, 1), 1);
        QCOMPARE(SlotOf(g.state, 3), 0);
        QCOMPARE(win.result(), int(QDialog::Accepted));
    }

    void removingNamesTheHolder() {
        NewGameFixture g;
        SetPlace(g.state, 4, 3);
        g.ui.answers = {false, true};
        SelectPlayer win(g.game, 3);
        QVERIFY(win.Command2()->isEnabled());
        const QString question = QString::fromStdString(PersonName(g.state, 4)) +
                                 QStringLiteral("さんをはずします。\rよろしいですか？");
        QTest::mouseClick(win.Command2(), Qt::LeftButton);
        QCOMPARE(SlotOf(g.state, 4), 3);  // "いいえ"
        QTest::mouseClick(win.Command2(), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(g.ui.messages.at(1).text), question);
        QCOMPARE(SlotOf(g.state, 4), 0);
    }

    void theScrollRangeFollowsTheSquad() {
        NewGameFixture g;
        SetSquadSize(g.state, 10);
        for (int p = 0; p < 3; ++p) SetPlace(g.state, p, p + 1);
        SelectPlayer win(g.game, 1);
        PlayerList *list = win.Players();
        QVERIFY(list->ScrollBar()->isEnabled());
        QCOMPARE(list->ScrollBar()->maximum(), 2);
        QCOMPARE(ShownPlayers(*list), (QList<int>{3, 4, 5, 6, 7}));
        list->ScrollTo(2);
        QCOMPARE(ShownPlayers(*list), (QList<int>{3, 4, 5, 6, 7, 8, 9}));
    }

    // Scrolling may leave the selected row blank: then nobody is chosen until a shown
    // player is clicked.
    void aRowScrolledBlankChoosesNobody() {
        NewGameFixture g;
        SetSquadSize(g.state, 10);
        SetPlace(g.state, 8, 2);
        SetPlace(g.state, 9, 3);
        g.ui.answers = {true};
        SelectPlayer win(g.game, 1);
        PlayerList *list = win.Players();
        QVERIFY(list->Select(7));
        QCOMPARE(list->ElectedPlayer(), 7);
        list->ScrollTo(2);  // slots 2..9 less the two in a place: rows 0..5
        QCOMPARE(list->SelectedRow(), 7);
        QCOMPARE(list->ElectedPlayer(), -1);
        QVERIFY(!list->PNamePre(7)->isVisibleTo(&win));
        QVERIFY(!win.Command1()->isEnabled());
        QTest::mouseClick(win.Command1(), Qt::LeftButton);
        QVERIFY(g.ui.messages.empty());
        for (int p = 0; p < 10; ++p) QVERIFY(SlotOf(g.state, p) != 1);

        QTest::mouseClick(list->PName(5), Qt::LeftButton);
        QCOMPARE(list->ElectedPlayer(), 7);
        QVERIFY(win.Command1()->isEnabled());
        QTest::mouseClick(win.Command1(), Qt::LeftButton);
        QCOMPARE(SlotOf(g.state, 7), 1);
    }

    void scrollingKeepsTheRowButShowsAnotherPlayer() {
        NewGameFixture g;
        SetSquadSize(g.state, 10);
        SelectPlayer win(g.game, 1);
        PlayerList *list = win.Players();
        list->Select(3);
        list->ScrollTo(1);
        QCOMPARE(list->SelectedRow(), 3);
        QCOMPARE(list->ElectedPlayer(), 4);
    }
};

TK_UI_TEST(tst_SelectPlayer);

#include "tst_SelectPlayer.moc"
