// The scouting result screen: marks in red and green, the count and total in the title, the
// 20-player limit, signing in candidate order with the contract money, dismissing to make
// room, and signing nobody.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/rules/lookups.h"
#include "core/rules/roster_rules.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/squad_screen_support.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/screens/SkList.h"
#include "ui/screens/SkautWIn.h"
#include "ui/screens/kaikoWin.h"
#include "ui/widgets/label_style.h"

using namespace tk;
using namespace tk::test;

namespace {

const QString kChoose = QStringLiteral("契約する選手を選択してください。");
const QString kOverLimit = QStringLiteral("選手が20人を超えています。誰か解雇してください。");

// Five candidates named (40+i, 50+i) with salaries 300, 400, 500, 600, 700.
void SetCandidates(GameState &s) {
    for (int i = 0; i < kCandidateSlots; ++i) {
        PlayerRecord &c = s.Candidates[static_cast<std::size_t>(i)];
        c = {};
        c.FamilyName = static_cast<std::uint8_t>(40 + i);
        c.FirstName = static_cast<std::uint8_t>(50 + i);
        c.Condition = 250;
        c.Skill = {100, 120, 140, 160, 180, static_cast<std::uint8_t>(i == 1 ? 250 : 60)};
        c.Style = i == 1 ? 1 : 0;
        c.BirthYear = static_cast<std::int16_t>(YearOf(s.WeekCount) - 20 - i);
        c.Salary = 300 + 100 * i;
    }
}

QString TotalTitle(std::int64_t total) {
    return QStringLiteral("契約金の総額は") + QString::fromStdString(MoneyText(total)) +
           QStringLiteral("です。");
}

bool AllCandidatesClear(const GameState &s) {
    for (const PlayerRecord &c : s.Candidates)
        if (!(c == PlayerRecord{})) return false;
    return true;
}

}  // namespace

