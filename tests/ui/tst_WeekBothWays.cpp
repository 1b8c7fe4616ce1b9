// The same seeded weeks played both ways: on the main screen with its timers and real screens,
// and headlessly through PlayWeek with the scripted player. A stretch from 2月 to 6月 holds
// practice weeks, the spring tournament with its second round the same day, month ends, the
// year end with the contract renewal, the camp choice and the scouting result; the two final
// records must match byte for byte and the two lists of messages line for line.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/rules/camp_rules.h"
#include "core/rules/court_rules.h"
#include "core/rules/lookups.h"
#include "core/rules/match_week.h"
#include "core/rules/scout_rules.h"
#include "core/rules/signing_rules.h"
#include "core/state/record_codec.h"
#include "tests/support/scripted_ui.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/base/message_dialog.h"
#include "ui/shell/MainWin.h"
#include "ui/shell/game_app.h"
#include "ui/shell/main_screen.h"
#include "ui/widgets/command_bar.h"

using namespace tk;
using namespace tk::test;

namespace {

constexpr std::uint64_t kBothWaysSeed = 7;
constexpr int kFirstWeek = 48 + 7;    // 2月3週 of the first season
constexpr int kStretchEnd = 48 + 21;  // 6月1週: the scouting result
constexpr int kSpring = 48 + 9;       // 3月1週: the spring tournament

// The questions both players answer yes: the camp's "行かない" and signing nobody.
bool AnswerYes(const QString &question) {
    return question == QStringLiteral("よろしいですか？") ||
           question == MessageToLabelText(QString::fromUtf8(kDeclineCandidatesQuestion));
}

QString Line(const QString &title, const QString &text) {
    return title + QLatin1Char('|') + text;
}

// Answers the main screen's week as the scripted player does, writing down every notice and
// question: notices closed, the lineup as it stands, no camp, nobody signed or dismissed.
class ScreenPlayer : public QObject {
public:
    QStringList messages;

    ScreenPlayer() {
        connect(&poll_, &QTimer::timeout, this, &ScreenPlayer::Poll);
        poll_.start(0);
    }

private:
    // Clicks are queued: a click that opens a dialog must not block inside this timer.
    void Poll() {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == handled_) return;
        const QString name = modal->objectName();
        QString button;
        if (auto *dialog = qobject_cast<MessageDialog *>(modal)) {
            const QString text = dialog->Comment()->text();
            messages << Line(dialog->windowTitle(), text);
            if (name == QStringLiteral("MesQWin"))
                button = AnswerYes(text) ? QStringLiteral("はい") : QStringLiteral("いいえ");
            else
                button = QStringLiteral("閉じる");
        } else if (name == QStringLiteral("RegurarSetWin")) {
            button = QStringLiteral("決定");
        } else if (name == QStringLiteral("GasyuElectWin")) {
            FindButton(modal, QStringLiteral("Plices0"))->click();  // 行かない
            button = QStringLiteral("決定");
        } else if (name == QStringLiteral("SkautWIn")) {
            button = QStringLiteral("Command3");  // 契約しない
        } else if (name == QStringLiteral("kaikoWin")) {
            button = QStringLiteral("Command4");  // 閉じる: nobody dismissed
        } else {
            return;  // the match announcement and the match run by themselves
        }
        handled_ = modal;
        QMetaObject::invokeMethod(FindButton(modal, button), "click", Qt::QueuedConnection);
    }

    QPointer<QWidget> handled_;
    QTimer poll_;
};

}  // namespace

class tst_WeekBothWays : public QObject {
    Q_OBJECT

    ScopedUiTimingScale fast_{0.001};

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void screenAndPlayWeekPlayTheSameWeeks() {
        QTemporaryDir dir;
        GameApp app(dir.path(), kBothWaysSeed);
        app.SetMainScreenFactory(&OpenMainScreen);
        app.GameSettings().FastMode = kFalse;  // seven times of day a practice week
        app.GameSettings().SetNoticesWait(true);
        {
            ModalAnswerer intro(ModalAnswerer::Click(QStringLiteral("閉じる")));
            app.BeginNewGame(QStringLiteral("テスト"), QStringLiteral("監督"));
        }
        auto *main = qobject_cast<MainWin *>(app.MainScreen());
        QVERIFY(main);

        // The headless game: the scripted player answers as ScreenPlayer clicks.
        TestGame head(kBothWaysSeed);
        head.settings = app.GameSettings();
        head.ui.onChooseCamp = [&head](Game &g) {
            head.ui.answers.push_front(true);
            DecideCamp(g, 0);
        };
        head.ui.onScoutResult = [&head](Game &g) {
            head.ui.answers.push_front(true);
            DeclineCandidates(g);
        };
        head.ui.onPlayNextRound = [](Game &g) { PlayMatchRound(g); };

        // The prepared state: late in the first season, a squad that wins its rounds, money
        // for the year end, a scouting request open and the spring tournament booked.
        head.state = app.State();
        GameState &s = head.state;
        s.WeekCount = kFirstWeek;
        s.Money = 100000;
        for (int p = 0; p < PlayerCount(s); ++p) s.Players[std::size_t(p)].Skill.fill(250);
        s.MatchKind(kSpring) = 10;
        head.ui.answers = {true};
        QVERIFY(PlaceScoutRequest(head.game, ScoutRequest{}));
        head.ui.messages.clear();
        app.State() = s;
        app.CurrentGame().rng.Seed(kBothWaysSeed + 1);
        head.rng.Seed(kBothWaysSeed + 1);
        main->FormLoad();
        CountUsableCourts(head.state);  // what every redraw of the main screen does
        QVERIFY(app.State() == head.state);

        {
            ScreenPlayer player;
            for (int week = kFirstWeek; week <= kStretchEnd; ++week) {
                const QPoint at = main->Bar()->ButtonRect(0).center();
                QTest::mousePress(main->Bar(), Qt::LeftButton, {}, at);
                QTest::mouseRelease(main->Bar(), Qt::LeftButton, {}, at);
                QVERIFY(QTest::qWaitFor([&] { return !main->Week().UnderWay(); }, 20000));
                QCOMPARE(int(app.State().WeekCount), week + 1);
            }
            for (int week = kFirstWeek; week <= kStretchEnd; ++week)
                QCOMPARE(PlayWeek(head.game), WeekOutcome::Next);

            QStringList headMessages;
            for (const ScriptedUi::Message &m : head.ui.messages)
                headMessages << Line(QString::fromStdString(m.title),
                                     MessageToLabelText(QString::fromStdString(m.text)));
            QCOMPARE(player.messages, headMessages);
        }
        // The stretch held what it should: both rounds of the day, the renewal, the camp
        // question and the scouting result.
        QCOMPARE(head.ui.nextRounds, 2);  // a second round on each of the tournament's days
        QVERIFY(head.ui.Saw("春季大会\r二回戦\r勝利！"));
        QVERIFY(head.ui.Saw("契約更新です。\r要らない選手は\r解雇してください。"));
        QCOMPARE(head.ui.campScreens, 1);
        QCOMPARE(head.ui.scoutScreens, 1);
        QVERIFY(head.ui.Saw(kDeclineCandidatesQuestion));

        const auto screen = EncodeGameState(app.State());
        const auto headless = EncodeGameState(head.state);
        QVERIFY(screen && headless);
        QVERIFY(screen.Value() == headless.Value());
        QCOMPARE(app.CurrentGame().Random(1000000, 0), head.game.Random(1000000, 0));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

#include "tst_WeekBothWays.moc"
TK_UI_TEST(tst_WeekBothWays);
