// The court split screen: the three splits, their buttons, the notes and the recounts.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "tests/ui/modal_helper.h"
#include "tests/ui/squad_screen_support.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/screens/DistributeWin.h"

using namespace tk;
using namespace tk::test;

namespace {

constexpr CourtSituation kDay = CourtSituation::FineDay;
constexpr CourtSituation kNight = CourtSituation::FineNight;
constexpr CourtSituation kRain = CourtSituation::Rain;

QString SplitOf(const DistributeWin &win, CourtSituation k) {
    return win.Split(k)->text();
}

}  // namespace

class tst_DistributeWin : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void newGameHasOneDaytimeCourtAndNoCoach() {
        NewGameFixture g;
        DistributeWin win(g.state);
        QCOMPARE(win.windowTitle(), QStringLiteral("コート配分"));
        QCOMPARE(SplitOf(win, kDay), QStringLiteral("1 : 0"));
        QCOMPARE(SplitOf(win, kNight), QStringLiteral("0 : 0"));
        QCOMPARE(SplitOf(win, kRain), QStringLiteral("0 : 0"));
        // Without an individual coach only the individual-practice buttons are shut; the
        // others stay open even where every court is already the team's.
        for (CourtSituation k : kCourtSituations) {
            QVERIFY(!win.IndividualButton(k)->isEnabled());
            QVERIFY(win.TeamButton(k)->isEnabled());
        }
        QTest::mouseClick(win.TeamButton(kDay), Qt::LeftButton);
        QCOMPARE(SplitOf(win, kDay), QStringLiteral("1 : 0"));
        QCOMPARE(win.TeamButton(kDay)->objectName(), QStringLiteral("Command1"));
        QCOMPARE(win.IndividualButton(kNight)->objectName(), QStringLiteral("Command3"));
        QCOMPARE(win.TeamButton(kRain)->text(), QStringLiteral("全体練習\nを増やす"));
        QCOMPARE(win.IndividualButton(kRain)->text(), QStringLiteral("個人練習\nを増やす"));
        for (const char *note : {"個人練習はコーチが\nいなければ配分できません",
                                 "全体練習は最低１コート", "個人練習は２コートまで"}) {
            bool found = false;
            for (QLabel *label : win.findChildren<QLabel *>())
                found = found || label->text() == QString::fromUtf8(note);
            QVERIFY2(found, note);
        }
    }

    void fiveCourtsGoDownToThreeTwo() {
        NewGameFixture g;
        SetCourts(g.state, 5);
        g.state.TeamCourtsDay = 5;
        Hire(g.state, 4, kCoachIndividual);
        DistributeWin win(g.state);
        QCOMPARE(SplitOf(win, kDay), QStringLiteral("5 : 0"));
        QTest::mouseClick(win.IndividualButton(kDay), Qt::LeftButton);
        QCOMPARE(SplitOf(win, kDay), QStringLiteral("4 : 1"));
        QTest::mouseClick(win.IndividualButton(kDay), Qt::LeftButton);
        QCOMPARE(SplitOf(win, kDay), QStringLiteral("3 : 2"));
        QCOMPARE(int(g.state.TeamCourtsDay), 3);
        // Individual practice has its two courts: the button does nothing more.
        QVERIFY(win.IndividualButton(kDay)->isEnabled());
        QTest::mouseClick(win.IndividualButton(kDay), Qt::LeftButton);
        QCOMPARE(SplitOf(win, kDay), QStringLiteral("3 : 2"));
        QTest::mouseClick(win.TeamButton(kDay), Qt::LeftButton);
        QCOMPARE(SplitOf(win, kDay), QStringLiteral("4 : 1"));
        // Outdoor courts are no use at night or in rain.
        QCOMPARE(SplitOf(win, kNight), QStringLiteral("0 : 0"));
        GrabIfAsked(&win, QStringLiteral("DistributeWin"));
    }

    void oneCourtStaysWithTheTeam() {
        NewGameFixture g;
        Hire(g.state, 4, kCoachIndividual);
        DistributeWin win(g.state);
        QCOMPARE(SplitOf(win, kDay), QStringLiteral("1 : 0"));
        QVERIFY(win.IndividualButton(kDay)->isEnabled());
        QTest::mouseClick(win.IndividualButton(kDay), Qt::LeftButton);
        QCOMPARE(SplitOf(win, kDay), QStringLiteral("1 : 0"));
    }

    void aWornCourtLeavesTheSplitOnTheNextRedraw() {
        NewGameFixture g;
        SetCourts(g.state, 5);
        g.state.TeamCourtsDay = 5;
        DistributeWin win(g.state);
        QCOMPARE(SplitOf(win, kDay), QStringLiteral("5 : 0"));
        g.state.Facilities[2].Durability = 200;
        win.Redraw();
        QCOMPARE(SplitOf(win, kDay), QStringLiteral("4 : 0"));
    }

    void closingRecountsTheCourts() {
        NewGameFixture g;
        SetCourts(g.state, 3);
        DistributeWin win(g.state);
        g.state.TeamCourtsDay = 9;
        QTest::mouseClick(win.Command7(), Qt::LeftButton);
        QCOMPARE(int(g.state.TeamCourtsDay), 3);
        QCOMPARE(win.result(), int(QDialog::Accepted));
    }
};

TK_UI_TEST(tst_DistributeWin);

#include "tst_DistributeWin.moc"
