// Listens to a running game and writes its history: each week's messages, month ends and
// settlement in one transaction when the week ends (or, for a headless run, all at the end).
#pragma once

#include <functional>
#include <string>
#include <unordered_set>
#include <utility>

#include "core/rules/history_sink.h"
#include "core/state/result.h"
#include "history/history_rows.h"

namespace tk {

class HistoryStore;

class HistoryRecorder : public HistorySink {
public:
    enum class Commit {
        EveryWeek,  // the game: a week's rows are kept once the week has closed
        AtFlush,    // a headless run: everything in one transaction when Flush is called
    };

    HistoryRecorder(HistoryStore &store, Commit commit);

    void MonthEnd(const GameState &state) override;
    void YearEndBegins(const GameState &state) override;
    void YearEnd(const GameState &state, const SeasonMoney &money) override;
    void WeekEnded(const GameState &state) override;
    void Message(MessageKind kind, const std::string &text, const std::string &title, int week,
                 bool answer) override;

    // Writes what is pending, with the replay mark at `week` (the week the game stands at).
    // After a failed write nothing more is recorded; the failure is reported once.
    Status Flush(int week);
    // After a failed write: the rows it could not write, for a history started afresh.
    HistoryBatch TakeUnwritten() { return std::exchange(unwritten_, {}); }
    // Queues rows that a failed history could not write (TakeUnwritten) before this history's
    // own, with the players they name whom this history has not met (from the game as it
    // stands).
    void Carry(HistoryBatch rows, const GameState &state);
    // Messages not yet written, oldest first (the screens show them with the stored ones).
    const std::vector<MessageRow> &PendingMessages() const { return pending_.messages; }
    bool Failed() const { return failed_; }
    // Told once, with the reason, when a write fails.
    void SetFailureHandler(std::function<void(const std::string &)> handler) {
        onFailure_ = std::move(handler);
    }

private:
    // Queues a player the history has not seen yet.
    void Meet(const PlayerRecord &player, PlayerKey key, int week);

    HistoryStore &store_;
    Commit commit_;
    HistoryBatch pending_;
    HistoryBatch unwritten_;  // what a failed write could not keep
    std::unordered_set<PlayerKey> pendingPlayers_;
    bool gathering_ = false;  // between the start and the end of a settlement
    std::string summary_;
    bool failed_ = false;
    std::function<void(const std::string &)> onFailure_;
};

}  // namespace tk
