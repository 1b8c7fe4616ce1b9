// What stands beside a slot: the recovery file of a game that was not closed normally and
// the backup of the slot's previous save, and the title screen's view of all three.
#include <QFileInfo>

#include "core/rules/lookups.h"
#include "storage/file_checks.h"
#include "storage/save_store.h"
#include "storage/save_store_parts.h"

namespace tk {

using namespace store;

namespace {

std::string FileName(const QString &path) {
    return QFileInfo(path).fileName().toStdString();
}

// The bytes of the record at the start of a file, as they stand (texts byte for byte).
QByteArray RecordOnly(const QByteArray &bytes) {
    const ReadGame read = ReadGameState(AsSpan(bytes));
    return bytes.left(static_cast<qsizetype>(read.RecordBytes));
}

SideFileInfo Describe(const Result<GameState> &loaded, bool present) {
    SideFileInfo info;
    info.Present = present;
    if (!present) return info;
    if (!loaded) {
        info.Reason = loaded.Reason();
        return info;
    }
    info.Usable = true;
    info.Summary = SlotSummaryText(loaded.Value());
    info.Date = DateText(loaded.Value().WeekCount);
    info.Funds = "資金" + MoneyText(loaded.Value().Money);
    return info;
}

}  // namespace

Result<GameState> SaveStore::LoadTeamFile(int slot, const char *suffix) const {
    if (!ValidSlot(slot)) return BadSlot(slot);
    auto bytes = ReadRecordBytes(ReadPath(slot, suffix));
    if (!bytes) return Failure{bytes.Reason()};
    auto state = DecodeChecked(bytes.Value());
    if (state && state.Value().TeamName.empty()) return Failure{"チームがありません"};
    return state;
}

Status SaveStore::SaveRecovery(int slot, const GameState &state) {
    if (!ValidSlot(slot)) return BadSlot(slot);
    auto bytes = EncodeGameState(state);
    if (!bytes) return Failure{bytes.Reason()};
    return Replace(SidePath(slot, kRecoverySuffix), AsByteArray(bytes.Value()));
}

Result<GameState> SaveStore::LoadRecovery(int slot) const {
    return LoadTeamFile(slot, kRecoverySuffix);
}

Status SaveStore::RemoveRecovery(int slot) {
    if (!ValidSlot(slot)) return BadSlot(slot);
    return RemovePlainFile(SidePath(slot, kRecoverySuffix), Folder());
}

Result<GameState> SaveStore::LoadBackup(int slot) const {
    return LoadTeamFile(slot, kBackupSuffix);
}

QString SaveStore::BackupToKeep(int slot, QByteArray *oldRecord) {
    // Only a playable game is worth keeping: a damaged or empty slot file never replaces the
    // backup of the last good save. The backup is a help, so failing to keep it does not
    // keep the game from being saved; the title screen names a backup it cannot use.
    const QString from = ReadPath(slot);
    auto bytes = ReadRecordBytes(from);
    if (!bytes) return {};
    auto state = DecodeChecked(bytes.Value());
    if (!state || state.Value().TeamName.empty()) return {};
    auto target = WritableTarget(SidePath(slot, kBackupSuffix), Folder());
    if (!target) {
        // No plain file stands there: it is named, not written over, and the save goes on.
        backupFailure_ = target.Reason();
        return {};
    }
    *oldRecord = RecordOnly(bytes.Value());
    // A save still read from the read-only folder is copied: the file there stays as it is.
    return from == SlotPath(slot) ? target.Value() : QString();
}

void SaveStore::RemoveSide(int slot, const char *suffix) {
    // What cannot be removed (no plain file) is named on the title screen instead.
    (void)RemovePlainFile(SidePath(slot, suffix), Folder());
}

SlotInfo SaveStore::InspectSlot(int slot) const {
    SlotInfo info;
    const QString path = ReadPath(slot);
    const FileCheck check = CheckFile(path, FolderOf(path));
    info.PlainFile = check.State != FileState::Unusable;
    if (!info.PlainFile) info.Notes.push_back(FileName(path) + " は使えません：" + check.Reason);

    const Result<GameState> state = LoadGame(slot);
    if (!state) {
        info.State = SlotState::Damaged;
        info.Summary = kDamagedSlotSummary;
        info.Reason = state.Reason();
    } else {
        info.State = state.Value().TeamName.empty() ? SlotState::Empty : SlotState::Occupied;
        info.Summary = SlotSummaryText(state.Value());
    }
    if (!ValidSlot(slot)) return info;

    const QString backupPath = ReadPath(slot, kBackupSuffix);
    info.Backup = Describe(LoadBackup(slot), CheckFile(backupPath).State != FileState::Missing);
    if (info.Backup.Present && !info.Backup.Usable)
        info.Notes.push_back(FileName(backupPath) + " は使えません：" + info.Backup.Reason);

    const QString recoveryPath = ReadPath(slot, kRecoverySuffix);
    const Result<GameState> recovery = LoadRecovery(slot);
    info.Recovery = Describe(recovery, CheckFile(recoveryPath).State != FileState::Missing);
    if (info.Recovery.Present && !info.Recovery.Usable) {
        info.Notes.push_back(FileName(recoveryPath) + " は使えないため無視します：" +
                             info.Recovery.Reason);
    }
    // A recovery file older than its slot was left by a close cut short after the save; one
    // that holds the slot's own game has nothing to add.
    info.RecoveryOffered = info.Recovery.Usable && (!state || state.Value() != recovery.Value()) &&
                           ModifiedNs(recoveryPath) >= ModifiedNs(path);

    if (info.CanRestore())
        info.Summary = "データが壊れています\rバックアップ：" + info.Backup.Summary;
    if (info.RecoveryOffered) {
        info.Summary += '\r';
        info.Summary += kRecoveryLine;
    }
    return info;
}

}  // namespace tk
