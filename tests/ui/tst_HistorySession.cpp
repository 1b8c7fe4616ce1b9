// The running game's history: kept through two seasons, the office's summary of the last
// settlement, the menu's keys, saving, quitting and loading again; and every history that
// cannot be used, told once while the slot loads and plays untouched, or when a week's write
// finds it damaged.
#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "core/rules/new_game.h"
#include "core/rules/week_rules.h"
#include "history/history_store.h"
#include "tests/support/damaged_history.h"
#include "tests/support/scripted_ui.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/screens/ZimuWin.h"
#include "ui/shell/MainWin.h"
#include "ui/shell/command_screens.h"
#include "ui/shell/game_app.h"
#include "ui/shell/main_screen.h"

using namespace tk;
using namespace tk::test;

namespace {

// Answers whatever the weeks bring: questions "はい", screens their way out.
struct AnswerEverything {
    QTimer timer;
    AnswerEverything() {
        QObject::connect(&timer, &QTimer::timeout, [] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal == nullptr) return;
            // Pressed from the event loop: a button may open a question of its own, which
            // this timer must be free to answer.
            for (const QString &b : {QStringLiteral("はい"), QStringLiteral("決定"),
                                     QStringLiteral("契約しない"), QStringLiteral("閉じる")}) {
                if (QAbstractButton *button = FindButton(modal, b)) {
                    QTimer::singleShot(0, button, &QAbstractButton::click);
                    return;
                }
            }
            modal->close();
        });
        timer.start(0);
    }
};

QByteArray Bytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct App {
    QTemporaryDir dir;
    GameApp app{dir.path(), 7};
    QString slot = app.Store().SlotPath(0);
    QString history = HistoryPath(app.Store(), 0);

    App() {
        app.SetMainScreenFactory(&OpenMainScreen);
        app.GameSettings().FastMode = kTrue;
    }
    MainWin *Main() const { return qobject_cast<MainWin *>(app.MainScreen()); }
    WeekOutcome PlayWeeks(int weeks) {
        AnswerEverything answer;
        WeekOutcome last = WeekOutcome::Next;
        for (int i = 0; i < weeks && last == WeekOutcome::Next; ++i)
            last = PlayWeek(app.CurrentGame(), [](Game &) {});
        return last;
    }
    void SaveAndQuit() {
        ModalAnswerer yes(ModalAnswerer::Click(QStringLiteral("はい")));
        Main()->close();
        QVERIFY(yes.Acted());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!app.History().IsOpen());
    }
};

}  // namespace

class tst_HistorySession : public QObject {
    Q_OBJECT

