// The history of one save slot: an SQLite database beside the slot file (Save<N>.Kumo.history)
// holding every message the player was shown, each season's settlement and the squad's
// levels at every month end. The slot file itself is never touched.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include <QString>

#include "core/state/result.h"
#include "history/history_rows.h"

class QSqlDatabase;

namespace tk {

class SaveStore;

// The history file of a slot. The one place that names it.
QString HistoryPath(const SaveStore &store, int slot);

// Why a history could not be opened. The game plays on without one in every case.
enum class HistoryProblem {
    None,
    Damaged,     // not a database, truncated, or its pages do not check
    Newer,       // written by a newer version of the game (a later schema)
    Locked,      // another running copy of the game has it open
    NotAFile,    // a symbolic link, a folder or another special file: never opened
    OtherTeam,   // the history of another team than the slot's
    CannotOpen,  // the folder cannot be written, or another failure of the file system
};

// What the game that opens a history is: its team, the week it stands at, and whether it
// is a new game (its first week; a history left from an older game is started afresh).
struct HistoryOwner {
    std::string team;
    int week = 0;
    bool newGame = false;
};

// The store itself lives in the history module (Qt SQL and SQLite), opened by the first
// Open: the game pays for neither before it keeps a history. Everything a caller reaches
// that the module computes is virtual; the rest reads the object as it is.
class HistoryStore {
public:
    // The schema this version writes; a history of an older one is migrated on opening.
    static constexpr int kSchemaVersion = 2;

    struct Opened {
        std::unique_ptr<HistoryStore> store;  // null when the history cannot be used
        HistoryProblem problem = HistoryProblem::None;
        std::string reason;    // for the player, when there is a problem
        bool created = false;  // there was no history: a new one was started
    };

    // Opens (creating when missing) the history at `path` for `owner` and keeps it locked
    // until Close. Everything recorded after the owner's week is deleted first: those weeks
    // are replayed from the loaded game and recorded again. A problem leaves the file as it
    // was.
    static Opened Open(const QString &path, const HistoryOwner &owner);
    // Opens a history to read it only (the save tool): nothing is locked, dropped or written.
    static Opened OpenToRead(const QString &path);
    // Removes an unusable history (a plain file only) and opens a new one.
    static Opened StartAfresh(const QString &path, const HistoryOwner &owner);

    virtual ~HistoryStore();
    HistoryStore(const HistoryStore &) = delete;
    HistoryStore &operator=(const HistoryStore &) = delete;

    // Writes a batch in one transaction and moves the replay mark to markWeek. On failure
    // nothing of the batch is kept and the store refuses further writes.
    virtual Status Write(const HistoryBatch &batch, int markWeek);
    // Why the last write failed: Damaged when the file turned out not to be what the game
    // wrote (it may be started afresh), else CannotOpen or Locked; None before a failure.
    HistoryProblem WriteProblem() const { return writeProblem_; }
    // Whether a player is already in the history (pending batches not included).
    bool KnowsPlayer(PlayerKey key) const { return playerIds_.count(key) != 0; }
    // The week the history began, and whether it began with a new game.
    int OriginWeek() const { return originWeek_; }
    bool BeganWithNewGame() const { return newGame_; }
    const std::string &Team() const { return team_; }
    const QString &Path() const { return path_; }

    // --- Reading (history_read.cpp) ---
    // Every message, newest first.
    virtual std::vector<MessageRow> Messages() const;
    // Every season, newest first, with its results and squad.
    virtual std::vector<SeasonRecord> Seasons() const;
    // The notices of the last settlement, empty before the first one.
    virtual std::string LatestSummary() const;
    // Every player the history has seen, in order of their first month.
    virtual std::vector<PlayerRow> Players() const;
    // One player as the history first saw him.
    virtual std::optional<PlayerRow> Player(PlayerKey key) const;
    // One player's levels at each month end, oldest first.
    virtual std::vector<CurvePoint> Curve(PlayerKey key) const;

private:
    explicit HistoryStore(const QString &path);
    // Opens the file (to read only when owner is null) and prepares it.
    static Opened Connect(const QString &path, const HistoryOwner *owner);
    // Locks, checks and migrates the open database and drops what comes after the owner's
    // week; with no owner only checks it and reads what it is. `created` comes in true for a
    // missing file and goes out true for a new history.
    Status Prepare(const HistoryOwner *owner, bool &created, HistoryProblem &problem);
    Status ReadMeta();
    Status LoadIds();
    Status WriteRows(const HistoryBatch &batch, int markWeek);
    QSqlDatabase Db() const;
    struct Statements;  // the week's inserts, prepared once and kept (history_statements.h)
    Statements *Prepared();
    Status WriteSeason(const Statements &statements, const SeasonRecord &season);

    QString path_;
    QString connection_;
    bool broken_ = false;
    HistoryProblem writeProblem_ = HistoryProblem::None;
    std::string team_;
    int originWeek_ = 0;
    bool newGame_ = false;
    int firstMonthWeek_ = -1;  // the earliest month end recorded, -1 for none
    int lastMessageId_ = 0;
    std::unordered_map<PlayerKey, int> playerIds_;
    std::unordered_map<std::string, int> textIds_;  // title, '\0', body
    std::unique_ptr<Statements> statements_;
};

}  // namespace tk
