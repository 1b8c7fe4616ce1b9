// The main screen: a practice week at normal and fast speed, commands refused while it
// runs, a match week without practice, closing with and without saving, erasing the team.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "core/rules/lookups.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/shell/MainWin.h"
#include "ui/shell/game_app.h"
#include "ui/shell/main_screen.h"
#include "ui/widgets/command_bar.h"

using namespace tk;
using namespace tk::test;

namespace {

// A new game in slot 0 of its own folder, on the main screen, the introduction answered.
struct Session {
    QTemporaryDir dir;
    GameApp app{dir.path(), 99};
    MainWin *main = nullptr;

    explicit Session(bool fast = false) {
        app.SetMainScreenFactory(&OpenMainScreen);
        app.GameSettings().FastMode = fast ? kTrue : kFalse;
        ModalAnswerer intro(ModalAnswerer::Click(QStringLiteral("閉じる")));
        app.BeginNewGame(QStringLiteral("テスト"), QStringLiteral("監督"));
        main = qobject_cast<MainWin *>(app.MainScreen());
    }

    void Press(int button) {
        CommandBar *bar = main->Bar();
        const QPoint at = bar->ButtonRect(button).center();
        QTest::mousePress(bar, Qt::LeftButton, {}, at);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
    }

    // Plays a practice week from the advance button to its end.
    int PlayPracticeWeek() {
        const int before = app.State().WeekCount;
        Press(0);
        if (!QTest::qWaitFor([&] { return !main->PracticeRunning(); }, 5000)) return -1;
        return app.State().WeekCount - before;
    }
};

}  // namespace

class tst_MainWin : public QObject {
    Q_OBJECT

    ScopedUiTimingScale fast_{0.001};

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void practiceWeekSameAtBothSpeeds() {
        Session normal(false);
        Session fast(true);
        QVERIFY(normal.main && fast.main);
        QVERIFY(normal.app.State() == fast.app.State());
        int ticks = 0;
        connect(&normal.main->TimeSpend(), &QTimer::timeout, this, [&] { ++ticks; });
        QCOMPARE(normal.PlayPracticeWeek(), 1);
        QCOMPARE(ticks, 7);
        QCOMPARE(fast.PlayPracticeWeek(), 1);
        QVERIFY(normal.app.State() == fast.app.State());
        QCOMPARE(normal.app.State().WeekCount, 14);
        QCOMPARE(normal.app.State().TimeOfDay, 0);
        QVERIFY(!normal.main->TimeSpend().isActive());
        QVERIFY(!normal.main->MarkTime().isActive());
        QCOMPARE(normal.main->DateBox()->text(),
                 QStringLiteral("1年目\n4月2週\n天気 %1  午前")
                     .arg(QString::fromStdString(WeatherText(normal.app.State().Weather))));
    }

    void commandsRefusedDuringPractice() {
        Session s;
        s.Press(0);
        QVERIFY(s.main->PracticeRunning());
        const GameState during = s.app.State();
        for (int button : {0, 3, 4}) {
            ModalAnswerer refused([](QWidget *modal) {
                QVERIFY(!QApplication::activeModalWidget()->findChildren<QLabel *>().isEmpty());
                ClickButton(modal, QStringLiteral("閉じる"));
            });
            s.Press(button);
            QVERIFY(refused.Acted());
            // The practice waits while the notice is open: nothing moved.
            QVERIFY(s.app.State() == during);
        }
        QVERIFY(QTest::qWaitFor([&] { return !s.main->PracticeRunning(); }, 5000));
        QCOMPARE(s.app.State().WeekCount, 14);
    }

