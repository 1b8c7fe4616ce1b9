// Moving between the title, new-game and main screens, and saving with the player told.
#include "ui/shell/game_app.h"

#include <QRect>
#include <QTimer>
#include <QWidget>

#include "core/rules/new_game.h"
#include "core/state/notice_choice.h"
#include "history/history_store.h"
#include "storage/slot_carry.h"
#include "storage/slot_lock.h"
#include "ui/screens/BeginForm.h"
#include "ui/screens/NewGameWin.h"
#include "ui/shell/after_first_paint.h"
#include "ui/shell/screen_hooks.h"

namespace tk {

GameApp::GameApp(const QString &dataFolder, std::uint64_t seed, QObject *parent)
    : GameApp(DataLocation{dataFolder, QString(), {}}, seed, parent) {}

GameApp::GameApp(const DataLocation &location, std::uint64_t seed, QObject *parent)
    : QObject(parent),
      rng_(seed),
      ui_(messages_),
      game_{state_, settings_, rng_, ui_},
      store_(location),
      history_(messages_) {
    messages_.UseSettings(&settings_);  // how notices close is the player's setting
    InstallScreenHooks(*this, nullptr);
    // A round won with another to follow the same day is as far as a crash may take back.
    ui_.SetRoundSettled([this] { WriteRecovery(); });
}

GameApp::~GameApp() {
    delete title_;
    delete newGame_;
    delete main_;
}

QWidget *GameApp::TitleScreen() const {
    return title_;
}

void GameApp::ShowTitle() {
    // No game is open on the title screen: its slot is free for another copy.
    slotLock_.reset();
    if (!title_) title_ = new BeginForm(*this);
    title_->Refresh();
    title_->show();
    title_->raise();
    title_->activateWindow();
    const std::string &notice = store_.Location().Notice;
    if (!locationTold_ && !notice.empty()) {
        locationTold_ = true;
        // Once the title screen stands, so that the notice opens over it.
        QTimer::singleShot(0, title_, [this, notice] {
            messages_.ShowNotice(MessageKind::Report, notice, "", 12, title_);
        });
    }
}

void GameApp::ShowNewGame() {
    if (!newGame_) newGame_ = new NewGameWin(*this);
    newGame_->Reset();
    // It takes the title screen's place, centred where the player was looking.
    if (title_ && title_->isVisible()) {
        newGame_->adjustSize();
        QRect box(QPoint(0, 0), newGame_->size());
        box.moveCenter(title_->geometry().center());
        newGame_->move(box.topLeft());
    }
    newGame_->show();
    newGame_->raise();
    newGame_->activateWindow();
}

bool GameApp::HoldsSlot() const {
    return slotLock_ && slotLock_->Held();
}

bool GameApp::TakeSlot() {
    auto lock = std::make_unique<SlotLock>(store_.SlotPath(settings_.CurrentSlot));
    if (const Status taken = lock->Take(); !taken) {
        messages_.ShowNotice(MessageKind::Warning,
                             QStringLiteral("データ%1は開けません。\r%2")
                                 .arg(settings_.CurrentSlot + 1)
                                 .arg(QString::fromStdString(taken.Reason())),
                             QString(), 12, title_);
        return false;
    }
    slotLock_ = std::move(lock);
    return true;
}

bool GameApp::ContinueGame(bool fromRecovery) {
    const int slot = settings_.CurrentSlot;
    if (!TakeSlot()) return false;
    Result<GameState> loaded = fromRecovery ? store_.LoadRecovery(slot) : store_.LoadGame(slot);
    if (!loaded) {
        messages_.ShowNotice(MessageKind::Warning,
                             QStringLiteral("データ%1は読み込めません。\r%2")
                                 .arg(settings_.CurrentSlot + 1)
                                 .arg(QString::fromStdString(loaded.Reason())),
                             QString(), 12, title_);
        slotLock_.reset();
        return false;
    }
    state_ = std::move(loaded.Value());
    // A slot read beside a read-only program keeps its records in the per-user folder.
    const Status carried = CarrySideFiles(store_, slot);
    OpenMainScreen();
    if (!carried) {
        messages_.ShowNotice(MessageKind::Warning,
                             QStringLiteral("データ%1の記録を保存先に移せませんでした。\r%2")
                                 .arg(slot + 1)
                                 .arg(QString::fromStdString(carried.Reason())),
                             QString(), 12, main_);
    }
    OpenHistoryWhenPainted();
    return true;
}

void GameApp::OpenHistoryWhenPainted() {
    // Opening and checking the history syncs its file several times: the saved game is on
    // the screen first, and the history's notices follow it.
    const int ticket = ++historyTicket_;
    historyWaiting_ = true;
    RunAfterFirstPaint(main_, this, [this, ticket] {
        if (ticket != historyTicket_) return;
        historyWaiting_ = false;
        history_.Open(game_, HistoryPath(store_, settings_.CurrentSlot), false, main_);
    });
}

void GameApp::BeginNewGame(const QString &teamName, const QString &managerName) {
    ++historyTicket_;
    historyWaiting_ = false;
    if (!TakeSlot()) {
        ShowTitle();
        return;
    }
    StartNewGame(game_, teamName.toStdString(), managerName.toStdString());
    OpenMainScreen();
    history_.Open(game_, HistoryPath(store_, settings_.CurrentSlot), true, main_);
    // The one text that teaches the game waits for "閉じる", whatever the notice setting.
    const NoticeMode notices = NoticeChoice(settings_);
    SetNoticeChoice(settings_, NoticeMode::Waits);
    ui_.ShowNotice(MessageKind::Report, IntroductionText(), "", 10);
    SetNoticeChoice(settings_, notices);
}

void GameApp::OpenMainScreen() {
    recoveryTold_ = false;
    if (mainFactory_) {
        main_ = mainFactory_(*this);
        ui_.SetParent(main_);
        InstallScreenHooks(*this, main_);
    }
}

bool GameApp::WriteRecovery() {
    const Status written = store_.SaveRecovery(settings_.CurrentSlot, state_);
    if (written) return true;
    if (!recoveryTold_) {
        recoveryTold_ = true;
        messages_.ShowNotice(MessageKind::Warning,
                             QStringLiteral("データ%1の復旧用ファイルを書けませんでした。\r%2\r"
                                            "ゲームはこのまま続けられます。")
                                 .arg(settings_.CurrentSlot + 1)
                                 .arg(QString::fromStdString(written.Reason())),
                             QString(), 12, ui_.DialogParent());
    }
    return false;
}

bool GameApp::SaveCurrentGame(QWidget *dialogParent) {
    // The history is written and closed first: saving an emptied team may remove it. One
    // still waiting for the first paint is not opened any more.
    ++historyTicket_;
    historyWaiting_ = false;
    history_.Close();
    if (SaveToSlot(dialogParent)) return true;
    // The game stays open, and so does its history.
    history_.Reopen(game_, HistoryPath(store_, settings_.CurrentSlot));
    return false;
}

bool GameApp::SaveAndPlayOn(QWidget *dialogParent) {
    return SaveToSlot(dialogParent);
}

bool GameApp::SaveToSlot(QWidget *dialogParent) {
    const Status saved = store_.SaveGame(settings_.CurrentSlot, state_);
    if (saved) {
        // The slot now holds the game; a recovery file that stays (no plain file) is older
        // than the slot and is never offered.
        (void)store_.RemoveRecovery(settings_.CurrentSlot);
        // The save stands; only the backup is missing, which the player should know.
        if (!store_.BackupFailure().empty())
            messages_.ShowNotice(MessageKind::Warning,
                                 QStringLiteral("データ%1に保存しましたが、前のデータを"
                                                "バックアップに残せませんでした。\r%2")
                                     .arg(settings_.CurrentSlot + 1)
                                     .arg(QString::fromStdString(store_.BackupFailure())),
                                 QString(), 12, dialogParent);
        return true;
    }
    // The game stays open, and so does its history.
    history_.Reopen(game_, HistoryPath(store_, settings_.CurrentSlot));
    messages_.ShowNotice(MessageKind::Warning,
                         QStringLiteral("データ%1に保存できませんでした。\r%2")
                             .arg(settings_.CurrentSlot + 1)
                             .arg(QString::fromStdString(saved.Reason())),
                         QString(), 12, dialogParent);
    return false;
}

void GameApp::Quit() {
    const Status saved = store_.SaveSettings(settings_);
    // Only the speed setting is at stake: it never keeps the player from leaving.
    if (!saved && !messages_.AskQuestion(QStringLiteral("設定を保存できませんでした。\r%1\r"
                                                        "このまま終了しますか？")
                                             .arg(QString::fromStdString(saved.Reason())),
                                         QString(), 12, title_))
        return;
    emit quitRequested();
}

}  // namespace tk
