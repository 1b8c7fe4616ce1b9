// The new-game screen: names shown as they will be saved, Enter from one field to the next
// and on to the start, Esc back to the title screen.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "core/state/shift_jis.h"
#include "tests/ui/key_test_support.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/screens/NewGameWin.h"
#include "ui/shell/game_app.h"

using namespace tk;
using namespace tk::test;

namespace {

// Types text the way an input method commits it.
void Commit(QWidget *widget, const QString &text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
}

}  // namespace

class tst_NewGameWin : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void namesShowWhatWillBeSaved_data() {
        QTest::addColumn<QStringList>("commits");  // what the input method commits, in turn
        QTest::addColumn<QString>("shown");
        QTest::newRow("wave dash") << QStringList{"東京", "〜", "大阪"} << "東京～大阪";
        QTest::newRow("minus") << QStringList{"A−1"} << "A－1";
        QTest::newRow("double bar") << QStringList{"‖"} << "∥";
        QTest::newRow("yen") << QStringList{"¥", "組"} << "￥組";
        QTest::newRow("cent, pound, not") << QStringList{"¢£¬"} << "￠￡￢";
        QTest::newRow("em dash") << QStringList{"—"} << "―";
        QTest::newRow("plain text is kept") << QStringList{"テニス部 A"} << "テニス部 A";
        QTest::newRow("what cannot be saved is refused") << QStringList{"田中", "😀"} << "田中";
    }

    void namesShowWhatWillBeSaved() {
        QFETCH(QStringList, commits);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        GameApp app(dir.path(), 1);
        NewGameWin screen(app);
        for (const QString &text : commits) Commit(screen.NameText(0), text);
        QCOMPARE(screen.NameText(0)->text(), shown);
        // What is shown is what the save file writes and reads back.
        const auto bytes = Utf8ToCp932(shown.toStdString());
        QVERIFY(bytes);
        QCOMPARE(QString::fromStdString(*Cp932ToUtf8(*bytes)), shown);
    }

    void enterMovesOnThenStartsEscGoesBack() {
        QTemporaryDir dir;
        GameApp app(dir.path(), 1);
        app.ShowTitle();
        app.ShowNewGame();
        NewGameWin *screen = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *n = qobject_cast<NewGameWin *>(w); n && n->isVisible()) screen = n;
        QVERIFY(screen);
        QVERIFY(ActivateLikeAWindowManager(screen));
        QCOMPARE(QApplication::focusWidget(), screen->NameText(0));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Team"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), screen->NameText(1));
        // Enter on the empty manager name tries to start: the notice asks for the name.
        ModalAnswerer asked(ModalAnswerer::Click(QStringLiteral("閉じる")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(asked.Acted());
        QVERIFY(screen->isVisible());
        QVERIFY(ActivateLikeAWindowManager(screen));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!screen->isVisible());
        QVERIFY(app.TitleScreen()->isVisible());
        QVERIFY(app.State().TeamName.empty());
    }
};

TK_UI_TEST(tst_NewGameWin);

#include "tst_NewGameWin.moc"
