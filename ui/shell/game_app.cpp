// Moving between the title, new-game and main screens, and saving with the player told.
#include "ui/shell/game_app.h"

#include <QWidget>

#include "core/rules/new_game.h"
#include "ui/screens/BeginForm.h"
#include "ui/screens/NewGameWin.h"
#include "ui/shell/MeSForm.h"
#include "ui/shell/messages.h"
#include "ui/shell/screen_hooks.h"

namespace tk {

GameApp::GameApp(const QString &dataFolder, std::uint64_t seed, QObject *parent)
    : QObject(parent), rng_(seed), game_{state_, settings_, rng_, ui_}, store_(dataFolder) {
    InstallScreenHooks(*this, nullptr);
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
}

void GameApp::ShowNewGame() {
    if (!newGame_) newGame_ = new NewGameWin(*this);
    newGame_->Reset();
    newGame_->show();
    newGame_->raise();
    newGame_->activateWindow();
}

bool GameApp::ContinueGame() {
    Result<GameState> loaded = store_.LoadGame(settings_.CurrentSlot);
    if (!loaded) {
        ShowNotice(QStringLiteral("データ%1は読み込めません。\r%2")
                       .arg(settings_.CurrentSlot + 1)
                       .arg(QString::fromStdString(loaded.Reason())),
                   QString(), 12, title_);
        return false;
    }
    state_ = std::move(loaded.Value());
    OpenMainScreen();
    return true;
}

void GameApp::BeginNewGame(const QString &teamName, const QString &managerName) {
    StartNewGame(game_, teamName.toStdString(), managerName.toStdString());
    OpenMainScreen();
    ui_.ShowNotice(IntroductionText(), "", 10);
}

void GameApp::OpenMainScreen() {
    if (mainFactory_) {
        main_ = mainFactory_(*this);
        ui_.SetParent(main_);
        InstallScreenHooks(*this, main_);
    }
}

bool GameApp::SaveCurrentGame(QWidget *dialogParent) {
    const Status saved = store_.SaveGame(settings_.CurrentSlot, state_);
    if (saved) return true;
    ShowNotice(QStringLiteral("データ%1に保存できませんでした。\r%2")
                   .arg(settings_.CurrentSlot + 1)
                   .arg(QString::fromStdString(saved.Reason())),
               QString(), 12, dialogParent);
    return false;
}

void GameApp::Quit() {
    const Status saved = store_.SaveSettings(settings_);
    if (!saved) {
        ShowNotice(QStringLiteral("設定を保存できませんでした。\r%1")
                       .arg(QString::fromStdString(saved.Reason())),
                   QString(), 12, title_);
    }
    emit quitRequested();
}

}  // namespace tk
