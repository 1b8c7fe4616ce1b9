// The main screen's coach slots: names, the clicked coach's salary and grade, the highlight.
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "core/rules/lookups.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "tests/ui/view_test_support.h"
#include "ui/widgets/coach_panel.h"
#include "ui/widgets/label_style.h"

using namespace tk;
using namespace tk::test;

class tst_CoachPanel : public QObject {
    Q_OBJECT

    const QColor cyan{128, 255, 255}, orange{255, 128, 0};

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void aNewGameHasNoCoach() {
        NewGameFixture g;
        CoachPanel panel;
        panel.CoachWinMake(g.state);
        QCOMPARE(panel.CoachNames(0)->text(), QStringLiteral("なし"));
        QCOMPARE(panel.CoachNames(1)->text(), QStringLiteral("なし"));
        QCOMPARE(panel.Highlighted(), -1);

        panel.Select(g.state, 1);
        QCOMPARE(panel.CForce(7)->text(), QStringLiteral("コーチはいません"));
        QCOMPARE(panel.CForce(0)->text(), QString());
        QCOMPARE(BackgroundColour(panel.CoachNames(1)), orange);
        QCOMPARE(BackgroundColour(panel.CoachNames(0)), cyan);
    }

    void hiredCoachShowsSalaryAndGrade_data() {
        QTest::addColumn<int>("ability");
        QTest::addColumn<QString>("grade");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("250") << 250 << "S" << QColor(255, 0, 255);
        QTest::newRow("225") << 225 << "A" << QColor(0, 255, 255);
        QTest::newRow("100") << 100 << "E" << QColor(0, 0, 128);
    }

    void hiredCoachShowsSalaryAndGrade() {
        QFETCH(int, ability);
        QFETCH(QString, grade);
        QFETCH(QColor, colour);
        NewGameFixture g;
        CoachRecord &c = g.state.Coaches[4];
        c.Hired = kCoachTeam;
        c.Ability = static_cast<std::uint8_t>(ability);
        CoachPanel panel;
        panel.CoachWinMake(g.state);
        QCOMPARE(panel.CoachNames(0)->text(), QString::fromStdString(CoachName(c)));
        QCOMPARE(panel.CoachNames(1)->text(), QStringLiteral("なし"));
        panel.Select(g.state, 0);
        QCOMPARE(panel.CForce(0)->text(), grade);
        QCOMPARE(TextColour(panel.CForce(0)), colour);
        QCOMPARE(panel.CForce(7)->text(),
                 QStringLiteral("年俸 ") + QString::fromStdString(MoneyText(c.Salary)));
    }

    void highlightMovesAndRedrawKeepsTheDetailsTrue() {
        NewGameFixture g;
        g.state.Coaches[9].Hired = kCoachIndividual;
        CoachPanel panel;
        panel.CoachWinMake(g.state);
        panel.Select(g.state, 0);
        panel.Select(g.state, 1);
        QCOMPARE(panel.Highlighted(), 1);
        QCOMPARE(BackgroundColour(panel.CoachNames(0)), cyan);
        QCOMPARE(BackgroundColour(panel.CoachNames(1)), orange);
        QVERIFY(panel.CForce(0)->text() != QString());
        panel.Select(g.state, 2);  // not a slot
        QCOMPARE(panel.Highlighted(), 1);

        // The coach is released elsewhere; the main screen's redraw must not keep his salary.
        g.state.Coaches[9].Hired = kCoachFree;
        panel.Redraw(g.state);
        QCOMPARE(panel.CoachNames(1)->text(), QStringLiteral("なし"));
        QCOMPARE(panel.CForce(7)->text(), QStringLiteral("コーチはいません"));
        QCOMPARE(panel.CForce(0)->text(), QString());
        QCOMPARE(BackgroundColour(panel.CoachNames(1)), orange);
    }

    void clicksReportTheSlot() {
        NewGameFixture g;
        CoachPanel panel;
        panel.CoachWinMake(g.state);
        panel.show();
        QSignalSpy clicked(&panel, &CoachPanel::slotClicked);
        QTest::mouseClick(panel.CoachNames(1), Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), 1);
    }

    void grab() {
        NewGameFixture g;
        g.state.Coaches[10].Hired = kCoachTeam;
        CoachPanel panel;
        panel.CoachWinMake(g.state);
        panel.Select(g.state, 0);
        GrabIfAsked(&panel, QStringLiteral("CoachPanel"));
    }
};

TK_UI_TEST(tst_CoachPanel);

#include "tst_CoachPanel.moc"
