// Putting a slot's backup back in its place, keeping the save it replaces as the new backup so
// that a restore can itself be undone.
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

#include "storage/file_checks.h"
#include "storage/save_store.h"
#include "storage/save_store_parts.h"

namespace tk {

using namespace store;

namespace {

// The bytes of the record at the start of a file, as they stand (texts byte for byte).
QByteArray RecordOf(const QByteArray &bytes) {
    return bytes.left(static_cast<qsizetype>(ReadGameState(AsSpan(bytes)).RecordBytes));
}

bool IsRegularFile(const QString &path) {
    struct stat st {};
    return lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

// Swaps two files of one folder in a single step, and makes the swap last; false when the
// file system cannot (the caller then writes both files).
bool ExchangeFiles(const QString &a, const QString &b) {
    if (renameat2(AT_FDCWD, QFile::encodeName(a).constData(), AT_FDCWD,
                  QFile::encodeName(b).constData(), RENAME_EXCHANGE) != 0)
        return false;
    const int dir = open(QFile::encodeName(QFileInfo(a).absolutePath()).constData(),
                         O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)fsync(dir);
        close(dir);
    }
    return true;
}

}  // namespace

Status SaveStore::RestoreBackup(int slot) {
    if (!ValidSlot(slot)) return BadSlot(slot);
    auto backup = LoadBackup(slot);
    if (!backup) return Failure{"バックアップを使えません：" + backup.Reason()};
    auto bytes = ReadRecordBytes(ReadPath(slot, kBackupSuffix));
    if (!bytes) return Failure{bytes.Reason()};

    // The slot's own game, when it holds one, becomes the backup; a damaged or empty slot file
    // never replaces the backup.
    const QString slotPath = SlotPath(slot);
    const QString backupPath = SidePath(slot, kBackupSuffix);
    auto current = ReadRecordBytes(ReadPath(slot));
    QByteArray kept;
    if (current) {
        auto state = DecodeChecked(current.Value());
        if (state && !state.Value().TeamName.empty()) kept = RecordOf(current.Value());
    }
    if (!kept.isEmpty() && ReadPath(slot) == slotPath &&
        ReadPath(slot, kBackupSuffix) == backupPath && IsRegularFile(slotPath) &&
        IsRegularFile(backupPath) && ExchangeFiles(slotPath, backupPath))
        return {};

    if (Status restored = Replace(slotPath, RecordOf(bytes.Value())); !restored) return restored;
    if (kept.isEmpty()) return {};
    if (Status s = Replace(backupPath, kept); !s)
        return Failure{"復元しましたが、前のデータをバックアップに残せませんでした：" + s.Reason()};
    return {};
}

}  // namespace tk