    ScopedUiTimingScale fast_{0.001};

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void twoSeasonsSurviveSavingAndLoading() {
        App a;
        {
            ModalAnswerer intro(ModalAnswerer::Click(QStringLiteral("閉じる")));
            a.app.BeginNewGame(QStringLiteral("テスト"), QStringLiteral("監督"));
        }
        QVERIFY(a.app.History().IsOpen());
        a.app.State().Money = 1000000;  // whatever the answers cost, the club lasts
        QCOMPARE(a.PlayWeeks(96), WeekOutcome::Next);
        const auto messages = a.app.History().Messages();
        QVERIFY(messages.size() > 4);
        QCOMPARE(messages.back().text, IntroductionText());  // the first notice of all
        QCOMPARE(a.app.History().Store()->Seasons().size(), 2u);

        // The office shows the last settlement's notices and opens the records.
        ModalAnswerer office(
            [](QWidget *modal) {
                auto *zimu = qobject_cast<ZimuWin *>(modal);
                QVERIFY(zimu);
                QVERIFY(zimu->SettlementSummary()->isVisibleTo(zimu));
                QVERIFY(zimu->SettlementSummary()->text().startsWith(
                    QStringLiteral("契約更新です。要らない選手は解雇してください。\n"
                                   "今年のチーム予算は2000万円です\n")));
                QVERIFY(zimu->RecordsButton()->isVisibleTo(zimu));
                ClickButton(modal, QStringLiteral("閉じる"));
            },
            QStringLiteral("ZimuWin"));
        int player = 0, lot = 0;
        OpenCommandScreen(MainCommand::Office, a.app, a.Main(), player, lot);
        QVERIFY(office.Acted());

        auto *keys = a.Main()->findChild<QAction *>(QStringLiteral("MessageHistory"));
        QVERIFY(keys);
        QCOMPARE(keys->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
        QCOMPARE(a.Main()->findChild<QAction *>(QStringLiteral("Records"))->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_R));
        ModalAnswerer list(
            [&](QWidget *modal) {
                QCOMPARE(modal->windowTitle(), QStringLiteral("メッセージ履歴"));
                ClickButton(modal, QStringLiteral("閉じる"));
            },
            QStringLiteral("RirekiWin"));
        keys->trigger();
        QVERIFY(list.Acted());

        const std::size_t kept = a.app.History().Messages().size();
        a.SaveAndQuit();
        QVERIFY(QFile::exists(a.history));
        QVERIFY(!QFile::exists(a.history + QStringLiteral("-journal")));

        // Loading again tells nothing and finds every season, message and month.
        // The history opens once the main screen has painted.
        ModalAnswerer quiet(ModalAnswerer::Watch());
        QVERIFY(a.app.ContinueGame());
        QVERIFY(!a.app.History().IsOpen());
        QTRY_VERIFY(!a.app.HistoryWaiting());
        QVERIFY(!quiet.Acted());
        QVERIFY(a.app.History().IsOpen());
        const HistoryStore *h = a.app.History().Store();
        QCOMPARE(h->Seasons().size(), 2u);
        QCOMPARE(a.app.History().Messages().size(), kept + 1);  // and "保存して終了しますか？"
        QCOMPARE(a.app.History().Messages().front().text, std::string("保存して終了しますか？"));
        QCOMPARE(h->Curve(MakeMonthRecord(a.app.State())[0].key).size(), 24u);
        a.SaveAndQuit();
    }

