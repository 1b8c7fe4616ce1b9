// Moving between the title, new-game and main screens, and saving with the player told.
#include "ui/shell/game_app.h"

#include <QRect>
#include <QTimer>
#include <QWidget>

#include "core/rules/new_game.h"
#include "history/history_store.h"
#include "ui/base/MeSForm.h"
#include "ui/base/messages.h"
#include "ui/screens/BeginForm.h"
#include "ui/screens/NewGameWin.h"
#include "ui/shell/screen_hooks.h"

namespace tk {

GameApp::GameApp(const QString &dataFolder, std::uint64_t seed, QObject *parent)
    : GameApp(DataLocation{dataFolder, QString(), {}}, seed, parent) {}

GameApp::GameApp(const DataLocation &location, std::uint64_t seed, QObject *parent)
    : QObject(parent), rng_(seed), game_{state_, settings_, rng_, ui_}, store_(location) {
    InstallScreenHooks(*this, nullptr);
    // A round won with another to follow the same day is as far as a crash may take back.
    ui_.SetRoundSettled([this] { WriteRecovery(); });
    MeSForm::UseSettings(&settings_);  // how notices close is the player's setting
}

GameApp::~GameApp() {
    MeSForm::ReleaseSettings(&settings_);
    delete title_;
    delete newGame_;
    delete main_;
}

QWidget *GameApp::TitleScreen() const {
    return title_;
}

void GameApp::ShowTitle() {
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
            ShowNotice(QString::fromStdString(notice), QString(), 12, title_);
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

bool GameApp::ContinueGame(bool fromRecovery) {
    const int slot = settings_.CurrentSlot;
    Result<GameState> loaded = fromRecovery ? store_.LoadRecovery(slot) : store_.LoadGame(slot);
    if (!loaded) {
        ShowNotice(QStringLiteral("データ%1は読み込めません。\r%2")
                       .arg(settings_.CurrentSlot + 1)
                       .arg(QString::fromStdString(loaded.Reason())),
                   QString(), 12, title_);
        return false;
    }
    state_ = std::move(loaded.Value());
    OpenMainScreen();
    history_.Open(game_, HistoryPath(store_, settings_.CurrentSlot), false, main_);
    return true;
}

void GameApp::BeginNewGame(const QString &teamName, const QString &managerName) {
    StartNewGame(game_, teamName.toStdString(), managerName.toStdString());
    OpenMainScreen();
    history_.Open(game_, HistoryPath(store_, settings_.CurrentSlot), true, main_);
    ui_.ShowNotice(IntroductionText(), "", 10);
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
        ShowNotice(QStringLiteral("データ%1の復旧用ファイルを書けませんでした。\r%2\r"
                                  "ゲームはこのまま続けられます。")
                       .arg(settings_.CurrentSlot + 1)
                       .arg(QString::fromStdString(written.Reason())),
                   QString(), 12, ui_.DialogParent());
    }
    return false;
}

bool GameApp::SaveCurrentGame(QWidget *dialogParent) {
    // The history is written and closed first: saving an emptied team may remove it.
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
        return true;
    }
    ShowNotice(QStringLiteral("データ%1に保存できませんでした。\r%2")
                   .arg(settings_.CurrentSlot + 1)
                   .arg(QString::fromStdString(saved.Reason())),
               QString(), 12, dialogParent);
    return false;
}

void GameApp::Quit() {
    const Status saved = store_.SaveSettings(settings_);
    // Only the speed setting is at stake: it never keeps the player from leaving.
    if (!saved && !AskQuestion(QStringLiteral("設定を保存できませんでした。\r%1\r"
                                              "このまま終了しますか？")
                                   .arg(QString::fromStdString(saved.Reason())),
                               QString(), 12, title_))
        return;
    emit quitRequested();
}

}  // namespace tk
