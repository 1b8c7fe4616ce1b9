// The title and new-game screens: slot summaries, erasing, a damaged slot and its backup, a
// recovery file, files that cannot be used, quitting, a new game.
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "core/rules/lookups.h"
#include "core/rules/new_game.h"
#include "storage/slot_lock.h"
#include "tests/support/scripted_ui.h"
#include "tests/ui/modal_helper.h"
#include "tests/ui/ui_test_registry.h"
#include "ui/screens/BeginForm.h"
#include "ui/screens/NewGameWin.h"
#include "ui/shell/MainWin.h"
#include "ui/shell/game_app.h"
#include "ui/shell/main_screen.h"

using namespace tk;
using namespace tk::test;

namespace {

// A saved game in slot `slot` of `folder`.
void SaveAGame(const QString &folder, int slot, const std::string &team) {
    TestGame t(7);
    StartNewGame(t.game, team, "監督");
    SaveStore store(folder);
    QVERIFY(store.SaveGame(slot, t.state).Ok());
}

// Slot `slot` of `folder` made unreadable: a file that no record fits.
void Damage(const QString &folder, int slot) {
    QFile damaged(folder + QStringLiteral("/Save%1.Kumo").arg(slot));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(40000, '\x7f'));
}

// Types text the way an input method commits it.
void Type(QWidget *widget, const QString &text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
}

template <class Window>
Window *VisibleWindow() {
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<Window *>(w); window && w->isVisible()) return window;
    return nullptr;
}

}  // namespace

