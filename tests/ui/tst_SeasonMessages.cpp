// One season's messages both ways: played on the real main screen and dialogs offscreen, and
// in the simulator with the idle manager, from the same seed and with the same answers. The
// two histories agree row for row: week, kind, title, text as the rules built it, answer;
// with notices that wait and with the news column, where no report opens a dialog and the
// runs of weeks go on through the month ends.
#include <QAbstractButton>
#include <QListWidget>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include "core/rules/new_game.h"
#include "core/state/notice_choice.h"
#include "history/history_store.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "tools/sim/sim_history.h"
#include "tools/sim/simulation.h"
#include "ui/base/MeSForm.h"
#include "ui/shell/MainWin.h"
#include "ui/shell/game_app.h"
#include "ui/shell/main_screen.h"
#include "ui/widgets/command_bar.h"
#include "ui/widgets/news_column.h"
#include "ui/widgets/picture_catalogue.h"

using namespace tk;
using namespace tk::test;

namespace {

constexpr std::uint64_t kSeasonSeed = 23;
constexpr int kSeasonEnd = 13 + 48;  // 2年目4月1週: the settlement is behind

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
    int runsWithDialogs_ = 0;

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void aSeasonRecordsTheSameMessagesBothWays_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("notices wait") << int(NoticeMode::Waits);
        QTest::newRow("news column") << int(NoticeMode::News);
    }

    void aSeasonRecordsTheSameMessagesBothWays() {
        QFETCH(int, mode);
        const bool news = mode == int(NoticeMode::News);
        QTemporaryDir dir;
        QStringList onScreen;
        int runs = 0;
        {
            GameApp app(dir.path(), kSeasonSeed);
            app.SetMainScreenFactory(&OpenMainScreen);
            app.GameSettings().FastMode = kTrue;
            // The setting reaches the dialogs the rules open.
            SetNoticeChoice(app.GameSettings(), static_cast<NoticeMode>(mode));
            IdleAnswers answers;
            app.BeginNewGame(QStringLiteral("テスト"), QStringLiteral("監督"));
            auto *main = qobject_cast<MainWin *>(app.MainScreen());
            QVERIFY(main);
            const auto press = [&](int button) {
                const QPoint at = main->Bar()->ButtonRect(button).center();
                QTest::mousePress(main->Bar(), Qt::LeftButton, {}, at);
                QTest::mouseRelease(main->Bar(), Qt::LeftButton, {}, at);
            };
            for (; runs < 30 && app.State().WeekCount < kSeasonEnd; ++runs) {
                press(kAdvanceButton);
                // A command during the run is refused by the main screen's own notice.
                if (runs == 0) press(3);
                QVERIFY(QTest::qWaitFor([&] { return !main->Advancing(); }, 20000));
            }
            QCOMPARE(int(app.State().WeekCount), kSeasonEnd);
            onScreen = Rows(app.History().Messages());
            const int reports = onScreen.filter(QStringLiteral(" 2 「")).size();
            // Only the introduction, which always waits, opened as a dialog with the news.
            QCOMPARE(answers.ReportDialogs(), news ? 1 : reports);
            QCOMPARE(main->NewsList()->List()->count(), reports);
        }
        // News never stops a run: the month ends that stop it with dialogs are news here.
        if (!news) runsWithDialogs_ = runs;
        if (news && runsWithDialogs_ > 0) QVERIFY(runs < runsWithDialogs_);

        sim::Simulation sim(kSeasonSeed, sim::MakeIdlePolicy());
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
