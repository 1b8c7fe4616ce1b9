// The game-speed setting: opens on the stored speed, "OK" stores, "キャンセル" never does.
#include <QRadioButton>
#include <QTest>

#include "core/state/notice_choice.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/screens/SetWIn.h"

using namespace tk;
using namespace tk::test;

class tst_SetWIn : public QObject {
    Q_OBJECT

    // Opens the dialog on `stored`, clicks `option` (if any) then `button`; returns FastMode.
    static int Run(std::int16_t stored, const QString &option, const QString &button) {
        Settings settings;
        settings.FastMode = stored;
        SetWIn dialog(settings);
        ModalAnswerer answer([&](QWidget *modal) {
            if (!option.isEmpty()) ClickButton(modal, option);
            ClickButton(modal, button);
        });
        dialog.exec();
        if (!answer.Closed() || answer.TimedOut()) return 99;
        return settings.FastMode;
    }

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void opensOnTheStoredSpeed_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("fast");
        QTest::newRow("fast") << -1 << true;
        QTest::newRow("normal") << 0 << false;
        QTest::newRow("any other value reads as normal") << 1 << false;
    }

    void opensOnTheStoredSpeed() {
        QFETCH(int, stored);
        QFETCH(bool, fast);
        Settings settings;
        settings.FastMode = static_cast<std::int16_t>(stored);
        SetWIn dialog(settings);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("ゲーム進行速度設定"));
        QCOMPARE(dialog.FastOption()->isChecked(), fast);
        QCOMPARE(dialog.NormalOption()->isChecked(), !fast);
    }

    void okStoresTheChoice_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("expected");
        QTest::newRow("normal to fast") << 0 << QStringLiteral("高速") << -1;
        QTest::newRow("fast to normal") << -1 << QStringLiteral("普通") << 0;
        QTest::newRow("fast kept") << -1 << QString() << -1;
        QTest::newRow("other value stored as normal") << 1 << QString() << 0;
    }

    void okStoresTheChoice() {
        QFETCH(int, stored);
        QFETCH(QString, option);
        QFETCH(int, expected);
        QCOMPARE(Run(static_cast<std::int16_t>(stored), option, QStringLiteral("OK")), expected);
    }

    void cancelLeavesTheSpeed_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("option");
        QTest::newRow("normal, fast clicked") << 0 << QStringLiteral("高速");
        QTest::newRow("fast, normal clicked") << -1 << QStringLiteral("普通");
    }

    void cancelLeavesTheSpeed() {
        QFETCH(int, stored);
        QFETCH(QString, option);
        QCOMPARE(Run(static_cast<std::int16_t>(stored), option, QStringLiteral("キャンセル")),
                 stored);
    }

    // The notice choice: opens on the stored one, "OK" stores it, "キャンセル" never does,
    // and the speed is left as it was.
    void noticeChoice_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("expected");
        const QString closes = QStringLiteral("5秒で自動的に閉じる");
        const QString waits = QStringLiteral("「閉じる」を押すまで表示");
        const QString news = QStringLiteral("報告はニュース欄に表示");
        const QString ok = QStringLiteral("OK");
        QTest::newRow("wait chosen") << 0 << waits << ok << 1;
        QTest::newRow("five seconds chosen") << 1 << closes << ok << 0;
        QTest::newRow("news chosen") << 0 << news << ok << 2;
        QTest::newRow("news left for wait") << 2 << waits << ok << 1;
        QTest::newRow("news kept") << 2 << QString() << ok << 2;
        QTest::newRow("kept") << 1 << QString() << ok << 1;
        QTest::newRow("cancelled") << 0 << news << QStringLiteral("キャンセル") << 0;
    }

    void noticeChoice() {
        QFETCH(int, stored);
        QFETCH(QString, option);
        QFETCH(QString, button);
        QFETCH(int, expected);
        using Mode = NoticeMode;
        Settings settings;
        settings.FastMode = kTrue;
        SetNoticeChoice(settings, static_cast<Mode>(stored));
        SetWIn dialog(settings);
        QCOMPARE(dialog.NoticeClosesOption()->isChecked(), stored == 0);
        QCOMPARE(dialog.NoticeWaitsOption()->isChecked(), stored == 1);
        QCOMPARE(dialog.NoticeNewsOption()->isChecked(), stored == 2);
        ModalAnswerer answer([&](QWidget *modal) {
            if (!option.isEmpty()) ClickButton(modal, option);
            ClickButton(modal, button);
        });
        dialog.exec();
        QVERIFY(answer.Closed());
        QCOMPARE(int(NoticeChoice(settings)), expected);
        QCOMPARE(settings.FastMode, kTrue);
    }

    void clickingAnOptionChangesTheHeldChoice() {
        Settings settings;
        SetWIn dialog(settings);
        dialog.show();
        ClickButton(&dialog, QStringLiteral("高速"));
        QCOMPARE(dialog.Choice(), std::int16_t{-1});
        QCOMPARE(settings.FastMode, std::int16_t{0});  // not before "OK"
    }
};

TK_UI_TEST(tst_SetWIn);

#include "tst_SetWIn.moc"
