// A save that fails or is cut off at any point leaves the slot holding exactly the old game
// or exactly the new one: every step of the atomic replace failed in turn (also short
// writes), and a saving process killed at random moments.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>
#include <random>
#include <string>

#include <QDir>
#include <QTemporaryDir>

#include "core/state/record_codec.h"
#include "storage/save_store.h"
#include "tests/storage/crash_records.h"
#include "tests/storage/storage_support.h"

extern char **environ;

namespace tk {
namespace {

// One way the file steps can break: which step, and how.
enum class Break {
    kOpen,          // the temporary file cannot be created
    kWriteNothing,  // the write fails at once
    kShortWrite,    // only the first `keep` bytes reach the disk (a full disk)
    kWriteLies,     // everything is written but an error is reported
    kFlush,         // the buffered bytes cannot be flushed
    kCommitBefore,  // sync or rename fails: the target is never replaced
    kCommitAfter,   // the rename happened but an error is reported afterwards
};

struct BreakCase {
    const char *name;
    Break how;
    qint64 keep = 0;  // kShortWrite: bytes written; -1 for all but the last
    bool newGameLands = false;
};

void PrintTo(const BreakCase &c, std::ostream *os) {
    *os << c.name;
}

class BrokenSteps : public FileSteps {
public:
    explicit BrokenSteps(BreakCase c) : c_(c) {}
    bool Open(QSaveFile &f) override { return c_.how != Break::kOpen && FileSteps::Open(f); }
    qint64 Write(QSaveFile &f, const QByteArray &b) override {
        switch (c_.how) {
            case Break::kWriteNothing: return -1;
            case Break::kShortWrite: {
                const qint64 keep =
                    c_.keep < 0 ? b.size() - 1 : std::min<qint64>(c_.keep, b.size() - 1);
                return FileSteps::Write(f, b.left(keep));
            }
            case Break::kWriteLies: FileSteps::Write(f, b); return -1;
            default: return FileSteps::Write(f, b);
        }
    }
    bool Flush(QSaveFile &f) override { return c_.how != Break::kFlush && FileSteps::Flush(f); }
    bool Commit(QSaveFile &f) override {
        if (c_.how == Break::kCommitBefore) return false;
        const bool done = FileSteps::Commit(f);
        return c_.how != Break::kCommitAfter && done;
    }

private:
    BreakCase c_;
};

const std::vector<GameState> &Games() {
    static const std::vector<GameState> games = test::CrashTestGames(6);
    return games;
}

class InterruptedSave : public ::testing::TestWithParam<BreakCase> {};

TEST_P(InterruptedSave, SlotHoldsExactlyTheOldOrTheNewGame) {
    const BreakCase c = GetParam();
    // Over an older save with a backup and a recovery file, and as the very first save of an
    // empty slot.
    for (const bool firstSave : {false, true}) {
        QTemporaryDir dir;
        const QString data = dir.filePath("Data");
        SaveStore good(data);
        const GameState oldGame = firstSave ? GameState{} : Games()[0];
        const GameState oldBackup = Games()[1];
        const GameState oldRecovery = Games()[2];
        if (!firstSave) {
            ASSERT_TRUE(good.SaveGame(1, oldBackup).Ok());
            ASSERT_TRUE(good.SaveGame(1, oldGame).Ok());
            ASSERT_TRUE(good.SaveRecovery(1, oldRecovery).Ok());
        }

        GameState newGame = Games()[3];
        const GameState inMemory = newGame;
        SaveStore broken(data, std::make_shared<BrokenSteps>(c));
        const Status saved = broken.SaveGame(1, newGame);
        const Status recovered = broken.SaveRecovery(1, newGame);

        EXPECT_FALSE(saved.Ok()) << "a failed save was reported as done";
        EXPECT_FALSE(saved.Reason().empty());
        EXPECT_FALSE(recovered.Ok()) << "a failed recovery write was reported as done";
        EXPECT_EQ(newGame, inMemory) << "the game in memory changed";
        auto loaded = good.LoadGame(1);
        ASSERT_TRUE(loaded.Ok()) << loaded.Reason();
        EXPECT_EQ(loaded.Value(), c.newGameLands ? newGame : oldGame);
        // The backup is the one before or the game the save replaced; the recovery file is
        // untouched unless its new copy landed.
        auto backup = good.LoadBackup(1);
        auto recovery = good.LoadRecovery(1);
        EXPECT_EQ(backup.Ok(), !firstSave);
        EXPECT_EQ(recovery.Ok(), !firstSave || c.newGameLands);
        if (backup) {
            EXPECT_TRUE(backup.Value() == oldBackup || backup.Value() == oldGame);
        }
        if (recovery) {
            EXPECT_EQ(recovery.Value(), c.newGameLands ? newGame : oldRecovery);
        }
        // Nothing is left beside the slot, and the next save goes through.
        EXPECT_EQ(test::TemporaryFiles(data), QStringList());
        EXPECT_EQ(QFile::exists(good.SlotPath(1)), !firstSave || c.newGameLands);
        ASSERT_TRUE(good.SaveGame(1, newGame).Ok());
        EXPECT_EQ(good.LoadGame(1).Value(), newGame);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryStep, InterruptedSave,
                         ::testing::Values(BreakCase{"Open", Break::kOpen},
                                           BreakCase{"WriteNothing", Break::kWriteNothing},
                                           BreakCase{"ShortWrite0", Break::kShortWrite, 0},
                                           BreakCase{"ShortWrite1", Break::kShortWrite, 1},
                                           BreakCase{"ShortWrite100", Break::kShortWrite, 100},
                                           BreakCase{"ShortWriteHalf", Break::kShortWrite, 15000},
                                           BreakCase{"ShortWriteAllButOne", Break::kShortWrite, -1},
                                           BreakCase{"WriteLies", Break::kWriteLies},
                                           BreakCase{"Flush", Break::kFlush},
                                           BreakCase{"CommitBefore", Break::kCommitBefore},
                                           BreakCase{"CommitAfter", Break::kCommitAfter, 0, true}),
                         [](const ::testing::TestParamInfo<BreakCase> &info) {
                             return std::string(info.param.name);
                         });

// Looks at the slot and its backup before every step of a save, as a kill at that moment would
// leave them; `failLink` makes the hard link fail, as on a disk without them.
class WatchedSteps : public FileSteps {
public:
    WatchedSteps(SaveStore &reader, bool failLink) : reader_(reader), failLink_(failLink) {}
    bool Open(QSaveFile &f) override { return Look("open") && FileSteps::Open(f); }
    qint64 Write(QSaveFile &f, const QByteArray &b) override {
        Look("write");
        return FileSteps::Write(f, b);
    }
    bool Flush(QSaveFile &f) override { return Look("flush") && FileSteps::Flush(f); }
    bool Link(const QString &from, const QString &to) override {
        return Look("link") && !failLink_ && FileSteps::Link(from, to);
    }
    bool Rename(const QString &from, const QString &to) override {
        return Look("rename") && FileSteps::Rename(from, to);
    }
    bool Commit(QSaveFile &f) override { return Look("commit") && FileSteps::Commit(f); }
    bool Look(const char *step) {
        auto slot = reader_.LoadGame(1);
        auto backup = reader_.LoadBackup(1);
        seen.push_back(
            {step, slot ? slot.Value() : GameState{}, backup ? backup.Value() : GameState{}});
        return true;
    }
    struct Moment {
        std::string step;
        GameState slot, backup;
    };
    std::vector<Moment> seen;

private:
    SaveStore &reader_;
    bool failLink_;
};

// A save cut off before any of its steps, or after the last, leaves the old game with its old
// backup, the old game twice, or the new game with the old one as its backup: never the new
// game without the old one kept. The old slot file is kept by a second name, so the save syncs
// one file.
TEST(InterruptedSave, BackupIsTheOldGameAfterEveryStep) {
    for (const bool failLink : {false, true}) {
        QTemporaryDir dir;
        const QString data = dir.filePath("Data");
        SaveStore good(data);
        const GameState &oldBackup = Games()[1], &oldGame = Games()[0], &newGame = Games()[3];
        ASSERT_TRUE(good.SaveGame(1, oldBackup).Ok());
        ASSERT_TRUE(good.SaveGame(1, oldGame).Ok());
        auto steps = std::make_shared<WatchedSteps>(good, failLink);
        SaveStore watched(data, steps);
        ASSERT_TRUE(watched.SaveGame(1, newGame).Ok());
        steps->Look("done");
        std::string order;
        for (const auto &m : steps->seen) {
            order += m.step + " ";
            const bool oldPair =
                m.slot == oldGame && (m.backup == oldBackup || m.backup == oldGame);
            const bool newPair = m.slot == newGame && m.backup == oldGame;
            EXPECT_TRUE(oldPair || newPair) << "at " << m.step << (failLink ? " (no links)" : "");
        }
        EXPECT_EQ(steps->seen.back().slot, newGame);
        EXPECT_EQ(order, failLink ? "open write flush link open write flush commit commit done "
                                  : "open write flush link rename commit done ");
        EXPECT_EQ(test::TemporaryFiles(data), QStringList());
    }
}

// Starts a helper process on a Data folder with its standard output on a pipe, waits for its
// first byte, lets it run for a random moment of up to 30 ms and kills it (SIGKILL). Returns
// the number of bytes it wrote before it died, or nothing when it did not run as it should.
std::optional<int> RunAndKill(const char *helper, const std::string &folder, std::mt19937 &rng) {
    int out[2];
    if (pipe(out) != 0) return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char *args[] = {const_cast<char *>(helper), const_cast<char *>(folder.c_str()), nullptr};
    pid_t child = 0;
    const bool spawned = posix_spawn(&child, helper, &actions, nullptr, args, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    char byte = 0;
    if (!spawned || read(out[0], &byte, 1) != 1) {
        ADD_FAILURE() << helper << " did not start or wrote nothing";
        close(out[0]);
        return std::nullopt;
    }
    usleep(std::uniform_int_distribution<useconds_t>(0, 30000)(rng));
    kill(child, SIGKILL);
    int status = 0;
    const bool killed = waitpid(child, &status, 0) == child && WIFSIGNALED(status);
    int bytes = 1;
    for (ssize_t n; (n = read(out[0], &byte, 1)) > 0;) bytes += static_cast<int>(n);
    close(out[0]);
    if (!killed) {
        ADD_FAILURE() << helper << " stopped by itself";
        return std::nullopt;
    }
    return bytes;
}

// The saving program killed at random moments, a bounded number of times: each time the slot
// loads, and it loads as exactly one of the games that were being saved.
TEST(KilledSave, SlotLoadsAsOneOfTheSavedGames) {
    constexpr int kKills = 40;
    QTemporaryDir dir;
    const QString data = dir.filePath("Data");
    SaveStore store(data);
    ASSERT_TRUE(store.SaveGame(0, Games()[0]).Ok());

    std::mt19937 rng(4242);  // the moments of the kills
    std::vector<int> seen(Games().size(), 0);
    for (int round = 0; round < kKills; ++round) {
        ASSERT_TRUE(RunAndKill(TK_SAVE_LOOP_HELPER, data.toStdString(), rng));
        auto loaded = store.LoadGame(0);
        ASSERT_TRUE(loaded.Ok()) << "kill " << round << ": " << loaded.Reason();
        const auto match = std::find(Games().begin(), Games().end(), loaded.Value());
        ASSERT_NE(match, Games().end()) << "kill " << round << ": the slot holds no saved game";
        ++seen[static_cast<std::size_t>(match - Games().begin())];
    }
    int distinct = 0;
    for (const int n : seen) distinct += n > 0;
    // A kill between writing and renaming leaves the temporary file behind; it is never read.
    const auto leftovers = test::TemporaryFiles(data).size();
    std::cout << "[ kills ] " << kKills << " kills, slot held " << distinct << " different games, "
              << leftovers << " temporary files left\n";
}

// The fingerprint of a record, to find it among the weeks of the crash-test game.
std::uint64_t Fingerprint(const GameState &s) {
    const Bytes bytes = EncodeGameState(s).Value();
    return sim::Fnv1a(bytes.data(), bytes.size());
}

// The game played week by week, killed at random moments: the slot and its recovery file
// each load as exactly one of the finished weeks (never a half-played one), the newer of the
// two is at most the week being played behind, and the title screen offers the recovery file
// exactly when it is the newer one.
TEST(KilledGame, LosesAtMostTheWeekBeingPlayed) {
    constexpr int kKills = 40;
    std::map<std::uint64_t, int> weekOf{{Fingerprint(GameState{}), 0}};
    int weeks = 0;  // the whole calendar: far more than a kill lets the helper play
    for (auto game = test::CrashTestGame(); game->PlayOneWeek() == WeekOutcome::Next;)
        weekOf.emplace(Fingerprint(game->State()), ++weeks);
    const auto finished = [&](const GameState &s) {
        const auto found = weekOf.find(Fingerprint(s));
        return found == weekOf.end() ? -1 : found->second;
    };

    std::mt19937 rng(777);
    int offered = 0, longest = 0;
    for (int round = 0; round < kKills; ++round) {
        QTemporaryDir dir;
        const QString data = dir.filePath("Data");
        const auto done = RunAndKill(TK_WEEK_LOOP_HELPER, data.toStdString(), rng);
        ASSERT_TRUE(done);
        ASSERT_LT(*done, weeks);
        SaveStore store(data);
        auto slot = store.LoadGame(0);
        ASSERT_TRUE(slot.Ok()) << "kill " << round << ": " << slot.Reason();
        const int slotWeek = finished(slot.Value());
        ASSERT_GE(slotWeek, 0) << "kill " << round << ": the slot holds no finished week";
        EXPECT_EQ(slotWeek % test::kWeeksBetweenSaves, 0);
        int recoveryWeek = -1;
        if (QFile::exists(store.SidePath(0, kRecoverySuffix))) {
            auto recovery = store.LoadRecovery(0);
            ASSERT_TRUE(recovery.Ok()) << "kill " << round << ": " << recovery.Reason();
            recoveryWeek = finished(recovery.Value());
            ASSERT_GE(recoveryWeek, 0) << "kill " << round << ": a half-played week";
        }
        const int newest = std::max(slotWeek, recoveryWeek);
        EXPECT_TRUE(newest == *done || newest == *done + 1)
            << "kill " << round << ": " << *done << " weeks done, newest file holds " << newest;
        EXPECT_EQ(store.InspectSlot(0).RecoveryOffered, recoveryWeek > slotWeek) << round;
        offered += recoveryWeek > slotWeek;
        longest = std::max(longest, *done);
    }
    std::cout << "[ kills ] " << kKills << " kills, up to " << longest << " weeks played, "
              << offered << " times the recovery file was the newer\n";
}

}  // namespace
}  // namespace tk
