// One season's messages both ways: played on the real main screen and dialogs offscreen, and
// in the simulator with the idle manager, from the same seed and with the same answers. The
// two histories agree row for row: week, kind, title, text as the rules built it, answer.
#include <QAbstractButton>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include "core/rules/new_game.h"
#include "history/history_store.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "tools/sim/sim_history.h"
#include "tools/sim/simulation.h"
#include "ui/shell/MainWin.h"
#include "ui/shell/game_app.h"
#include "ui/shell/main_screen.h"
#include "ui/widgets/command_bar.h"
#include "ui/widgets/picture_catalogue.h"

using namespace tk;
using namespace tk::test;

namespace {

constexpr std::uint64_t kSeed = 23;
constexpr int kSeasonEnd = 13 + 48;  // 2年目4月1週: the settlement is behind

// The idle manager's answers on screen: no camp ("Plices0", 決定, はい), the dismissal screen
// closed, every notice closed by its button. Clicks are queued: a click that opens a question
// must not run inside this timer, which could not fire again to answer it.
class IdleAnswers : public QObject {
public:
    IdleAnswers() {
        connect(&timer_, &QTimer::timeout, this, &IdleAnswers::Answer);
        timer_.start(1);
    }

private:
    void Answer() {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == handled_) return;
        handled_ = modal;
        if (modal->objectName() == QStringLiteral("GasyuElectWin")) Queue(modal, "Plices0");
        for (const char *b : {"閉じる", "はい", "決定"})
            if (FindButton(modal, QString::fromUtf8(b))) {
                Queue(modal, b);
                return;
            }
    }
    static void Queue(QWidget *modal, const char *button) {
        QMetaObject::invokeMethod(FindButton(modal, QString::fromUtf8(button)), "click",
                                  Qt::QueuedConnection);
    }
    QPointer<QWidget> handled_;
    QTimer timer_;
};

QString Row(const MessageRow &m) {
    return QStringLiteral("%1 %2 「%3」 %4 %5")
        .arg(m.week)
        .arg(int(m.kind))
        .arg(QString::fromStdString(m.title), QString::fromStdString(m.text).toHtmlEscaped())
        .arg(m.answer);
}

QStringList Rows(const std::vector<MessageRow> &newestFirst) {
    QStringList out;
    for (auto m = newestFirst.rbegin(); m != newestFirst.rend(); ++m) out << Row(*m);
    return out;
}

}  // namespace

class tst_SeasonMessages : public QObject {
    Q_OBJECT

    ScopedUiTimingScale fast_{0.001};

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void aSeasonRecordsTheSameMessagesBothWays() {
        QTemporaryDir dir;
        QStringList onScreen;
        {
            GameApp app(dir.path(), kSeed);
            app.SetMainScreenFactory(&OpenMainScreen);
            app.GameSettings().FastMode = kTrue;
            // Every notice waits for 閉じる: the setting reaches the dialogs the rules open.
            app.GameSettings().SetNoticesWait(true);
            IdleAnswers answers;
            app.BeginNewGame(QStringLiteral("テスト"), QStringLiteral("監督"));
            auto *main = qobject_cast<MainWin *>(app.MainScreen());
            QVERIFY(main);
            const auto press = [&](int button) {
                const QPoint at = main->Bar()->ButtonRect(button).center();
                QTest::mousePress(main->Bar(), Qt::LeftButton, {}, at);
                QTest::mouseRelease(main->Bar(), Qt::LeftButton, {}, at);
            };
            for (int run = 0; run < 30 && app.State().WeekCount < kSeasonEnd; ++run) {
                press(kAdvanceButton);
                // A command during the run is refused by the main screen's own notice.
                if (run == 0) press(3);
                QVERIFY(QTest::qWaitFor([&] { return !main->Advancing(); }, 20000));
            }
            QCOMPARE(int(app.State().WeekCount), kSeasonEnd);
            onScreen = Rows(app.History().Messages());
        }

        sim::Simulation sim(kSeed, sim::MakeIdlePolicy());
        sim.StartNew("テスト", "監督");
        const QString path = dir.filePath(QStringLiteral("sim.history"));
        {
            sim::SimHistory history;
            QVERIFY(history.Open(path, sim, true));
            QCOMPARE(sim.Play(kSeasonEnd - 13), kSeasonEnd - 13);
            QVERIFY(history.Close());
        }
        HistoryStore::Opened read = HistoryStore::OpenToRead(path);
        QVERIFY(read.store);
        const QStringList simulated = Rows(read.store->Messages());

        // What only the screens say: the new game's greeting and the refused command.
        QVERIFY(onScreen.size() > 2);
        QCOMPARE(onScreen.takeFirst(),
                 Row({13, MessageKind::Report, "", IntroductionText(), false}));
        QCOMPARE(onScreen.takeFirst(), Row({13, MessageKind::Warning, "", "練習中です。", false}));
        QCOMPARE(onScreen, simulated);
        // The season has reports and questions in it, not only the screens' own.
        for (MessageKind kind : {MessageKind::Report, MessageKind::Question})
            QVERIFY2(!simulated.filter(QStringLiteral(" %1 「").arg(int(kind))).isEmpty(),
                     qPrintable(QString::number(int(kind))));
    }
};

#include "tst_SeasonMessages.moc"
TK_UI_TEST(tst_SeasonMessages);
