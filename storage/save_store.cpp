// Slot files and the settings: bounded reads of plain files, checks before play, atomic
// writes, and the folders they are read from and written to.
#include "storage/save_store.h"

#include <QDir>
#include <QFileInfo>

#include "core/rules/lookups.h"
#include "storage/file_checks.h"
#include "storage/save_store_parts.h"

namespace tk {

using namespace store;

std::string SlotSummaryText(const GameState &state) {
    if (state.TeamName.empty()) return kEmptySlotSummary;
    return state.TeamName + "\r" + DateText(state.WeekCount) + "\r資金" + MoneyText(state.Money);
}

SaveStore::SaveStore(const QString &folder, std::shared_ptr<FileSteps> steps)
    : SaveStore(DataLocation{folder, QString(), {}}, std::move(steps)) {}

SaveStore::SaveStore(DataLocation location, std::shared_ptr<FileSteps> steps)
    : location_(std::move(location)),
      steps_(steps ? std::move(steps) : std::make_shared<FileSteps>()) {
    // A failure here shows up as the reason of the first save.
    QDir().mkpath(location_.Folder);
}

QString SaveStore::SlotPath(int slot) const {
    return SidePath(slot, QString());
}

QString SaveStore::SettingsPath() const {
    return QDir(Folder()).filePath(QLatin1String(kSettingsFileName));
}

QString SaveStore::SidePath(int slot, const QString &suffix) const {
    return QDir(Folder()).filePath(SlotFileName(slot, suffix));
}

QString SaveStore::ReadPath(int slot, const QString &suffix) const {
    const QString written = SidePath(slot, suffix);
    if (ReadOnlyFolder().isEmpty() || CheckFile(written).State != FileState::Missing)
        return written;
    // Side files left in the read-only folder count only while their slot is read from there.
    if (!suffix.isEmpty() && ReadPath(slot) == SlotPath(slot)) return written;
    const QString old = QDir(ReadOnlyFolder()).filePath(SlotFileName(slot, suffix));
    return CheckFile(old).State != FileState::Missing ? old : written;
}

QString SaveStore::FolderOf(const QString &path) const {
    return QFileInfo(path).absolutePath();
}

Result<QByteArray> SaveStore::ReadRecordBytes(const QString &path) const {
    return ReadPlainFile(path, static_cast<qint64>(kMaxGameStateBytes), FolderOf(path));
}

Result<GameState> SaveStore::LoadGame(int slot) const {
    if (!ValidSlot(slot)) return BadSlot(slot);
    auto bytes = ReadRecordBytes(ReadPath(slot));
    if (!bytes) return Failure{bytes.Reason()};
    return DecodeChecked(bytes.Value());
}

Status SaveStore::SaveGame(int slot, const GameState &state) {
    if (!ValidSlot(slot)) return BadSlot(slot);
    auto bytes = EncodeGameState(state);
    if (!bytes) return Failure{bytes.Reason()};
    // The old slot file becomes the backup by a second name once the new record is written
    // (a full disk keeps both as they were), just before the new file replaces it: one sync
    // per save. Where no second name can be made the old record is copied there instead.
    backupFailure_.clear();
    QByteArray oldRecord;
    const QString backup = BackupToKeep(slot, &oldRecord);
    const QString slotFile = SlotPath(slot);
    const auto keepBackup = [&] {
        if (oldRecord.isEmpty()) return;
        auto target = WritableTarget(slotFile, Folder());
        if (!backup.isEmpty() && target && KeepUnderSecondName(target.Value(), backup, *steps_))
            return;
        // The save goes on without it; the caller tells the player why.
        if (Status kept = Replace(SidePath(slot, kBackupSuffix), oldRecord); !kept)
            backupFailure_ = kept.Reason();
    };
    if (Status saved = Replace(slotFile, AsByteArray(bytes.Value()), keepBackup); !saved) {
        backupFailure_.clear();  // the old file stands as it was, and so does its backup
        return saved;
    }
    if (state.TeamName.empty()) {
        // The game is over: nothing of it is to be recovered or continued.
        RemoveSide(slot, kRecoverySuffix);
        RemoveSide(slot, kHistorySuffix);
        RemoveSide(slot, kHistoryJournalSuffix);
    }
    return {};
}

Status SaveStore::EraseSlot(int slot) {
    if (!ValidSlot(slot)) return BadSlot(slot);
    auto bytes = EncodeGameState(GameState{});
    if (!bytes) return Failure{bytes.Reason()};
    if (Status erased = Replace(SlotPath(slot), AsByteArray(bytes.Value())); !erased) return erased;
    for (const char *suffix :
         {kBackupSuffix, kBackupLinkSuffix, kRecoverySuffix, kHistorySuffix, kHistoryJournalSuffix,
          kHistoryKeptSuffix, kHistoryKeptJournalSuffix})
        RemoveSide(slot, suffix);
    return {};
}

Settings SaveStore::LoadSettings() const {
    Settings settings;
    QString path = SettingsPath();
    if (!ReadOnlyFolder().isEmpty() && CheckFile(path).State == FileState::Missing)
        path = QDir(ReadOnlyFolder()).filePath(QLatin1String(kSettingsFileName));
    auto bytes = ReadPlainFile(path, static_cast<qint64>(kSettingsBytes), FolderOf(path));
    if (bytes && bytes.Value().size() == static_cast<qsizetype>(kSettingsBytes)) {
        Settings read = DecodeSettings(AsSpan(bytes.Value()));
        if (SettingsUsable(read)) settings = read;
    }
    settings.Version = kSettingsVersion;
    return settings;
}

Status SaveStore::SaveSettings(const Settings &settings) {
    return Replace(SettingsPath(), AsByteArray(EncodeSettings(settings)));
}

std::string SaveStore::SettingsNote() const {
    const FileCheck check = CheckFile(SettingsPath(), Folder());
    if (check.State != FileState::Unusable) return {};
    return "SaveData.Kumo は使えません：" + check.Reason;
}

Status SaveStore::Replace(const QString &path, const QByteArray &bytes,
                          const std::function<void()> &beforeCommit) {
    if (!QDir().mkpath(Folder()))
        return Failure{"Dataフォルダを作れません（" + ShownPath(Folder()) + "）"};
    auto target = WritableTarget(path, Folder());
    if (!target) return Failure{target.Reason()};
    return ReplaceFile(target.Value(), bytes, *steps_, beforeCommit);
}

}  // namespace tk