class tst_SkautWIn : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void opensWithNobodyMarked() {
        NewGameFixture g;
        SetCandidates(g.state);
        SkautWIn win(g.game);
        QCOMPARE(win.windowTitle(), kChoose);
        QVERIFY(!win.Command1()->isEnabled());
        SkList *list = win.List();
        QCOMPARE(list->PlJo(0)->text(), QStringLiteral("未契約"));
        QCOMPARE(list->PlNames(2)->text(),
                 QString::fromStdString(PersonName(g.state.Candidates[2])));
        QCOMPARE(list->PlNenpous(2)->text(), QString::fromStdString(MoneyText(500)));
        QCOMPARE(list->PlAge(2)->text(), QStringLiteral("22歳"));
        QCOMPARE(list->PlType(1)->text(), QStringLiteral("前衛"));
        QCOMPARE(TextColour(list->PlType(1)), QColor(0, 0, 255));
        QCOMPARE(list->PlType(0)->text(), QStringLiteral("後衛"));
        QCOMPARE(TextColour(list->PlType(0)), QColor(255, 128, 0));
        QCOMPARE(list->PlGrade(1, 5)->text(), QString::fromStdString(GradeLetter(250)));
        QCOMPARE(TextColour(list->PlGrade(1, 5)), ColorFromRgb(GradeColour(GradeLetter(250))));
        GrabIfAsked(&win, QStringLiteral("SkautWIn"));
    }

    void markingAndUnmarking() {
        NewGameFixture g;
        SetCandidates(g.state);
        SkautWIn win(g.game);
        SkList *list = win.List();
        QTest::mouseClick(list->PlNames(0), Qt::LeftButton);
        QCOMPARE(list->PlJo(0)->text(), QStringLiteral("契約"));
        QCOMPARE(TextColour(list->PlJo(0)), QColor(0, 255, 0));
        QCOMPARE(win.MarkedCount(), 1);
        QCOMPARE(win.windowTitle(), TotalTitle(300));
        QVERIFY(win.Command1()->isEnabled());
        win.ToggleMark(3);
        QCOMPARE(win.windowTitle(), TotalTitle(900));
        win.ToggleMark(3);
        win.ToggleMark(0);
        QCOMPARE(list->PlJo(0)->text(), QStringLiteral("未契約"));
        QCOMPARE(TextColour(list->PlJo(0)), QColor(255, 0, 0));
        QCOMPARE(win.windowTitle(), kChoose);
        QVERIFY(!win.Command1()->isEnabled());
    }

    void signingAppendsInCandidateOrderAndPays() {
        NewGameFixture g;
        SetCandidates(g.state);
        const int count = PlayerCount(g.state);
        const std::int32_t money = g.state.Money;
        const PlayerRecord first = g.state.Candidates[0];
        const PlayerRecord second = g.state.Candidates[1];
        g.ui.answers = {true};
        SkautWIn win(g.game);
        win.ToggleMark(1);
        win.ToggleMark(0);
        QTest::mouseClick(win.Command1(), Qt::LeftButton);
        QCOMPARE(g.ui.messages.at(0).text, std::string("2人と契約します。\rよろしいですか？"));
        QCOMPARE(g.ui.messages[0].fontSize, 14);
        QCOMPARE(g.state.Money, money - 700);
        QVERIFY(g.state.Players[static_cast<std::size_t>(count)] == first);
        QVERIFY(g.state.Players[static_cast<std::size_t>(count + 1)] == second);
        QCOMPARE(PlayerCount(g.state), count + 2);
        QVERIFY(AllCandidatesClear(g.state));
        QCOMPARE(win.result(), int(QDialog::Accepted));
    }

    void dismissingMakesRoomForTheMarked() {
        NewGameFixture g;
        SetSquadSize(g.state, 18);
        SetCandidates(g.state);
        g.ui.answers = {true};
        SkautWIn win(g.game);
        win.show();
        for (int row = 0; row < 3; ++row) win.ToggleMark(row);
        QCOMPARE(win.windowTitle(), kOverLimit);
        QVERIFY(!win.Command1()->isEnabled());
        // A 21st player is never signed, whatever calls the command.
        win.Sign();
        QCOMPARE(PlayerCount(g.state), 18);

        ModalAnswerer dismiss(
            [](QWidget *modal) {
                auto *screen = qobject_cast<kaikoWin *>(modal);
                QVERIFY(screen != nullptr);
                QTest::mouseClick(screen->Command1(), Qt::LeftButton);
                QTest::mouseClick(screen->Command4(), Qt::LeftButton);
            },
            QStringLiteral("kaikoWin"));
        QTest::mouseClick(win.Command2(), Qt::LeftButton);
        QVERIFY(dismiss.Acted());
        QCOMPARE(PlayerCount(g.state), 17);
        QCOMPARE(win.MarkedCount(), 3);  // the marks stay
        QCOMPARE(win.windowTitle(), TotalTitle(300 + 400 + 500));
        QVERIFY(win.Command1()->isEnabled());
    }

    void signingNobody() {
        NewGameFixture g;
        SetCandidates(g.state);
        const GameState before = g.state;
        g.ui.answers = {false, true};
        SkautWIn win(g.game);
        QTest::mouseClick(win.Command3(), Qt::LeftButton);
        QCOMPARE(g.ui.messages.at(0).text, std::string("誰とも契約しなくて\rいいですか？"));
        QCOMPARE(g.ui.messages[0].fontSize, 14);
        QVERIFY(g.state == before);
        QTest::mouseClick(win.Command3(), Qt::LeftButton);
        QVERIFY(AllCandidatesClear(g.state));
        QCOMPARE(PlayerCount(g.state), PlayerCount(before));
        QCOMPARE(win.result(), int(QDialog::Accepted));
    }

    void theCloseBoxDoesNothing() {
        NewGameFixture g;
        SetCandidates(g.state);
        SkautWIn win(g.game);
        win.show();
        QVERIFY(!win.close());
        QVERIFY(win.isVisible());
        QTest::keyClick(&win, Qt::Key_Escape);
        QVERIFY(win.isVisible());
        QVERIFY(!AllCandidatesClear(g.state));
    }
};

TK_UI_TEST(tst_SkautWIn);

#include "tst_SkautWIn.moc"
