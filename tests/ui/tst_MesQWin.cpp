// The question: "はい" is true, "いいえ" false, and nothing else closes it.
#include <QLabel>
#include <QTest>

#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/base/MesQWin.h"
#include "ui/base/messages.h"

using namespace tk;
using namespace tk::test;

class tst_MesQWin : public QObject {
    Q_OBJECT

    MessageRoute route_;

    bool AskQuestion(const QString &message, const QString &title, int fontSize) {
        return route_.AskQuestion(message, title, fontSize, nullptr);
    }

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void answers_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("yes");
        QTest::newRow("はい") << QStringLiteral("はい") << true;
        QTest::newRow("いいえ") << QStringLiteral("いいえ") << false;
    }

    void answers() {
        QFETCH(QString, button);
        QFETCH(bool, yes);
        QString text;
        int fontSize = 0;
        ModalAnswerer answer(
            [&](QWidget *modal) {
                auto *question = qobject_cast<MesQWin *>(modal);
                text = question->Comment()->text();
                fontSize = question->Comment()->font().pointSize();
                ClickButton(modal, button);
            },
            QStringLiteral("MesQWin"));
        QCOMPARE(AskQuestion(QStringLiteral("本当に\rデータを消しますか？"), QString(), 12), yes);
        QVERIFY(answer.Acted());
        QCOMPARE(text, QStringLiteral("本当に\nデータを消しますか？"));
        QCOMPARE(fontSize, 12);
        QCOMPARE(answer.Title(), QString());
    }

    void refusesTheCloseBoxAndEscape() {
        bool stayedAfterClose = false;
        bool stayedAfterEscape = false;
        ModalAnswerer answer(
            [&](QWidget *modal) {
                stayedAfterClose = !modal->close() && modal->isVisible();
                QTest::keyClick(modal, Qt::Key_Escape);
                stayedAfterEscape = modal->isVisible();
                ClickButton(modal, QStringLiteral("はい"));
            },
            QStringLiteral("MesQWin"));
        QVERIFY(AskQuestion(QStringLiteral("保存して終了しますか？"), QString(), 12));
        QVERIFY(stayedAfterClose);
        QVERIFY(stayedAfterEscape);
    }

    // The questions guard erasing a slot: a stray Enter answers "いいえ".
    void enterAnswersNo() {
        ModalAnswerer answer([](QWidget *modal) { QTest::keyClick(modal, Qt::Key_Return); },
                             QStringLiteral("MesQWin"));
        QVERIFY(!AskQuestion(QStringLiteral("このチームを消しますか？"), QString(), 12));
        QVERIFY(answer.Closed());
        QVERIFY(!answer.TimedOut());
    }
};

TK_UI_TEST(tst_MesQWin);

#include "tst_MesQWin.moc"
