// The coach choice screen: the free coaches in catalogue order, hiring and releasing with
// their questions, one coach per kind.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/rules/catalogue.h"
#include "core/rules/lookups.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/squad_screen_support.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/screens/CoachList.h"
#include "ui/screens/ElectCoach.h"

using namespace tk;
using namespace tk::test;

namespace {

int HiredAs(const GameState &s, int coach) {
    return s.Coaches[static_cast<std::size_t>(coach)].Hired;
}

QString SpacedName(const GameState &s, int coach) {
    return QString::fromStdString(CoachName(s.Coaches[static_cast<std::size_t>(coach)]));
}

}  // namespace

class tst_ElectCoach : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void aNewGameListsAllTenCheapestFirst() {
        NewGameFixture g;
        ElectCoach win(g.game, kCoachTeam);
        QCOMPARE(win.windowTitle(), QStringLiteral("コーチ選択"));
        CoachList *list = win.CoachLists();
        for (int row = 0; row < CoachList::kRows; ++row) {
            const CoachRecord &c = g.state.Coaches[static_cast<std::size_t>(row + 1)];
            QCOMPARE(list->RowCoach(row), row + 1);
            // The family and first names run together in the list.
            QCOMPARE(list->CName(row)->text(),
                     QString::fromStdString(FamNames(c.FamilyName) + FirNames(c.FirstName)));
            QCOMPARE(list->CRank(row)->text(), QString::fromStdString(GradeLetter(c.Ability)));
            QCOMPARE(list->CSala(row)->text(), QString::fromStdString(MoneyText(c.Salary)));
        }
        QCOMPARE(list->ElectedCoach(), 1);
        QVERIFY(list->CoachNamePre(0)->isVisibleTo(&win));
        QVERIFY(!list->CoachNamePre(1)->isVisibleTo(&win));
        QVERIFY(win.Command1()->isEnabled());
        QVERIFY(!win.Command2()->isEnabled());  // nobody to release
        GrabIfAsked(&win, QStringLiteral("ElectCoach"));
    }

    void heldCoachesAreNotListed() {
        NewGameFixture g;
        Hire(g.state, 3, kCoachTeam);
        ElectCoach win(g.game, kCoachIndividual);
        CoachList *list = win.CoachLists();
        const int expected[] = {1, 2, 4, 5, 6, 7, 8, 9, 10, 0};
        for (int row = 0; row < CoachList::kRows; ++row)
            QCOMPARE(list->RowCoach(row), expected[row]);
        QCOMPARE(list->CName(9)->text(), QString());
        QVERIFY(!list->Select(9));  // a blank row cannot be chosen
        QCOMPARE(list->SelectedRow(), 0);
        QVERIFY(!win.Command2()->isEnabled());
        QTest::mouseClick(list->CName(3), Qt::LeftButton);
        QCOMPARE(list->ElectedCoach(), 5);
        QVERIFY(list->CoachNamePre(3)->isVisibleTo(&win));
        QVERIFY(!list->CoachNamePre(0)->isVisibleTo(&win));
    }

    void hiringAsksThenReplacesTheHolder() {
        NewGameFixture g;
        Hire(g.state, 3, kCoachTeam);
        Hire(g.state, 2, kCoachIndividual);
        g.ui.answers = {true};
        ElectCoach win(g.game, kCoachTeam);
        QVERIFY(win.Command2()->isEnabled());
        win.CoachLists()->Select(2);  // rows: 1, 4, 5, ...
        QCOMPARE(win.CoachLists()->ElectedCoach(), 5);
        QTest::mouseClick(win.Command1(), Qt::LeftButton);
        QCOMPARE(g.ui.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(g.ui.messages[0].text),
                 SpacedName(g.state, 5) + QStringLiteral("さんと契約します。\rよろしいですか？"));
        QCOMPARE(g.ui.messages[0].fontSize, 12);
        QCOMPARE(HiredAs(g.state, 5), int(kCoachTeam));
        QCOMPARE(HiredAs(g.state, 3), int(kCoachFree));
        QCOMPARE(HiredAs(g.state, 2), int(kCoachIndividual));
        QCOMPARE(win.result(), int(QDialog::Accepted));
    }

    void releasingAsksThenFreesTheHolder() {
        NewGameFixture g;
        Hire(g.state, 3, kCoachTeam);
        Hire(g.state, 2, kCoachIndividual);
        g.ui.answers = {true};
        ElectCoach win(g.game, kCoachIndividual);
        QTest::mouseClick(win.Command2(), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(g.ui.messages.at(0).text),
                 QStringLiteral("現在のコーチ") + SpacedName(g.state, 2) +
                     QStringLiteral("さんを\r解約します。よろしいですか？"));
        QCOMPARE(HiredAs(g.state, 2), int(kCoachFree));
        QCOMPARE(HiredAs(g.state, 3), int(kCoachTeam));
        QVERIFY(!HasIndividualCoach(g.state));
    }

    void decliningChangesNothing() {
        NewGameFixture g;
        Hire(g.state, 3, kCoachTeam);
        const GameState before = g.state;
        g.ui.answers = {false, false};
        ElectCoach win(g.game, kCoachTeam);
        QTest::mouseClick(win.Command1(), Qt::LeftButton);
        QTest::mouseClick(win.Command2(), Qt::LeftButton);
        QCOMPARE(g.ui.messages.size(), std::size_t{2});
        QVERIFY(g.state == before);
        QCOMPARE(win.result(), int(QDialog::Rejected));
        QTest::mouseClick(win.Command3(), Qt::LeftButton);
        QVERIFY(g.state == before);
    }
};

TK_UI_TEST(tst_ElectCoach);

#include "tst_ElectCoach.moc"
