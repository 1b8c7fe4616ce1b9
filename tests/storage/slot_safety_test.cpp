// One copy per slot, any save restorable, a slot's history carried out of a read-only folder,
// the reasons the player reads, and the temporaries a killed write leaves.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>

#include "storage/atomic_file.h"
#include "storage/game_modules.h"
#include "storage/plain_reasons.h"
#include "storage/save_store.h"
#include "storage/slot_carry.h"
#include "storage/slot_lock.h"
#include "storage/stale_files.h"
#include "tests/storage/crash_records.h"
#include "tests/storage/storage_support.h"

namespace tk {
namespace {

using test::ReadBytes;
using test::WriteBytes;

const std::vector<GameState> &SavedGames() {
    static const std::vector<GameState> games = test::CrashTestGames(3);
    return games;
}

TEST(SlotLock, OneCopyHoldsASlotAndAKilledCopysLockIsTakenOver) {
    QTemporaryDir dir;
    const QString slot = dir.filePath("Save0.Kumo");
    EXPECT_FALSE(SlotLock::UserOf(slot));
    SlotLock first(slot);
    ASSERT_TRUE(first.Take().Ok());
    EXPECT_TRUE(QFile::exists(slot + ".lock"));

    // A second copy (a second lock in this process stands for it) is refused, told who holds it.
    SlotLock second(slot);
    const Status refused = second.Take();
    ASSERT_FALSE(refused.Ok());
    EXPECT_NE(refused.Reason().find("ほかのテニス監督が使っています"), std::string::npos);
    EXPECT_NE(refused.Reason().find(std::to_string(QCoreApplication::applicationPid())),
              std::string::npos)
        << refused.Reason();
    const auto user = SlotLock::UserOf(slot);
    ASSERT_TRUE(user);
    EXPECT_EQ(user->Pid, QCoreApplication::applicationPid());
    EXPECT_FALSE(user->Since.empty());

    first.Release();
    EXPECT_FALSE(SlotLock::UserOf(slot));
    EXPECT_FALSE(QFile::exists(slot + ".lock"));
    ASSERT_TRUE(second.Take().Ok());
    second.Release();

    // The lock of a copy that was killed: its process is gone, so the slot is free.
    QLockFile probe(slot + ".lock");
    ASSERT_TRUE(probe.tryLock(0));
    qint64 pid = 0;
    QString host, program;
    ASSERT_TRUE(probe.getLockInfo(&pid, &host, &program));
    probe.unlock();
    ASSERT_TRUE(WriteBytes(slot + ".lock",
                           "2147480000\n" + program.toUtf8() + "\n" + host.toUtf8() + "\n"));
    EXPECT_FALSE(SlotLock::UserOf(slot));
    ASSERT_TRUE(WriteBytes(slot + ".lock",
                           "2147480000\n" + program.toUtf8() + "\n" + host.toUtf8() + "\n"));
    SlotLock after(slot);
    EXPECT_TRUE(after.Take().Ok());

    // A link or a folder under the lock's name is never followed.
    after.Release();
    ASSERT_TRUE(QDir().mkpath(slot + ".lock"));
    const Status folder = SlotLock(slot).Take();
    EXPECT_FALSE(folder.Ok());
    EXPECT_NE(folder.Reason().find("フォルダです"), std::string::npos) << folder.Reason();
}

// Another process holds the lock as QLockFile does (an advisory lock on the file): the slot is
// refused while it lives, QLockFile refuses a slot this copy holds, and once the other process
// is killed its lock is free at once.
TEST(SlotLock, AnotherProcessHoldsTheSlotUntilItIsKilled) {
    QTemporaryDir dir;
    const QString slot = dir.filePath("Save0.Kumo");
    const QByteArray lock = QFile::encodeName(slot + ".lock");
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t other = fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        const int fd = open(lock.constData(), O_RDWR | O_CREAT, 0644);
        const bool held = fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) == 0 &&
                          write(fd, "1\nold copy\nhost\n", 16) == 16;
        [[maybe_unused]] const auto told = write(ready[1], held ? "1" : "0", 1);
        pause();
        _exit(0);
    }
    char held = 0;
    ASSERT_EQ(read(ready[0], &held, 1), 1);
    ASSERT_EQ(held, '1');
    SlotLock mine(slot);
    const Status refused = mine.Take();
    EXPECT_FALSE(refused.Ok());
    EXPECT_NE(refused.Reason().find("old copy"), std::string::npos) << refused.Reason();

