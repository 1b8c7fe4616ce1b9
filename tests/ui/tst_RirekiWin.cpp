// The message history: newest first, the chosen message whole with its date and answer.
#include <QAbstractItemModel>
#include <QLabel>
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
        QCOMPARE(m->index(1, 3).data().toString(), QStringLiteral("今年は100万円の 黒字でした。"));
        QCOMPARE(m->index(1, 4).data().toString(), QString());
        QCOMPARE(screen.Detail()->text(),
                 QStringLiteral("2年目4月1週\nこのチームを消しますか？\n答え：いいえ"));
        screen.List()->selectRow(1);
        QCOMPARE(screen.Detail()->text(),
                 QStringLiteral("2年目3月4週　「黒字」\n今年は100万円の\n黒字でした。"));
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
