// Copying a slot's history from the read-only folder, atomically and only from plain files.
#include "storage/slot_carry.h"

#include <QDir>

#include "storage/atomic_file.h"
#include "storage/file_checks.h"
#include "storage/save_store.h"

namespace tk {
namespace {

// Far larger than the history of a whole hundred-year game.
constexpr qint64 kMaxCarriedBytes = qint64{1} << 30;

}  // namespace

Status CarrySideFiles(const SaveStore &store, int slot) {
    if (store.ReadOnlyFolder().isEmpty() || store.ReadPath(slot) == store.SlotPath(slot)) return {};
    for (const char *suffix : {kHistorySuffix, kHistoryJournalSuffix}) {
        const QString to = store.SidePath(slot, QString::fromLatin1(suffix));
        const QString from = QDir(store.ReadOnlyFolder()).filePath(SlotFileName(slot, suffix));
        if (CheckFile(to).State != FileState::Missing) continue;
        if (CheckFile(from, store.ReadOnlyFolder()).State != FileState::Plain) continue;
        qint64 size = 0;
        auto bytes = ReadPlainFile(from, kMaxCarriedBytes, store.ReadOnlyFolder(), &size);
        if (!bytes) return Failure{bytes.Reason()};
        if (size > bytes.Value().size())
            return Failure{"ファイルが大きすぎます（" + ShownPath(from) + "）"};
        FileSteps steps;
        if (Status copied = ReplaceFile(to, bytes.Value(), steps); !copied) return copied;
    }
    return {};
}

}  // namespace tk
