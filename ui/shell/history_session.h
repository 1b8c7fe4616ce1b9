// The history of the running game: opened with the game (the player is told once when it
// cannot be used, and may start it afresh; so too when a week's write finds it damaged),
// written week by week, closed before the slot is saved. The game plays the same with or
// without it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QString>

#include "history/history_rows.h"

class QWidget;

namespace tk {

struct Game;
class HistoryRecorder;
class HistoryStore;
class MessageRoute;

class HistorySession {
public:
    // While the history is open, every message on `route` is recorded in it.
    explicit HistorySession(MessageRoute &route);
    ~HistorySession();
    HistorySession(const HistorySession &) = delete;
    HistorySession &operator=(const HistorySession &) = delete;

    // Opens the history at `path` for the game and listens to it. A new game starts a new
    // history. Notices and questions about the history open over `parent`.
    void Open(Game &game, const QString &path, bool newGame, QWidget *parent);
    // Opens it again after a save that failed, without a word when it cannot be: the player
    // has just been told why the save failed.
    void Reopen(Game &game, const QString &path);
    // Writes what is pending and closes the file, so that the slot can be saved (or erased).
    void Close();

    bool IsOpen() const { return store_ != nullptr; }
    // The open history, or null.
    const HistoryStore *Store() const { return store_.get(); }
    // Every message of the game so far, newest first (those of the running week included).
    std::vector<MessageRow> Messages() const;
    // The notices of the last settlement, empty before the first one.
    std::string SettlementSummary() const;

private:
    void Listen(Game &game, std::unique_ptr<HistoryStore> store, QWidget *parent);
    // Tells the player why a week could not be written; a damaged file may be started afresh.
    void WriteFailed(const std::string &why, QWidget *parent);
    void StartAfreshAfterWrite(QWidget *parent);

    std::unique_ptr<HistoryStore> store_;
    MessageRoute &route_;
    std::unique_ptr<HistoryRecorder> recorder_;
    std::unique_ptr<HistoryRecorder> retired_;  // one whose write failed, until Close
    bool closing_ = false;
    Game *game_ = nullptr;
};

}  // namespace tk