    void unusableHistories_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("button");  // what the player answers
        QTest::addColumn<QString>("told");    // a line of what he is told
        QTest::addColumn<bool>("kept");       // a history is kept afterwards
        QTest::newRow("missing") << "missing"
                                 << "閉じる"
                                 << "これから記録を始めます。" << true;
        QTest::newRow("not a database, afresh") << "garbage"
                                                << "はい"
                                                << "記録を新しく始めますか？" << true;
        QTest::newRow("not a database, without") << "garbage"
                                                 << "いいえ"
                                                 << "記録を新しく始めますか？" << false;
        QTest::newRow("truncated") << "truncated"
                                   << "いいえ"
                                   << "壊れています" << false;
        QTest::newRow("newer schema") << "newer"
                                      << "いいえ"
                                      << "新しい版" << false;
        QTest::newRow("other team") << "other"
                                    << "はい"
                                    << "ほかのチーム" << true;
        QTest::newRow("locked") << "locked"
                                << "閉じる"
                                << "ほかのテニス監督が使っています" << false;
    }

    void unusableHistories() {
        QFETCH(QString, kind);
        QFETCH(QString, button);
        QFETCH(QString, told);
        QFETCH(bool, kept);
        App a;
        TestGame t;
        StartNewGame(t.game, "テスト", "監督");
        QVERIFY(a.app.Store().SaveGame(0, t.state));
        const QByteArray slot = Bytes(a.slot);

        std::unique_ptr<HistoryStore> other;  // "another copy" holding the history
        if (kind != QStringLiteral("missing")) {
            const std::string team = kind == QStringLiteral("other") ? "別チーム" : "テスト";
            other = HistoryStore::Open(a.history, {team, 13, true}).store;
            QVERIFY(other);
            QVERIFY(other->Write({{{13, MessageKind::Notice, "", "前の知らせ", false}}}, 13));
            if (kind != QStringLiteral("locked")) other.reset();
        }
        QByteArray bytes = Bytes(a.history);
        QFile file(a.history);
        if (kind == QStringLiteral("garbage")) bytes = QByteArray(5000, 'x');
        if (kind == QStringLiteral("truncated")) bytes = bytes.left(bytes.size() / 2);
        if (kind == QStringLiteral("newer")) bytes[63] = 9;
        if (!bytes.isEmpty() && kind != QStringLiteral("locked")) {
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes);
            file.close();
        }

        int dialogs = 0;
        QString text;
        ModalAnswerer answer([&](QWidget *modal) {
            ++dialogs;
            text = modal->findChild<QLabel *>()->text();
            ClickButton(modal, button);
        });
        QVERIFY(a.app.ContinueGame());
        QTRY_VERIFY(!a.app.HistoryWaiting());
        QVERIFY(answer.Acted());
        QVERIFY2(text.contains(told), qPrintable(text));
        QCOMPARE(dialogs, 1);
        QCOMPARE(a.app.History().IsOpen(), kept);
        // The game plays on, and its slot is not touched until it is saved.
        QCOMPARE(a.PlayWeeks(4), WeekOutcome::Next);
        QCOMPARE(Bytes(a.slot), slot);
        if (!kept) QCOMPARE(Bytes(a.history), bytes);
        if (other) QCOMPARE(other->Messages().size(), 1u);  // the other copy's is unharmed
        a.SaveAndQuit();
    }

    void damageFoundByAWrite_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("afresh");
        QTest::newRow("started afresh") << "はい" << true;
        QTest::newRow("recording stops") << "いいえ" << false;
    }

    // Sound to the opening's checks, damaged to the first week's write: the fresh start the
    // opening would offer is offered there, and the damaged file is kept aside.
    void damageFoundByAWrite() {
        QFETCH(QString, button);
        QFETCH(bool, afresh);
        App a;
        TestGame t;
        StartNewGame(t.game, "テスト", "監督");
        QVERIFY(a.app.Store().SaveGame(0, t.state));
        {
            auto opened = HistoryStore::Open(a.history, {"テスト", 13, true});
            QVERIFY(opened.store);
            QVERIFY(
                opened.store->Write({{{13, MessageKind::Notice, "", "前の知らせ", false}}}, 13));
        }
        QByteArray bytes = Bytes(a.history);
        QVERIFY(DamageTextIndex(bytes, {"前の知らせ"}));
        QFile file(a.history);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();

        ModalAnswerer quiet(ModalAnswerer::Watch());
        QVERIFY(a.app.ContinueGame());
        QTRY_VERIFY(!a.app.HistoryWaiting());
        QVERIFY(!quiet.Acted());
        QVERIFY(a.app.History().IsOpen());
        {
            ModalAnswerer close(ModalAnswerer::Click(QStringLiteral("閉じる")));
            a.app.Messages().ShowNotice(MessageKind::Report, QStringLiteral("今週の知らせ"),
                                        QString(), 12, a.Main());
        }
        QString text;
        ModalAnswerer answer([&](QWidget *modal) {
            text = modal->findChild<QLabel *>()->text();
            ClickButton(modal, button);
        });
        QCOMPARE(PlayWeek(a.app.CurrentGame(), [](Game &) {}), WeekOutcome::Next);
        QVERIFY(answer.Acted());
        QVERIFY2(text.contains(QStringLiteral("壊れています")) &&
                     text.contains(QStringLiteral("記録を新しく始めますか？")),
                 qPrintable(text));
        QCOMPARE(QFile::exists(a.history + QStringLiteral(".old")), afresh);
        QCOMPARE(a.PlayWeeks(4), WeekOutcome::Next);
        a.SaveAndQuit();
        if (!afresh) return;
        // The fresh history begins with the week whose write found the damage, and takes the
        // weeks after it.
        auto read = HistoryStore::OpenToRead(a.history);
        QVERIFY2(read.store, read.reason.c_str());
        QCOMPARE(read.store->OriginWeek(), 13);
        const std::vector<MessageRow> kept = read.store->Messages();
        QCOMPARE(kept.front().text, std::string("保存して終了しますか？"));
        QCOMPARE(kept.back().text, std::string("今週の知らせ"));
        QCOMPARE(kept.back().week, 13);
    }
};

#include "tst_HistorySession.moc"
TK_UI_TEST(tst_HistorySession);