    void matchWeekRunsNoPractice() {
        Session s;
        GameState &state = s.app.State();
        state.MatchKind(state.WeekCount) = 1;  // a practice match at Lv.1 this week
        const auto condition = state.Players[0].Condition;
        // Answer whatever the match screens show until the week has ended.
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                for (const QString &b : {QStringLiteral("閉じる"), QStringLiteral("はい"),
                                         QStringLiteral("OK"), QStringLiteral("決定")})
                    if (FindButton(modal, b)) {
                        ClickButton(modal, b);
                        return;
                    }
                modal->close();
            }
        });
        answer.start(1);
        s.Press(0);
        answer.stop();
        QVERIFY(!s.main->PracticeRunning());
        QCOMPARE(state.WeekCount, 14);
        QCOMPARE(state.Players[0].Condition, condition);  // no practice was applied
        QCOMPARE(state.Category[0].Wins + state.Category[0].Losses, 1);
    }

    void aFinishedGamePlaysNothingMore() {
        Session s;
        s.app.State().WeekCount = kCalendarOver;
        s.main->FormLoad();
        const GameState atEnd = s.app.State();
        ModalAnswerer told(ModalAnswerer::Click(QStringLiteral("閉じる")));
        s.Press(0);
        QVERIFY(told.Acted());
        QCOMPARE(told.Title(), QStringLiteral("ゲーム終了"));
        QVERIFY(!s.main->PracticeRunning());
        QVERIFY(s.app.State() == atEnd);  // no practice, no week
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(s.app.TitleScreen() && s.app.TitleScreen()->isVisible());
        QVERIFY(s.app.Store().LoadGame(0).Value() == atEnd);
    }

    void closeAskedNoKeepsPlayingYesSaves() {
        Session s;
        {
            ModalAnswerer no(ModalAnswerer::Click(QStringLiteral("いいえ")));
            QVERIFY(!s.main->close());
            QVERIFY(no.Acted());
        }
        QVERIFY(s.main->isVisible());
        QVERIFY(!s.app.Store().LoadGame(0).Value().TeamName.size());
        ModalAnswerer yes(ModalAnswerer::Click(QStringLiteral("はい")));
        QVERIFY(s.main->close());
        QVERIFY(yes.Acted());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(s.app.TitleScreen() && s.app.TitleScreen()->isVisible());
        Result<GameState> saved = s.app.Store().LoadGame(0);
        QVERIFY(saved.Ok());
        QVERIFY(saved.Value() == s.app.State());
    }

    void aFailedSaveKeepsTheGameOpen() {
        Session s;
        // The slot's folder has become a plain file: nothing can be written there.
        QVERIFY(QDir(s.dir.path()).removeRecursively());
        QFile blocker(s.dir.path());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        ModalAnswerer yes(ModalAnswerer::Click(QStringLiteral("はい")));
        ModalAnswerer told(
            [](QWidget *modal) {
                QVERIFY(modal->findChild<QLabel *>()->text().contains(
                    QStringLiteral("データ1に保存できませんでした。")));
                ClickButton(modal, QStringLiteral("閉じる"));
            },
            QStringLiteral("MeSForm"));
        QVERIFY(!s.main->close());
        QVERIFY(yes.Acted());
        QVERIFY(told.Acted());
        QVERIFY(s.main->isVisible());
        QCOMPARE(s.app.State().TeamName, std::string("テスト"));
        QFile::remove(s.dir.path());
    }

    // A folder where the backup goes: the save stands and the player is told why it has none.
    void aBackupThatCannotBeKeptIsToldAndTheSaveStands() {
        Session s;
        QVERIFY(s.app.SaveAndPlayOn(s.main));  // the first save: nothing to keep yet
        QVERIFY(QDir().mkdir(s.app.Store().SidePath(0, kBackupSuffix)));
        s.app.State().Money += 7;
        QString text;
        ModalAnswerer told(
            [&](QWidget *modal) {
                text = modal->findChild<QLabel *>()->text();
                ClickButton(modal, QStringLiteral("閉じる"));
            },
            QStringLiteral("MeSForm"));
        QVERIFY(s.app.SaveAndPlayOn(s.main));
        QVERIFY(told.Acted());
        QVERIFY2(text.startsWith(QStringLiteral("データ1に保存しましたが、前のデータを"
                                                "バックアップに残せませんでした。")) &&
                     text.contains(QStringLiteral("Save0.Kumo.bak")),
                 qPrintable(text));
        QVERIFY(s.app.Store().LoadGame(0).Value() == s.app.State());
    }

    void recoveryFileAfterEveryWeekIsGoneOnClosing() {
        Session s;
        const QString recovery = s.app.Store().SidePath(0, kRecoverySuffix);
        QVERIFY(!QFile::exists(recovery));
        QCOMPARE(s.PlayPracticeWeek(), 1);
        QVERIFY(s.app.Store().LoadRecovery(0).Value() == s.app.State());
        // A won round with another to follow the same day is written before that round.
        s.app.State().Money += 7;
        s.app.Ui().PlayNextRound(s.app.CurrentGame());
        QVERIFY(s.app.Store().LoadRecovery(0).Value() == s.app.State());

        ModalAnswerer yes(ModalAnswerer::Click(QStringLiteral("はい")));
        QVERIFY(s.main->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!QFile::exists(recovery));
        QVERIFY(s.app.Store().LoadGame(0).Value() == s.app.State());
    }

    void failedRecoveryWriteIsToldOnceAndTheGameGoesOn() {
        Session s;
        QVERIFY(QDir().mkpath(s.app.Store().SidePath(0, kRecoverySuffix)));
        QString told;
        ModalAnswerer notice([&](QWidget *modal) {
            told = modal->findChild<QLabel *>()->text();
            ClickButton(modal, QStringLiteral("閉じる"));
        });
        QCOMPARE(s.PlayPracticeWeek(), 1);
        QVERIFY(notice.Acted());
        QVERIFY2(told.startsWith(QStringLiteral("データ1の復旧用ファイルを書けませんでした。")),
                 qPrintable(told));
        {
            ModalAnswerer quiet(ModalAnswerer::Click(QStringLiteral("閉じる")));
            QCOMPARE(s.PlayPracticeWeek(), 1);
            QVERIFY(!quiet.Acted());
        }
        ModalAnswerer yes(ModalAnswerer::Click(QStringLiteral("はい")));
        QVERIFY(s.main->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void eraseSavesTheSlotAsEmpty() {
        Session s;
        ModalAnswerer yes(ModalAnswerer::Click(QStringLiteral("はい")));
        s.main->findChild<QAction *>(QStringLiteral("FErase"))->trigger();
        QVERIFY(yes.Acted());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(s.app.Store().InspectSlot(0).State, SlotState::Empty);
    }
};

#include "tst_MainWin.moc"
TK_UI_TEST(tst_MainWin);
