// 連続進行 on the main screen: a run plays the same weeks with the same draws as the headless
// simulator pressing 次の週へ as often, stops where a week needs the player, and stops early
// on Esc or 停止 once the week under way has ended.
#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include "core/rules/court_rules.h"
#include "core/rules/lookups.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "tools/sim/simulation.h"
#include "ui/shell/MainWin.h"
#include "ui/shell/game_app.h"
#include "ui/shell/main_screen.h"
#include "ui/widgets/command_bar.h"

using namespace tk;
using namespace tk::test;

namespace {

constexpr std::uint64_t kRunSeed = 41;

// A new game on the main screen, and the same game in the simulator with the idle manager.
struct RunSession {
    QTemporaryDir dir;
    GameApp app{dir.path(), kRunSeed};
    sim::Simulation sim{kRunSeed, sim::MakeIdlePolicy()};
    MainWin *main = nullptr;

    explicit RunSession(bool fast) {
        app.SetMainScreenFactory(&OpenMainScreen);
        app.GameSettings().FastMode = fast ? kTrue : kFalse;
        ModalAnswerer intro(ModalAnswerer::Click(QStringLiteral("閉じる")));
        app.BeginNewGame(QStringLiteral("テスト"), QStringLiteral("監督"));
        main = qobject_cast<MainWin *>(app.MainScreen());
        sim.StartNew("テスト", "監督");
    }

    void Press(int button) {
        const QPoint at = main->Bar()->ButtonRect(button).center();
        QTest::mousePress(main->Bar(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(main->Bar(), Qt::LeftButton, {}, at);
    }

    bool RunEnds() {
        return QTest::qWaitFor([&] { return !main->Advancing(); }, 20000);
    }
};

}  // namespace

class tst_MainAdvance : public QObject {
    Q_OBJECT

    ScopedUiTimingScale fast_{0.001};

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void runPlaysAsTheSimulator_data() {
        QTest::addColumn<int>("setUp");
        QTest::addColumn<bool>("fast");
        QTest::addColumn<int>("weeks");
        QTest::addColumn<int>("stop");
        QTest::newRow("to the camp choice") << 0 << false << 3 << int(RunStop::Event);
        QTest::newRow("to the camp choice, fast") << 0 << true << 3 << int(RunStop::Event);
        QTest::newRow("to a finished court") << 1 << false << 2 << int(RunStop::Building);
        QTest::newRow("to a match week") << 2 << false << 1 << int(RunStop::MatchWeek);
        QTest::newRow("a match week first") << 3 << false << 3 << int(RunStop::Event);
        QTest::newRow("debt at the month end") << 4 << true << 1 << int(RunStop::Debt);
    }

    void runPlaysAsTheSimulator() {
        QFETCH(int, setUp);
        QFETCH(bool, fast);
        QFETCH(int, weeks);
        QFETCH(int, stop);
        RunSession s(fast);
        QVERIFY(s.main);
        for (GameState *state : {&s.app.State(), &s.sim.State()}) {
            GameState &g = *state;
            switch (setUp) {
                case 1:  // an outdoor court due in 4月2週
                    g.Facilities[2].Kind = kUnderConstruction;
                    g.Calendar[1][14] = {2, kOutdoorCourt};
                    break;
                case 2: g.MatchKind(14) = 1; break;
                case 3: g.MatchKind(13) = 1; break;
                case 4:
                    g.WeekCount = 16;
                    g.Money = 10;
                    break;
                default: break;
            }
        }
        s.main->FormLoad();
        CountUsableCourts(s.sim.State());  // what every redraw of the main screen does
        QVERIFY(s.app.State() == s.sim.State());
        IdleAnswers answers;
        s.Press(kAdvanceButton);
        QVERIFY(s.RunEnds());
        QCOMPARE(int(s.main->LastAdvanceStop()), stop);
        for (int w = 0; w < weeks; ++w) s.sim.PlayOneWeek();
        QCOMPARE(s.app.State().WeekCount, s.sim.State().WeekCount);
        QVERIFY(s.app.State() == s.sim.State());
        // The random source stands at the same draw.
        QCOMPARE(s.app.CurrentGame().Random(1000000, 0), s.sim.CurrentGame().Random(1000000, 0));
        QVERIFY(!s.main->Bar()->Advancing());
        QVERIFY(!s.main->Bar()->AdvanceStatus()->isVisible());
    }

    void escStopsOnceTheWeekUnderWayHasEnded() {
        RunSession s(false);
        s.Press(kAdvanceButton);
        QVERIFY(s.main->Advancing());
        QVERIFY(s.main->PracticeRunning());
        QVERIFY(s.main->Bar()->AdvanceStatus()->isVisible());
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : s.main, Qt::Key_Escape);
        QCOMPARE(s.main->Bar()->AdvanceStatus()->text(), QStringLiteral("この週で止まります"));
        QVERIFY(s.RunEnds());
        QCOMPARE(s.app.State().WeekCount, 14);
        QCOMPARE(int(s.main->LastAdvanceStop()), int(RunStop::None));
    }

    void stopButtonAndTheOtherCommandsDuringARun() {
        RunSession s(false);
        s.Press(kAdvanceButton);
        // Another command waits for the run, as it waits for a practice week.
        ModalAnswerer refused(ModalAnswerer::Click(QStringLiteral("閉じる")));
        s.Press(3);
        QVERIFY(refused.Acted());
        QCOMPARE(s.main->Bar()->AdvanceStatus()->text(), QStringLiteral("連続進行中（Escで停止）"));
        s.Press(kAdvanceButton);  // 停止
        QVERIFY(s.RunEnds());
        QCOMPARE(s.app.State().WeekCount, 14);
        // Shift+Enter starts a run again, and 9 asks it to stop.
        s.main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.main));
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : s.main, Qt::Key_Return, Qt::ShiftModifier);
        QVERIFY(s.main->Advancing());
        QTest::keyClick(focus != nullptr ? focus : s.main, Qt::Key_9);
        QVERIFY(s.RunEnds());
        QCOMPARE(s.app.State().WeekCount, 15);
    }

    void closingAndTheButtonsBelowTheGroundsDuringARun() {
        RunSession s(false);
        auto *details = s.main->findChild<QAbstractButton *>(QStringLiteral("Command1"));
        s.Press(kAdvanceButton);
        {
            // 選手詳細 waits for the run like every command.
            ModalAnswerer refused(ModalAnswerer::Click(QStringLiteral("閉じる")), "MeSForm");
            details->click();
            QVERIFY(refused.Acted());
        }
        // Closing the window stops the run and keeps the game open (nothing is saved).
        QVERIFY(!s.main->close());
        QVERIFY(s.RunEnds());
        QVERIFY(s.main->isVisible());
        QVERIFY(!QFile::exists(s.app.Store().SlotPath(0)) ||
                s.app.Store().LoadGame(0).Value().TeamName.empty());
        // Once the run is over, 選手詳細 opens the player's details, not another run.
        ModalAnswerer details2(ModalAnswerer::Click(QStringLiteral("閉じる")), "SensyuWin");
        details->click();
        QVERIFY(details2.Acted());
        QVERIFY(!s.main->Advancing());
    }
};

#include "tst_MainAdvance.moc"
TK_UI_TEST(tst_MainAdvance);