    kill(other, SIGKILL);
    ASSERT_EQ(waitpid(other, nullptr, 0), other);
    ASSERT_TRUE(mine.Take().Ok());
    QLockFile older(slot + ".lock");
    EXPECT_FALSE(older.tryLock(0));
    mine.Release();
    EXPECT_TRUE(older.tryLock(0));
    close(ready[0]);
    close(ready[1]);
}

TEST(SlotRestore, AnyBackupComesBackAndARestoreCanBeUndone) {
    QTemporaryDir dir;
    SaveStore store(dir.path());
    ASSERT_TRUE(store.SaveGame(1, SavedGames()[0]).Ok());
    ASSERT_TRUE(store.SaveGame(1, SavedGames()[1]).Ok());
    ASSERT_EQ(store.LoadBackup(1).Value(), SavedGames()[0]);

    ASSERT_TRUE(store.RestoreBackup(1).Ok());
    EXPECT_EQ(store.LoadGame(1).Value(), SavedGames()[0]);
    EXPECT_EQ(store.LoadBackup(1).Value(), SavedGames()[1]);  // the save it replaced
    ASSERT_TRUE(store.RestoreBackup(1).Ok());                 // undone
    EXPECT_EQ(store.LoadGame(1).Value(), SavedGames()[1]);
    EXPECT_EQ(store.LoadBackup(1).Value(), SavedGames()[0]);
    EXPECT_TRUE(test::TemporaryFiles(dir.path()).isEmpty());

    // A damaged slot never takes the backup's place: the backup stays.
    const QByteArray damaged(40000, '\xFF');
    ASSERT_TRUE(WriteBytes(store.SlotPath(1), damaged));
    ASSERT_TRUE(store.RestoreBackup(1).Ok());
    EXPECT_EQ(store.LoadGame(1).Value(), SavedGames()[0]);
    EXPECT_EQ(store.LoadBackup(1).Value(), SavedGames()[0]);
}

TEST(SlotCarry, TheHistoryGoesWhereTheSlotGoes) {
    QTemporaryDir dir;
    const QString old = dir.filePath("program/Data");
    const QString user = dir.filePath("user/Data");
    {
        SaveStore beside(old);
        ASSERT_TRUE(beside.SaveGame(3, SavedGames()[0]).Ok());
    }
    ASSERT_TRUE(WriteBytes(old + "/Save3.Kumo.history", "history bytes"));
    ASSERT_TRUE(WriteBytes(old + "/Save3.Kumo.history-journal", "journal"));
    SaveStore store(DataLocation{user, old, {}});
    ASSERT_TRUE(CarrySideFiles(store, 3).Ok());
    EXPECT_EQ(ReadBytes(user + "/Save3.Kumo.history"), "history bytes");
    EXPECT_EQ(ReadBytes(user + "/Save3.Kumo.history-journal"), "journal");
    // Once carried, the per-user history is the slot's: never written over.
    ASSERT_TRUE(WriteBytes(user + "/Save3.Kumo.history", "played on"));
    ASSERT_TRUE(CarrySideFiles(store, 3).Ok());
    EXPECT_EQ(ReadBytes(user + "/Save3.Kumo.history"), "played on");
    // A slot read from the folder saves go to carries nothing.
    ASSERT_TRUE(WriteBytes(old + "/Save2.Kumo.history", "x"));
    ASSERT_TRUE(CarrySideFiles(store, 2).Ok());
    EXPECT_FALSE(QFile::exists(user + "/Save2.Kumo.history"));
}

