// The four save slots, the files beside them and the settings file in the Data folder.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QString>

#include "core/state/game_state.h"
#include "core/state/result.h"
#include "storage/atomic_file.h"
#include "storage/data_folder.h"

namespace tk {

// Files beside slot N (Save<N>.Kumo + suffix). Each is written as atomically as the slot;
// erasing the slot removes them all.
inline constexpr const char *kRecoverySuffix = ".resume";  // the last finished week of a game
                                                           // that was not closed normally
inline constexpr const char *kBackupSuffix = ".bak";       // the slot before its last save
// The backup's second name for a moment while a save keeps it (left only by a kill).
inline constexpr const char *kBackupLinkSuffix = ".bak-new";
inline constexpr const char *kHistorySuffix = ".history";  // the history store (SQLite)
inline constexpr const char *kHistoryJournalSuffix = ".history-journal";
// A history that could not be used, kept aside when a fresh one replaced it (one generation).
inline constexpr const char *kHistoryKeptSuffix = ".history.old";
inline constexpr const char *kHistoryKeptJournalSuffix = ".history.old-journal";

enum class SlotState { Empty, Occupied, Damaged };

// A recovery file or a backup, as the title screen judges it.
struct SideFileInfo {
    bool Present = false;  // something stands at its name
    bool Usable = false;   // it is a plain file, passes the load checks and holds a team
    std::string Summary;   // usable: team, CR, date, CR, funds (as a slot summary)
    std::string Date;      // usable: "1年目4月2週"
    std::string Funds;     // usable: "資金3000万円"
    std::string Reason;    // present but not usable: why
};

// What the title screen shows for one slot.
struct SlotInfo {
    SlotState State = SlotState::Empty;
    std::string Summary;    // the summary label, with a line for a recovery or a backup
    std::string Reason;     // why a damaged slot cannot be loaded; empty otherwise
    bool PlainFile = true;  // the slot file is missing or plain: it may be written over
    SideFileInfo Recovery;
    bool RecoveryOffered = false;  // a usable recovery file newer than the slot and unlike it
    SideFileInfo Backup;
    std::vector<std::string> Notes;  // files of this slot that cannot be used, with the reason

    // A slot that fails the load checks but has a usable backup to put in its place.
    bool CanRestore() const { return State == SlotState::Damaged && PlainFile && Backup.Usable; }
};

// Summary of a slot that cannot be loaded.
inline constexpr const char *kDamagedSlotSummary = "\rデータが壊れています";
// Summary of an empty slot.
inline constexpr const char *kEmptySlotSummary = "\r新しく始める";
// The line a slot's summary gains when a game on it was not closed normally.
inline constexpr const char *kRecoveryLine = "（前回の続きがあります）";

// Team name, CR, "1年目4月1週", CR, "資金" + money; the empty-slot text for no team.
std::string SlotSummaryText(const GameState &state);

// Save0.Kumo..Save3.Kumo, their side files and SaveData.Kumo in one folder, which is created
// when missing. Every write replaces its file atomically; loading checks the record before
// the rules may see it and never writes. Only plain files are opened, never through a link
// that leaves the folder, and at most one record's worth of bytes is read.
class SaveStore {
public:
    // steps: the file-writing steps, replaceable by tests; the real ones when null.
    explicit SaveStore(const QString &folder, std::shared_ptr<FileSteps> steps = nullptr);
    // Saves go to location.Folder; slots missing there are read from location.ReadOnlyFolder.
    explicit SaveStore(DataLocation location, std::shared_ptr<FileSteps> steps = nullptr);

    const QString &Folder() const { return location_.Folder; }
    const QString &ReadOnlyFolder() const { return location_.ReadOnlyFolder; }
    const DataLocation &Location() const { return location_; }
    // Where slot files and the settings are written.
    QString SlotPath(int slot) const;
    QString SettingsPath() const;
    // Where a side file of a slot is written: Save<N>.Kumo + suffix (".resume", ".bak",
    // ".history", ...) in the folder the slot is saved to.
    QString SidePath(int slot, const QString &suffix) const;
    // Where a slot file (empty suffix) or its side file is read from: the folder saves go to,
    // or the read-only folder while the slot itself is only found there.
    QString ReadPath(int slot, const QString &suffix = QString()) const;

    // The record of a slot: all zero with empty texts (an empty slot) when the file is
    // missing or short; a failure with its reason when the file cannot be read, is no plain
    // file, its texts are not code page 932, or a member the rules depend on is out of range.
    Result<GameState> LoadGame(int slot) const;
    // Writes the record of a slot; refuses texts that cannot be saved. The slot file it
    // replaces, if it held a playable game, becomes the backup. A game without a team
    // (erased or bankrupt) takes its recovery file and history with it.
    Status SaveGame(int slot, const GameState &state);
    // Why the last SaveGame that succeeded could not keep the game it replaced as the backup
    // (in the player's words); empty when it was kept or there was nothing to keep.
    const std::string &BackupFailure() const { return backupFailure_; }
    // Writes an all-zero record with empty texts, whatever the old file held, and removes
    // every side file of the slot. A slot file that is no plain file is left alone.
    Status EraseSlot(int slot);
    // State and summary text of a slot for the title screen.
    SlotInfo InspectSlot(int slot) const;
    std::string SlotSummary(int slot) const { return InspectSlot(slot).Summary; }

    // The recovery file: the running game as it stood after its last finished week (or
    // same-day round), written beside the slot.
    Status SaveRecovery(int slot, const GameState &state);
    // As LoadGame; a file without a team is refused too.
    Result<GameState> LoadRecovery(int slot) const;
    // When the game is closed normally. A recovery file that is no plain file stays.
    Status RemoveRecovery(int slot);
    // The backup, checked as LoadGame checks a slot (a file without a team is refused).
    Result<GameState> LoadBackup(int slot) const;
    // Puts a usable backup in place of the slot file (which stays as it was on failure); the
    // slot's own game, when it holds one, becomes the backup (slot_restore.cpp).
    Status RestoreBackup(int slot);

    // The settings with Version set to 1030. A missing, short, unreadable or out-of-range
    // settings file gives the defaults, so it never keeps the slots from being used.
    Settings LoadSettings() const;
    Status SaveSettings(const Settings &settings);
    // Why the settings file cannot be used, when it is no plain file; empty otherwise.
    std::string SettingsNote() const;

private:
    QString FolderOf(const QString &path) const;
    Result<QByteArray> ReadRecordBytes(const QString &path) const;
    Result<GameState> LoadTeamFile(int slot, const char *suffix) const;
    QString BackupToKeep(int slot, QByteArray *oldRecord);
    void RemoveSide(int slot, const char *suffix);
    Status Replace(const QString &path, const QByteArray &bytes,
                   const std::function<void()> &beforeCommit = {});

    DataLocation location_;
    std::shared_ptr<FileSteps> steps_;
    std::string backupFailure_;
};

}  // namespace tk
