// libFuzzer target: any bytes as a slot's history file. Opening never crashes or hangs: a
// history either opens and reads back whole, or is refused with a reason and offered a fresh
// start, which always gives a working history and keeps the old file aside. Damage that only
// the first write finds is offered the same fresh start there.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "history/history_store.h"

namespace {

QCoreApplication *g_app = nullptr;
QTemporaryDir *g_dir = nullptr;

void Check(bool ok) {
    if (!ok) std::abort();
}

// Everything the records screens and the save tool read.
void ReadAll(const tk::HistoryStore &store) {
    (void)store.Messages();
    (void)store.Seasons();
    (void)store.LatestSummary();
    for (const tk::PlayerRow &p : store.Players()) {
        (void)store.Player(p.key);
        (void)store.Curve(p.key);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    g_app = new QCoreApplication(*argc, *argv);
    g_dir = new QTemporaryDir();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString path = QDir(g_dir->path()).filePath(QStringLiteral("Save0.Kumo.history"));
    for (const char *suffix : {"", "-journal", ".old", ".old-journal"})
        QFile::remove(path + QLatin1String(suffix));
    {
        QFile file(path);
        Check(file.open(QIODevice::WriteOnly));
        Check(file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size)) ==
              static_cast<qint64>(size));
    }

    // The save tool's view: read only, nothing written.
    tk::HistoryOwner owner{"テスト", 200, false};
    {
        const auto read = tk::HistoryStore::OpenToRead(path);
        if (read.store) {
            ReadAll(*read.store);
            owner.team = read.store->Team();
        } else {
            Check(!read.reason.empty());
        }
    }
    // The game's view: open for the slot's team, record a week, read it back.
    auto opened = tk::HistoryStore::Open(path, owner);
    if (!opened.store) {
        Check(!opened.reason.empty());
        if (opened.problem == tk::HistoryProblem::Locked ||
            opened.problem == tk::HistoryProblem::NotAFile)
            return 0;
        opened = tk::HistoryStore::StartAfresh(path, owner);
        Check(opened.store != nullptr);
    }
    tk::HistoryBatch batch;
    batch.messages.push_back({owner.week, tk::MessageKind::Notice, "", "週の終わり", false});
    if (!opened.store->Write(batch, owner.week)) {
        Check(opened.store->WriteProblem() == tk::HistoryProblem::Damaged);
        opened.store.reset();
        opened = tk::HistoryStore::StartAfresh(path, owner);
        Check(opened.store != nullptr);
        Check(static_cast<bool>(opened.store->Write(batch, owner.week)));
    }
    ReadAll(*opened.store);
    return 0;
}
