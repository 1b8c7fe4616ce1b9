// The 要対応 list on the main screen: an alert shows with its command, a click or the
// command's key opens the fixing screen, the history records it once, and a run of weeks
// stops when a new one appears.
#include <QListWidget>
#include <QTest>

#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/shell/MainWin.h"
#include "ui/shell/game_app.h"
#include "ui/shell/main_screen.h"
#include "ui/widgets/alert_list.h"
#include "ui/widgets/command_bar.h"
#include "ui/widgets/picture_catalogue.h"
#include "ui/widgets/week_status.h"

using namespace tk;
using namespace tk::test;

namespace {

int Recorded(GameApp &app, const QString &start) {
    int n = 0;
    for (const MessageRow &m : app.History().Messages())
        if (m.title == kAlertTitle && m.kind == MessageKind::Warning &&
            QString::fromStdString(m.text).startsWith(start))
            ++n;
    return n;
}

}  // namespace

class tst_AlertList : public QObject {
    Q_OBJECT

    ScopedUiTimingScale fast_{0.001};

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void aWornCourtFromShowingToTheRunStop() {
        QTemporaryDir dir;
        GameApp app(dir.path(), 41);
        app.SetMainScreenFactory(&OpenMainScreen);
        app.GameSettings().FastMode = kTrue;
        {
            ModalAnswerer intro(ModalAnswerer::Click(QStringLiteral("閉じる")));
            app.BeginNewGame(QStringLiteral("テスト"), QStringLiteral("監督"));
        }
        auto *main = qobject_cast<MainWin *>(app.MainScreen());
        QVERIFY(main);
        QVERIFY(QTest::qWaitFor([&] { return app.History().IsOpen(); }));
        AlertList *alerts = main->Alerts();
        QCOMPARE(alerts->Count(), 0);
        QCOMPARE(alerts->List()->item(0)->text(), QStringLiteral("なし"));

        // The court wears towards 悪: the alert shows with its command and is recorded once.
        app.State().Facilities[1].Durability = 205;
        main->FormLoad();
        main->FormLoad();
        QCOMPARE(alerts->Count(), 1);
        QVERIFY(alerts->RowText(0).endsWith(QStringLiteral("→ 土地（8）")));
        QCOMPARE(alerts->accessibleName(), QStringLiteral("要対応 1件"));
        QCOMPARE(Recorded(app, QStringLiteral("No.2のコートの状態が悪く")), 1);

        // A click on it, and the command's key, open the whole grounds where 整備 is.
        for (bool click : {true, false}) {
            ModalAnswerer grounds(ModalAnswerer::Click(QStringLiteral("閉じる")),
                                  QStringLiteral("WholeTochiWin"));
            if (click) {
                QListWidget *list = alerts->List();
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualItemRect(list->item(0)).center());
            } else {
                main->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(main));
                QTest::keyClick(main, Qt::Key_8);
            }
            QVERIFY2(grounds.Acted(), click ? "click" : "key");
        }

        // The alert that was there does not stop a run; the court worn out in its first week
        // does, and is recorded.
        main->StartAdvance();
        QVERIFY(QTest::qWaitFor([&] { return !main->Advancing(); }, 20000));
        QCOMPARE(int(main->LastAdvanceStop()), int(RunStop::Alert));
        QCOMPARE(int(app.State().WeekCount), 14);
        QVERIFY(app.State().Facilities[1].Durability <= 200);
        QCOMPARE(Recorded(app, QStringLiteral("使えるコートがありません")), 1);
        QCOMPARE(Recorded(app, QStringLiteral("No.2のコートは状態が悪く")), 1);
        QCOMPARE(alerts->Count(), 2);
        QVERIFY(main->News()->text().endsWith(QStringLiteral("要対応 2件。")));
    }
};

#include "tst_AlertList.moc"
TK_UI_TEST(tst_AlertList);
