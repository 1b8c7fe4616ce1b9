// Nothing the player chose is lost to a crash: the settings are written as they change, on
// the title and in a game.
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "storage/save_store.h"
#include "tests/ui/key_test_support.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/screens/BeginForm.h"
#include "ui/shell/MainWin.h"

using namespace tk;
using namespace tk::test;

namespace {

// Chooses 高速 and "閉じる"-only notices in the settings dialog, then `button`.
ModalAnswerer::Action ChooseFastAndWaiting(const QString &button) {
    return [button](QWidget *dialog) {
        dialog->findChild<QRadioButton *>(QStringLiteral("FastOption"))->click();
        dialog->findChild<QRadioButton *>(QStringLiteral("NoticeWaitsOption"))->click();
        ClickButton(dialog, button);
    };
}

}  // namespace

class tst_SettingsWritten : public QObject {
    Q_OBJECT

    ScopedUiTimingScale fast_{0.001};

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void writtenWhenTheyChange_data() {
        QTest::addColumn<bool>("onTitle");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("written");
        QTest::newRow("title, OK") << true << QStringLiteral("OK") << true;
        QTest::newRow("title, キャンセル") << true << QStringLiteral("キャンセル") << false;
        QTest::newRow("main screen, OK") << false << QStringLiteral("OK") << true;
        QTest::newRow("main screen, キャンセル") << false << QStringLiteral("キャンセル") << false;
    }

    void writtenWhenTheyChange() {
        QFETCH(bool, onTitle);
        QFETCH(QString, button);
        QFETCH(bool, written);
        MainScreenSession s(3);
        QVERIFY(s.main);
        ModalAnswerer answer(ChooseFastAndWaiting(button), QStringLiteral("SetWIn"));
        if (onTitle) {
            s.app.ShowTitle();
            auto *title = qobject_cast<BeginForm *>(s.app.TitleScreen());
            QVERIFY(title);
            title->SettingsButton()->click();
        } else {
            s.main->Command(4);
        }
        QVERIFY(answer.Acted());
        // What a crash now would leave: the file as it stands.
        const Settings onDisk = SaveStore(s.dir.path()).LoadSettings();
        QCOMPARE(onDisk.FastMode == kTrue, written);
        QCOMPARE(onDisk.NoticesWait(), written);
        QCOMPARE(s.app.GameSettings().FastMode == kTrue, written);
    }
};

TK_UI_TEST(tst_SettingsWritten);

#include "tst_SettingsWritten.moc"
