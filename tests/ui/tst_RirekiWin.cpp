// The message history: newest first, the chosen message whole with its date and answer.
#include <QAbstractItemModel>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/screens/RirekiWin.h"

using namespace tk;
using namespace tk::test;

class tst_RirekiWin : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void listAndDetail() {
        RirekiWin screen({{61, MessageKind::Question, "", "このチームを消しますか？", false},
                          {60, MessageKind::Report, "黒字", "今年は100万円の\r黒字でした。", false},
                          {59, MessageKind::Warning, "", "練習中です。", false},
                          {58, MessageKind::Notice, "", "前の知らせ", false}},
                         true);
        QCOMPARE(screen.windowTitle(), QStringLiteral("メッセージ履歴"));
        QAbstractItemModel *m = screen.List()->model();
        QCOMPARE(m->rowCount(), 4);
        QCOMPARE(m->index(0, 0).data().toString(), QStringLiteral("2年目4月1週"));
        // Kinds as the call gave them; a notice of an older history is just a notice.
        QStringList kinds;
        for (int row = 0; row < 4; ++row) kinds << m->index(row, 1).data().toString();
        QCOMPARE(kinds, QStringList({"質問", "報告", "注意", "お知らせ"}));
        QCOMPARE(m->index(0, 4).data().toString(), QStringLiteral("いいえ"));
        QCOMPARE(m->index(1, 3).data().toString(), QStringLiteral("今年は100万円の\n黒字でした。"));
        QCOMPARE(m->index(1, 4).data().toString(), QString());
        QCOMPARE(screen.Detail()->text(),
                 QStringLiteral("2年目4月1週\nこのチームを消しますか？\n答え：いいえ"));
        screen.List()->selectRow(1);
        QCOMPARE(screen.Detail()->text(),
                 QStringLiteral("2年目3月4週　「黒字」\n今年は100万円の\n黒字でした。"));
    }

    // A message that begins with line breaks (the introduction) keeps its lines, in a row
    // tall enough for them, below the row above.
    void rowsAsTallAsTheirLines() {
        RirekiWin screen({{14, MessageKind::Notice, "", "短い", false},
                          {13, MessageKind::Notice, "", "\r\rようこそ\r1行目\r2行目", false}},
                         true);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QAbstractItemModel *m = screen.List()->model();
        QCOMPARE(m->index(1, 3).data().toString(), QStringLiteral("ようこそ\n1行目\n2行目"));
        QHeaderView *rows = screen.List()->verticalHeader();
        const int lineHeight = screen.List()->fontMetrics().lineSpacing();
        QVERIFY(rows->sectionSize(1) >= 3 * lineHeight);
        QVERIFY(rows->sectionSize(0) < 2 * lineHeight + 8);
        QCOMPARE(rows->sectionPosition(1), rows->sectionSize(0));
    }

    void filterByWordsKindAndSeason_data() {
        QTest::addColumn<QString>("words");
        QTest::addColumn<int>("kind");    // index in the kind list, 0 = all
        QTest::addColumn<int>("season");  // index in the season list, 0 = all
        QTest::addColumn<QString>("dates");
        QTest::newRow("all") << "" << 0 << 0 << "3年目4月1週 2年目4月1週 2年目3月4週 1年目4月1週";
        QTest::newRow("words over a break") << "黒字でした" << 0 << 0 << "2年目3月4週";
        QTest::newRow("words in the title") << "おめでとう" << 0 << 0 << "3年目4月1週";
        QTest::newRow("questions") << "" << 3 << 0 << "2年目4月1週";
        QTest::newRow("notices of the first season") << "" << 4 << 3 << "2年目3月4週 1年目4月1週";
        QTest::newRow("nothing found") << "ワールド" << 0 << 0 << "";
    }

    void filterByWordsKindAndSeason() {
        QFETCH(QString, words);
        QFETCH(int, kind);
        QFETCH(int, season);
        QFETCH(QString, dates);
        RirekiWin screen({{109, MessageKind::Notice, "おめでとう！", "春季大会\r優勝", false},
                          {61, MessageKind::Question, "", "このチームを消しますか？", false},
                          {60, MessageKind::Notice, "", "今年は100万円の\r黒字でした。", false},
                          {13, MessageKind::Notice, "", "\r\rようこそ", false}},
                         true);
        QCOMPARE(screen.Seasons()->count(), 4);  // all, and three seasons, newest first
        QCOMPARE(screen.Seasons()->itemText(3), QStringLiteral("1年目4月～2年目3月"));
        screen.Words()->setText(words);
        screen.Kinds()->setCurrentIndex(kind);
        screen.Seasons()->setCurrentIndex(season);
        QStringList shown;
        QAbstractItemModel *m = screen.List()->model();
        for (int row = 0; row < m->rowCount(); ++row) shown << m->index(row, 0).data().toString();
        QCOMPARE(shown.join(QLatin1Char(' ')), dates);
        if (shown.isEmpty())
            QCOMPARE(screen.Detail()->text(), QStringLiteral("当てはまるメッセージはありません。"));
        else
            QVERIFY(screen.Detail()->text().startsWith(shown[0]));
    }

    void emptyOrNotKept_data() {
        QTest::addColumn<bool>("kept");
        QTest::addColumn<QString>("text");
        QTest::newRow("kept") << true << "まだメッセージはありません。";
        QTest::newRow("not kept") << false << "このゲームの記録は取られていません。";
    }

    void emptyOrNotKept() {
        QFETCH(bool, kept);
        QFETCH(QString, text);
        RirekiWin screen({}, kept);
        QCOMPARE(screen.Detail()->text(), text);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QTest::keyClick(screen.List(), Qt::Key_Escape);
        QVERIFY(!screen.isVisible());
    }
};

#include "tst_RirekiWin.moc"
TK_UI_TEST(tst_RirekiWin);