class tst_BeginForm : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TK_VERIFY_NO_LEAKED_WINDOWS(); }

    void showsEmptyUsedAndDamagedSlots() {
        QTemporaryDir dir;
        SaveAGame(dir.path(), 1, "テニス部");
        Damage(dir.path(), 2);

        GameApp app(dir.path(), 1);
        app.ShowTitle();
        auto *title = qobject_cast<BeginForm *>(app.TitleScreen());
        QVERIFY(title);
        QCOMPARE(title->Prev(0)->text(), QStringLiteral("\n新しく始める"));
        QCOMPARE(title->Prev(1)->text(), QStringLiteral("テニス部\n1年目4月1週\n資金3000万円"));
        QCOMPARE(title->Prev(2)->text(), QStringLiteral("\nデータが壊れています"));
        QCOMPARE(title->SaveData(3)->text(), QStringLiteral("データ4"));
        QCOMPARE(title->EraseDatas(3)->text(), QStringLiteral("データ4を消す"));

        // A damaged slot cannot be opened: the player is told, and nothing starts.
        ModalAnswerer notice(ModalAnswerer::Click(QStringLiteral("閉じる")));
        title->SaveData(2)->click();
        QVERIFY(notice.Acted());
        QVERIFY(title->isVisible());
        QVERIFY(!app.MainScreen());

        // ...but it can be erased.
        ModalAnswerer yes(ModalAnswerer::Click(QStringLiteral("はい")));
        title->EraseDatas(2)->click();
        QVERIFY(yes.Acted());
        QCOMPARE(title->Prev(2)->text(), QStringLiteral("\n新しく始める"));
    }

    void eraseAskedNoKeepsTheSlot() {
        QTemporaryDir dir;
        SaveAGame(dir.path(), 0, "残るチーム");
        GameApp app(dir.path(), 1);
        app.ShowTitle();
        auto *title = qobject_cast<BeginForm *>(app.TitleScreen());
        ModalAnswerer no(ModalAnswerer::Click(QStringLiteral("いいえ")));
        title->EraseDatas(0)->click();
        QVERIFY(no.Acted());
        QVERIFY(title->Prev(0)->text().startsWith(QStringLiteral("残るチーム")));
    }

    void closeBoxIsRefusedAndQuitWritesTheSettings() {
        QTemporaryDir dir;
        GameApp app(dir.path(), 1);
        app.ShowTitle();
        QWidget *title = app.TitleScreen();
        title->close();
        QVERIFY(title->isVisible());
        bool quit = false;
        connect(&app, &GameApp::quitRequested, this, [&] { quit = true; });
        qobject_cast<BeginForm *>(title)->QuitButton()->click();
        QVERIFY(quit);
        QCOMPARE(QFile(dir.path() + QStringLiteral("/SaveData.Kumo")).size(), 700);
    }

    void quitAsksWhenTheSettingsCannotBeWritten() {
        QTemporaryDir dir;
        GameApp app(dir.path(), 1);
        app.ShowTitle();
        auto *title = qobject_cast<BeginForm *>(app.TitleScreen());
        QVERIFY(QDir().mkpath(dir.path() + QStringLiteral("/SaveData.Kumo")));
        int quits = 0;
        connect(&app, &GameApp::quitRequested, this, [&] { ++quits; });
        for (const QString &answer : {QStringLiteral("いいえ"), QStringLiteral("はい")}) {
            QString asked;
            ModalAnswerer ask([&](QWidget *modal) {
                asked = modal->findChild<QLabel *>(QStringLiteral("Comment"))->text();
                ClickButton(modal, answer);
            });
            title->QuitButton()->click();
            QVERIFY(ask.Acted());
            QVERIFY2(asked.startsWith(QStringLiteral("設定を保存できませんでした。\n")) &&
                         asked.contains(QStringLiteral("フォルダです")) &&
                         asked.endsWith(QStringLiteral("\nこのまま終了しますか？")),
                     qPrintable(asked));
            QCOMPARE(quits, answer == QStringLiteral("はい") ? 1 : 0);
            QVERIFY(title->isVisible());
        }
    }

    // A game left without closing: its recovery file is offered, and whichever file the
    // player takes, both stay as they were.
    void recoveryFileIsOffered_data() {
        QTest::addColumn<bool>("fromRecovery");
        QTest::newRow("the last finished week") << true;
        QTest::newRow("the last save") << false;
    }
    void recoveryFileIsOffered() {
        QFETCH(bool, fromRecovery);
        QTemporaryDir dir;
        TestGame t(7);
        StartNewGame(t.game, "続きのチーム", "監督");
        const GameState saved = t.state;
        GameState later = saved;
        later.WeekCount = 20;
        later.Money = 1234;
        SaveStore store(dir.path());
        QVERIFY(store.SaveGame(1, saved).Ok());
        QVERIFY(store.SaveRecovery(1, later).Ok());

        GameApp app(dir.path(), 1);
        app.SetMainScreenFactory([](GameApp &) { return new QWidget; });
        app.ShowTitle();
        auto *title = qobject_cast<BeginForm *>(app.TitleScreen());
        QCOMPARE(
            title->Prev(1)->text(),
            QStringLiteral("続きのチーム\n1年目4月1週\n資金3000万円\n（前回の続きがあります）\n"
                           "続き：1年目5月4週 資金1234万円"));
        QString asked;
        ModalAnswerer ask([&](QWidget *modal) {
            asked = modal->findChild<QLabel *>(QStringLiteral("Comment"))->text();
            if (!fromRecovery) AnswerNextModal(ModalAnswerer::Click(QStringLiteral("はい")));
            ClickButton(modal, fromRecovery ? QStringLiteral("はい") : QStringLiteral("いいえ"));
        });
        title->SaveData(1)->click();
        QVERIFY(ask.Acted());
        QCOMPARE(asked, QStringLiteral("前回は正しく終了しませんでした。\n%1　資金1234万円\n"
                                       "最後に終わった週から続けますか？")
                            .arg(QString::fromStdString(DateText(20))));
        QVERIFY(app.MainScreen());
        QVERIFY(app.State() == (fromRecovery ? later : saved));
        QVERIFY(store.LoadGame(1).Value() == saved);
        QVERIFY(store.LoadRecovery(1).Value() == later);
    }

    void damagedSlotIsRestoredInTwoClicks() {
        QTemporaryDir dir;
        SaveAGame(dir.path(), 2, "前のチーム");
        SaveAGame(dir.path(), 2, "後のチーム");
        Damage(dir.path(), 2);

        GameApp app(dir.path(), 1);
        app.ShowTitle();
        auto *title = qobject_cast<BeginForm *>(app.TitleScreen());
        QCOMPARE(title->Prev(2)->text(),
                 QStringLiteral(
                     "データが壊れています\nバックアップ：前のチーム\n1年目4月1週\n資金3000万円"));
        QVERIFY(title->Restore(2)->isVisible());
        QVERIFY(!title->Restore(1)->isVisible());
        QCOMPARE(title->Restore(2)->text(), QStringLiteral("バックアップから復元"));
        ModalAnswerer yes(ModalAnswerer::Click(QStringLiteral("はい")));
        title->Restore(2)->click();
        QVERIFY(yes.Acted());
        QCOMPARE(title->Prev(2)->text(), QStringLiteral("前のチーム\n1年目4月1週\n資金3000万円"));
        QVERIFY(title->Restore(2)->isVisible());  // a damaged file never becomes the backup
    }

    // Any slot with a backup offers it, with its date and funds; restoring keeps the save it
    // replaces as the backup, and the focus stays on the slot.
    void anyBackupIsRestoredAndTheRestoreUndone() {
        QTemporaryDir dir;
        SaveAGame(dir.path(), 1, "前のチーム");
        SaveAGame(dir.path(), 1, "後のチーム");
        GameApp app(dir.path(), 1);
        app.ShowTitle();
        auto *title = qobject_cast<BeginForm *>(app.TitleScreen());
        QVERIFY(title->Restore(1)->isVisible());
        QVERIFY(!title->Restore(0)->isVisible());
        QCOMPARE(title->Restore(1)->toolTip(),
                 QStringLiteral("バックアップ（前回の保存）：1年目4月1週　資金3000万円"));
        for (const char *team : {"前のチーム", "後のチーム"}) {
            ModalAnswerer yes(ModalAnswerer::Click(QStringLiteral("はい")));
            title->Restore(1)->click();
            QVERIFY(yes.Acted());
            QVERIFY(title->Prev(1)->text().startsWith(QString::fromUtf8(team)));
            QCOMPARE(title->focusWidget(), title->Restore(1));
        }
    }

    // A slot another copy has open: shown with who holds it, and neither opened, erased,
    // restored nor recovered.
    void aSlotInUseIsShownAndLeftAlone() {
        QTemporaryDir dir;
        SaveAGame(dir.path(), 0, "前のチーム");
        SaveAGame(dir.path(), 0, "使用中");
        SaveStore store(dir.path());
        QVERIFY(store.SaveRecovery(0, store.LoadBackup(0).Value()).Ok());
        const QByteArray before = [&] {
            QFile f(store.SlotPath(0));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        SlotLock other(store.SlotPath(0));
        QVERIFY(other.Take().Ok());
        GameApp app(dir.path(), 1);
        app.SetMainScreenFactory(&OpenMainScreen);
        app.ShowTitle();
        auto *title = qobject_cast<BeginForm *>(app.TitleScreen());
        QVERIFY(title->Prev(0)->text().endsWith(QStringLiteral("（ほかのテニス監督が使用中）")));
        QVERIFY(title->FileNotes()->text().contains(
            QStringLiteral("データ1はほかのテニス監督が使っています：")));
        for (QPushButton *button : {title->SaveData(0), title->EraseDatas(0), title->Restore(0)}) {
            QString text;
            ModalAnswerer told([&text](QWidget *modal) {
                text = modal->findChild<QLabel *>(QStringLiteral("Comment"))->text();
                ClickButton(modal, QStringLiteral("閉じる"));
            });
            button->click();
            QVERIFY(told.Acted());
            QVERIFY2(text.startsWith(QStringLiteral("データ1はほかのテニス監督が使っています。")),
                     qPrintable(text));
        }
        QVERIFY(!app.MainScreen());
        QFile f(store.SlotPath(0));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        QVERIFY(QFile::exists(store.SidePath(0, ".resume")));
        // Once the other copy has closed, the slot opens here, and is this copy's.
        other.Release();
        QString asked;
        ModalAnswerer no([&asked](QWidget *modal) {
            asked = modal->findChild<QLabel *>(QStringLiteral("Comment"))->text();
            AnswerNextModal(ModalAnswerer::Click(QStringLiteral("いいえ")));  // このデータで…
            ClickButton(modal, QStringLiteral("いいえ"));
        });
        title->SaveData(0)->click();
        QVERIFY(no.Acted());  // the recovery offer, now that no copy holds the slot
        QVERIFY2(asked.startsWith(QStringLiteral("前回は正しく終了しませんでした。")),
                 qPrintable(asked));
    }

    void unusableFilesAndTheSavesFolderAreNamed() {
        QTemporaryDir dir;
        QVERIFY(mkfifo(QFile::encodeName(dir.path() + QStringLiteral("/Save3.Kumo")).constData(),
                       0600) == 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), dir.path() + "/Save0.Kumo.resume"));
        QVERIFY(QDir().mkpath(dir.path() + "/Save1.Kumo.history"));
        GameApp app(DataLocation{dir.path(), QString(), "保存先が変わりました"}, 1);
        ModalAnswerer told([](QWidget *modal) {
            QCOMPARE(modal->findChild<QLabel *>()->text(), QStringLiteral("保存先が変わりました"));
            ClickButton(modal, QStringLiteral("閉じる"));
        });
        app.ShowTitle();
        QVERIFY(QTest::qWaitFor([&] { return told.Acted(); }, 5000));
        auto *title = qobject_cast<BeginForm *>(app.TitleScreen());
        const QString notes = title->FileNotes()->text();
        QVERIFY(title->FileNotes()->isVisible());
        QVERIFY2(
            notes.contains(QStringLiteral("Save3.Kumo は使えません：名前付きパイプです")) &&
                notes.contains(QStringLiteral("Save0.Kumo.resume は使えないため無視します")) &&
                notes.contains(QStringLiteral("Save1.Kumo.history は使えません：フォルダです")) &&
                notes.contains(QStringLiteral("セーブの保存先：") + dir.path()),
            qPrintable(notes));
        QCOMPARE(title->Prev(3)->text(), QStringLiteral("\nデータが壊れています"));
        QCOMPARE(title->Prev(0)->text(), QStringLiteral("\n新しく始める"));
        // Told once: showing the title again says nothing more.
        ModalAnswerer again(ModalAnswerer::Click(QStringLiteral("閉じる")));
        app.ShowTitle();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QVERIFY(!again.Acted());
    }

    void newGameChecksNamesThenOpensTheMainScreen() {
        QTemporaryDir dir;
        GameApp app(dir.path(), 42);
        app.SetMainScreenFactory(&OpenMainScreen);
        app.ShowTitle();
        auto *title = qobject_cast<BeginForm *>(app.TitleScreen());
        title->SaveData(3)->click();
        QCOMPARE(app.GameSettings().CurrentSlot, 3);
        auto *newGame = VisibleWindow<NewGameWin>();
        QVERIFY(!title->isVisible());
        QVERIFY(newGame);
        QCOMPARE(newGame->windowTitle(), QStringLiteral("チーム名・監督名を決めてください。"));

        ModalAnswerer both(ModalAnswerer::Click(QStringLiteral("閉じる")));
        newGame->StartButton()->click();
        QVERIFY(both.Acted());
        QCOMPARE(both.Title(), QString());

        newGame->NameText(0)->setText(QStringLiteral(" "));  // one space is a name
        ModalAnswerer manager([](QWidget *modal) {
            QVERIFY(modal->findChild<QLabel *>()->text().contains(
                QStringLiteral("監督名を入れてください。")));
            ClickButton(modal, QStringLiteral("閉じる"));
        });
        newGame->StartButton()->click();
        QVERIFY(manager.Acted());

        // A character that cannot be saved is never taken into the name.
        Type(newGame->NameText(1), QStringLiteral("田中"));
        Type(newGame->NameText(1), QStringLiteral("😀"));
        QCOMPARE(newGame->NameText(1)->text(), QStringLiteral("田中"));

        ModalAnswerer intro(ModalAnswerer::Click(QStringLiteral("閉じる")));
        newGame->StartButton()->click();
        QVERIFY(intro.Acted());
        auto *main = qobject_cast<MainWin *>(app.MainScreen());
        QVERIFY(main);
        QCOMPARE(app.State().TeamName, std::string(" "));
        QCOMPARE(main->windowTitle(),
                 QStringLiteral("チーム名  　監督名 田中　1年目 4月 1週　資金 3000万円"));
        QCOMPARE(main->DateBox()->text(), QStringLiteral("1年目\n4月1週\n天気 晴れ  午前"));
        QCOMPARE(main->FundsBox()->text(), QStringLiteral("資金 3000万円"));
        QCOMPARE(main->FixtureBox()->text(), QStringLiteral("なし"));
        QCOMPARE(main->EventBox()->text(), QStringLiteral("なし"));
        QCOMPARE(main->RecordLabel()->text(), QStringLiteral("成績 0勝 0敗"));
        QCOMPARE(main->PrizeLabel()->text(), QStringLiteral("賞金　0万円"));
    }
};

#include "tst_BeginForm.moc"
TK_UI_TEST(tst_BeginForm);
