// The rules' player interface on the real dialogs: UTF-8 texts, answers, screen hooks, and
// every message recorded by the call that shows it.
#include <QLabel>
#include <QTest>
#include <tuple>

#include "core/rules/game.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/base/MeSForm.h"
#include "ui/base/MesQWin.h"
#include "ui/base/messages.h"
#include "ui/base/qt_game_ui.h"

using namespace tk;
using namespace tk::test;

namespace {

// Keeps the messages as a history would: kind, title, text, week, answer.
struct MessageLog : HistorySink {
    using Row = std::tuple<MessageKind, std::string, std::string, int, bool>;
    std::vector<Row> rows;
    void MonthEnd(const GameState &) override {}
    void YearEndBegins(const GameState &) override {}
    void YearEnd(const GameState &, const SeasonMoney &) override {}
    void WeekEnded(const GameState &) override {}
    void Message(MessageKind kind, const std::string &text, const std::string &title, int week,
                 bool answer) override {
        rows.emplace_back(kind, title, text, week, answer);
    }
};

}  // namespace

class tst_QtGameUi : public QObject {
    Q_OBJECT

    MessageRoute route_;

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void noticeShowsTheCoreText() {
        QtGameUi ui(route_);
        QString text;
        MessageKind kind = MessageKind::Notice;
        ModalAnswerer answer(
            [&](QWidget *modal) {
                text = modal->findChild<QLabel *>(QStringLiteral("Comment"))->text();
                kind = qobject_cast<MeSForm *>(modal)->Kind();
                ClickButton(modal, QStringLiteral("閉じる"));
            },
            QStringLiteral("MeSForm"));
        ui.ShowNotice(MessageKind::Warning, "資金が足りません。\r残り3000万円", "", 12);
        QVERIFY(answer.Closed());
        QCOMPARE(text, QStringLiteral("資金が足りません。\n残り3000万円"));
        QCOMPARE(kind, MessageKind::Warning);
    }

    // The rules' messages and a screen's own take one route into the history, dated by the
    // game's week, with the text as it was built; nothing is recorded without a history.
    void theRouteRecordsWhatItShows() {
        GameState state;
        MessageLog log;
        MessageRoute route;
        QtGameUi ui(route);
        const auto play = [&] {
            ModalAnswerer notice(ModalAnswerer::Click(QStringLiteral("閉じる")));
            ui.ShowNotice(MessageKind::Report, "A組\r勝利しました！！", "やったね！", 14);
            ModalAnswerer yes(ModalAnswerer::Click(QStringLiteral("はい")));
            const bool first = ui.AskQuestion("使用しますか？", "", 12);
            ModalAnswerer no(ModalAnswerer::Click(QStringLiteral("いいえ")));
            const bool second =
                route.AskQuestion(QStringLiteral("保存して終了しますか？"), QString(), 12, nullptr);
            ModalAnswerer refused(ModalAnswerer::Click(QStringLiteral("閉じる")));
            route.ShowNotice(MessageKind::Warning, QStringLiteral("練習中です。"), QString(), 18,
                             nullptr);
            QVERIFY(first && !second);
        };
        play();
        QVERIFY(log.rows.empty());
        state.WeekCount = 77;
        route.RecordTo(&log, &state);
        play();
        const std::vector<MessageLog::Row> expected{
            {MessageKind::Report, "やったね！", "A組\r勝利しました！！", 77, false},
            {MessageKind::Question, "", "使用しますか？", 77, true},
            {MessageKind::Question, "", "保存して終了しますか？", 77, false},
            {MessageKind::Warning, "", "練習中です。", 77, false}};
        QVERIFY(log.rows == expected);
        route.RecordTo(nullptr, nullptr);
        play();
        QCOMPARE(log.rows.size(), expected.size());
    }

    void questionAnswersAndOpensOverTheOpenModal() {
        QtGameUi ui(route_);
        QWidget *parentOfQuestion = nullptr;
        QDialog screen;
        screen.setObjectName(QStringLiteral("Screen"));
        ModalAnswerer onScreen(
            [&](QWidget *modal) {
                ModalAnswerer yes(
                    [&](QWidget *question) {
                        parentOfQuestion = question->parentWidget();
                        ClickButton(question, QStringLiteral("はい"));
                    },
                    QStringLiteral("MesQWin"));
                QVERIFY(ui.AskQuestion("このチームを消しますか？", "", 12));
                qobject_cast<QDialog *>(modal)->accept();
            },
            QStringLiteral("Screen"));
        screen.exec();
        QVERIFY(onScreen.Closed());
        QCOMPARE(parentOfQuestion, &screen);
    }

    void screensDoNothingUntilHooked() {
        GameState state;
        Settings settings;
        Rng rng(1);
        QtGameUi ui(route_);
        Game game{state, settings, rng, ui};
        ui.ChooseCamp(game);  // no hook: nothing happens
        int camps = 0, rounds = 0;
        ui.SetChooseCamp([&](Game &) { ++camps; });
        ui.SetPlayNextRound([&](Game &g) { rounds += &g == &game; });
        ui.ChooseCamp(game);
        ui.PlayNextRound(game);
        ui.ShowScoutResult(game);
        ui.DismissAtRenewal(game);
        QCOMPARE(camps, 1);
        QCOMPARE(rounds, 1);
    }
};

TK_UI_TEST(tst_QtGameUi);

#include "tst_QtGameUi.moc"
