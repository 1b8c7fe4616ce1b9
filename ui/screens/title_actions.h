// What the title and new-game screens ask of the application: its settings and save slots, and
// the moves between the title, a new game and the main screen. The application implements it.
#pragma once

class QString;

namespace tk {

struct Settings;
class MessageRoute;
class SaveStore;

class TitleActions {
public:
    virtual ~TitleActions() = default;

    virtual Settings &GameSettings() = 0;
    virtual SaveStore &Store() = 0;
    // How the screens show their notices and questions (no game runs: none is recorded).
    virtual const MessageRoute &Messages() const = 0;

    // Loads the current slot (or its recovery file) and opens the main screen; false when the
    // file was refused, after telling the player.
    virtual bool ContinueGame(bool fromRecovery) = 0;
    // Starts a new game with these names in the current slot and opens the main screen.
    virtual void BeginNewGame(const QString &teamName, const QString &managerName) = 0;
    virtual void ShowNewGame() = 0;
    virtual void ShowTitle() = 0;
    // Writes the settings and ends the program.
    virtual void Quit() = 0;
};

}  // namespace tk
