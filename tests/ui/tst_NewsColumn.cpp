// The news column: with the news choice a report is listed there and opens no dialog, while
// questions and warnings still open and wait; a history that opens fills the column with its
// latest reports; the first season's checklist ticks itself off.
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTextBrowser>

#include "core/rules/scout_rules.h"
#include "core/state/notice_choice.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/base/messages.h"
#include "ui/shell/HelpWin.h"
#include "ui/widgets/news_column.h"

using namespace tk;
using namespace tk::test;

namespace {

struct NoHistory : HistorySink {
    void MonthEnd(const GameState &) override {}
    void YearEndBegins(const GameState &) override {}
    void YearEnd(const GameState &, const SeasonMoney &) override {}
    void WeekEnded(const GameState &) override {}
    void Message(MessageKind, const std::string &, const std::string &, int, bool) override {}
};

}  // namespace

class tst_NewsColumn : public QObject {
    Q_OBJECT

    ScopedUiTimingScale fast_{0.001};

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void messagesByKindAndChoice_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("shown");      // the column's screen is on show
        QTest::addColumn<QString>("dialog");  // the dialog that opens, or none
        QTest::addColumn<bool>("listed");     // the text is in the column afterwards
        const int report = int(MessageKind::Report), warning = int(MessageKind::Warning);
        const int question = int(MessageKind::Question);
        const QString notice = QStringLiteral("MeSForm"), ask = QStringLiteral("MesQWin");
        QTest::newRow("news: report") << 2 << report << true << QString() << true;
        QTest::newRow("news: warning") << 2 << warning << true << notice << false;
        QTest::newRow("news: question") << 2 << question << true << ask << false;
        QTest::newRow("news: report, no main screen") << 2 << report << false << notice << false;
        QTest::newRow("five seconds: report") << 0 << report << true << notice << true;
        QTest::newRow("wait: report") << 1 << report << true << notice << true;
    }

    void messagesByKindAndChoice() {
        QFETCH(int, mode);
        QFETCH(int, kind);
        QFETCH(bool, shown);
        QFETCH(QString, dialog);
        QFETCH(bool, listed);
        Settings settings;
        SetNoticeChoice(settings, static_cast<NoticeMode>(mode));
        GameState state;
        state.WeekCount = 13 + 48 + 5;  // 2年目 5月2週
        MessageRoute route;
        route.UseSettings(&settings);
        QWidget screen;
        auto *column = new NewsColumn(route, state, &screen);
        if (shown) screen.show();

        const std::string text = "\r\rワールドテニス\r優勝しました";
        QString opened;
        ModalAnswerer answer([&](QWidget *modal) {
            opened = modal->objectName();
            for (const char *b : {"閉じる", "はい"})
                if (FindButton(modal, QString::fromUtf8(b)))
                    ClickButton(modal, QString::fromUtf8(b));
        });
        if (kind == int(MessageKind::Question))
            QVERIFY(route.AskQuestion(text, "", 12, &screen));
        else
            route.ShowNotice(static_cast<MessageKind>(kind), text, "おめでとう！", 16, &screen);
        QCOMPARE(opened, dialog);
        QCOMPARE(column->List()->count(), listed ? 1 : 0);
        if (listed)
            QCOMPARE(column->List()->item(0)->text(),
                     QStringLiteral("2年目 5月2週　おめでとう！\nワールドテニス\n優勝しました"));
    }

    // Opening the history lists its latest reports, newest first, and reads the checklist's
    // answers from it; a column gone takes itself off the route.
    void historyFillsTheColumn() {
        Settings settings;
        SetNoticeChoice(settings, NoticeMode::News);
        GameState state;
        state.WeekCount = 20;
        state.Candidates[0].FamilyName = 0;
        MessageRoute route;
        route.UseSettings(&settings);
        NoHistory history;
        std::vector<MessageRow> rows;  // newest first, as the history gives them
        for (int i = 0; i < NewsColumn::kKept + 5; ++i)
            rows.push_back({20, MessageKind::Report, "", "報告" + std::to_string(i), false});
        rows.insert(rows.begin() + 1, {20, MessageKind::Warning, "", "警告", false});
        rows.push_back(
            {14, MessageKind::Question, kScoutRequestTitle, ScoutRequestQuestion({}), true});
        {
            QWidget screen;
            auto *column = new NewsColumn(route, state, &screen);
            column->SetHistoryReader([&] { return rows; });
            QCOMPARE(column->List()->count(), 0);
            route.RecordTo(&history, &state);
            QCOMPARE(column->List()->count(), NewsColumn::kKept);
            QCOMPARE(column->List()->item(0)->text(), QStringLiteral("1年目 5月4週\n報告0"));
            QCOMPARE(column->List()->item(1)->text(), QStringLiteral("1年目 5月4週\n報告1"));
            QVERIFY(column->Notes().scouted);
            QVERIFY(column->Checklist()->text().contains(QStringLiteral("☑ スカウト")));
            QCOMPARE(column->List()->accessibleName(), QStringLiteral("ニュース"));
        }
        // With its column gone a report opens its dialog again.
        ModalAnswerer answer(ModalAnswerer::Click(QStringLiteral("閉じる")));
        route.ShowNotice(MessageKind::Report, std::string("報告"), "", 12, nullptr);
        QVERIFY(answer.Acted());
        route.RecordTo(nullptr, nullptr);
    }

    // The help ticks the same items.
    void helpTicksTheChecklist() {
        HelpWin help;
        QVERIFY(help.Text()->toPlainText().contains(QStringLiteral("☐ コート")));
        help.ShowFirstApril({true, false, false, true});
        const QString text = help.Text()->toPlainText();
        for (const char *line : {"☑ コート", "☐ 選手の数", "☐ スカウト", "☑ 整備"})
            QVERIFY2(text.contains(QString::fromUtf8(line)), line);
    }
};

#include "tst_NewsColumn.moc"
TK_UI_TEST(tst_NewsColumn);
