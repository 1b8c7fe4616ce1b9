// The application object: owns the one live game, the settings, the random source, the
// save slots and the player interface, and moves between the title, new-game and main screens.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include <QObject>
#include <QPointer>

#include "core/rules/game.h"
#include "core/state/game_state.h"
#include "storage/save_store.h"
#include "ui/base/messages.h"
#include "ui/base/qt_game_ui.h"
#include "ui/screens/title_actions.h"
#include "ui/shell/history_session.h"

class QWidget;

namespace tk {

class BeginForm;
class NewGameWin;
class SlotLock;

class GameApp : public QObject, public TitleActions {
    Q_OBJECT

public:
    // seed: the random source's seed (the clock in the game, fixed in tests).
    GameApp(const QString &dataFolder, std::uint64_t seed, QObject *parent = nullptr);
    // With saves beside a read-only program: the player is told once, on the title screen.
    GameApp(const DataLocation &location, std::uint64_t seed, QObject *parent = nullptr);
    ~GameApp() override;

    Game &CurrentGame() { return game_; }
    GameState &State() { return state_; }
    Settings &GameSettings() override { return settings_; }
    SaveStore &Store() override { return store_; }
    QtGameUi &Ui() { return ui_; }
    // The route of every notice and question: the rules' (through Ui()) and the screens'.
    const MessageRoute &Messages() const override { return messages_; }
    // The same route, for the main screen's news column to take the reports.
    MessageRoute &Route() { return messages_; }
    // The running game's history (closed while no game runs).
    HistorySession &History() { return history_; }
    // A loaded game's history waits for the main screen's first paint (true until then).
    bool HistoryWaiting() const { return historyWaiting_; }

    // The title screen, with the settings loaded from their file.
    void ShowTitle() override;
    void ShowNewGame() override;
    // Loads the current slot, or with fromRecovery its recovery file (the last finished week
    // of a game that was not closed normally); on a refused file tells the player and stays
    // on the title. Neither file is changed until the game is next closed.
    bool ContinueGame(bool fromRecovery = false) override;
    // Starts a new game with these names in the current slot and opens the main screen.
    void BeginNewGame(const QString &teamName, const QString &managerName) override;
    // Writes the running game to its slot's recovery file: the main screen calls it after
    // every week, and it runs before each further round of the same day. The game goes on if
    // it fails; the player is told once per game opened.
    bool WriteRecovery();
    // Closing the game normally: writes it to its slot and removes the recovery file. On
    // failure tells the player why, keeps the recovery file, and returns false.
    bool SaveCurrentGame(QWidget *dialogParent);
    // 保存 (Ctrl+S): the same save while the game goes on; its history stays open.
    bool SaveAndPlayOn(QWidget *dialogParent);
    // Writes the settings and ends the program (quitRequested). When the settings cannot be
    // written the player is told why and asked whether to quit anyway.
    void Quit() override;

    // The main screen is plugged in by the application: it receives this object and returns
    // the window it opened. Tests replace it.
    using MainScreenFactory = std::function<QWidget *(GameApp &)>;
    void SetMainScreenFactory(MainScreenFactory factory) { mainFactory_ = std::move(factory); }
    QWidget *MainScreen() const { return main_; }
    QWidget *TitleScreen() const;
    // Whether this copy holds the current slot (from opening its game to the title).
    bool HoldsSlot() const;

signals:
    void quitRequested();

private:
    bool SaveToSlot(QWidget *dialogParent);
    void OpenMainScreen();
    void OpenHistoryWhenPainted();
    // Takes the current slot for this copy; tells the player when another copy has it.
    bool TakeSlot();

    GameState state_;
    Settings settings_;
    Rng rng_;
    MessageRoute messages_;  // knows settings_; records to history_ while it is open
    QtGameUi ui_;
    Game game_;
    SaveStore store_;
    MainScreenFactory mainFactory_;
    QPointer<BeginForm> title_;
    QPointer<NewGameWin> newGame_;
    QPointer<QWidget> main_;
    bool recoveryTold_ = false;  // a failed recovery write was reported for this game
    bool locationTold_ = false;  // the player has read where the saves go
    bool historyWaiting_ = false;
    int historyTicket_ = 0;   // a history opening that waits counts only for its own game
    HistorySession history_;  // after game_: closed before the game goes
    std::unique_ptr<SlotLock> slotLock_;  // the open game's slot; released at the title
};

}  // namespace tk