TEST(PlainReasons, SystemErrorsInThePlayersWords) {
    const std::pair<int, const char *> cases[] = {
        {ENOSPC, "容量不足です"},
        {EDQUOT, "容量不足です"},
        {EACCES, "書き込み権限がありません"},
        {EROFS, "読み取り専用です"},
        {EIO, "ディスクの読み書きに失敗しました"},
    };
    for (const auto &[error, words] : cases) {
        EXPECT_EQ(PlainError(error), words) << error;
        EXPECT_EQ(PlainFileError(QString::fromLocal8Bit(std::strerror(error))), words) << error;
    }
    // A write below a file that is not a folder: the cause, never Qt's text.
    QTemporaryDir dir;
    ASSERT_TRUE(WriteBytes(dir.filePath("Data"), "x"));
    FileSteps steps;
    const Status s = ReplaceFile(dir.filePath("Data/Save0.Kumo"), "bytes", steps);
    ASSERT_FALSE(s.Ok());
    EXPECT_NE(s.Reason().find("途中にフォルダでないものがあります"), std::string::npos)
        << s.Reason();

    // A module of the game missing or broken beside the program: the loader's text stays out.
    QString why;
    EXPECT_EQ(GameModuleSymbol("tk-test-missing", "entry", &why), nullptr);
    EXPECT_EQ(why, QStringLiteral("libtk-test-missing.so が見つかりません"));
    const QString broken = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath() +
                           QStringLiteral("/libtk-test-broken.so");
    ASSERT_TRUE(WriteBytes(broken, "not a library"));
    EXPECT_EQ(GameModuleSymbol("tk-test-broken", "entry", &why), nullptr);
    QFile::remove(broken);
    EXPECT_TRUE(why.startsWith(QStringLiteral("libtk-test-broken.so を読み込めません")))
        << why.toStdString();
}

TEST(StaleFiles, OnlyOldTemporariesOfTheGamesFilesGo) {
    const std::pair<const char *, bool> names[] = {
        {"Save0.Kumo.Ab3xYz", true},
        {"Save3.Kumo.bak.q1W2e3", true},
        {"Save1.Kumo.resume.ZZZZZZ", true},
        {"SaveData.Kumo.abcdef", true},
        {"Save0.Kumo.resume", false},
        {"Save0.Kumo.history", false},
        {"Save4.Kumo.Ab3xYz", false},
        {"Save0.Kumo.Ab3xY", false},
        {"notes.Ab3xYz", false},
        {"Save2.Kumo.bak.resume", false},
        {"SaveData.Kumo.bak.abcdef", false},
        {"Save0.Kumo.Ab-xYz", false},
        {"Save0.Kumo.Ab3xYz1", false},
        {"xSave0.Kumo.Ab3xYz", false},
        {"Save0Kumo.Ab3xYz", false},
        {".Ab3xYz", false},
    };
    for (const auto &[name, temporary] : names)
        EXPECT_EQ(IsWriteTemporary(QString::fromLatin1(name)), temporary) << name;

    QTemporaryDir dir;
    for (const char *name : {"Save0.Kumo.Ab3xYz", "Save0.Kumo.Fresh1", "Save0.Kumo.resume"})
        ASSERT_TRUE(WriteBytes(dir.filePath(name), "x"));
    const QByteArray old = QFile::encodeName(dir.filePath("Save0.Kumo.Ab3xYz"));
    struct timespec times[2] = {{1000, 0}, {1000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, old.constData(), times, 0), 0);
    EXPECT_EQ(RemoveStaleTemporaries(dir.path()), 1);
    EXPECT_FALSE(QFile::exists(dir.filePath("Save0.Kumo.Ab3xYz")));
    EXPECT_TRUE(QFile::exists(dir.filePath("Save0.Kumo.Fresh1")));  // a write may be under way
    EXPECT_TRUE(QFile::exists(dir.filePath("Save0.Kumo.resume")));
}

}  // namespace
}  // namespace tk
