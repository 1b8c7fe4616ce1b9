// The files beside a slot: one backup generation, the recovery file of the last finished
// week, what the title screen is told about them, and what erasing takes with it.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include "core/rules/lookups.h"
#include "core/state/record_codec.h"
#include "storage/atomic_file.h"
#include "storage/save_store.h"
#include "tests/storage/crash_records.h"
#include "tests/storage/storage_support.h"

namespace tk {
namespace {

using test::ReadBytes;
using test::WriteBytes;

const std::vector<GameState> &Weeks() {
    static const std::vector<GameState> games = test::CrashTestGames(4);
    return games;
}

// Moves a file's modification time, so that "newer" does not hang on the clock.
void Age(const QString &path, int seconds) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-seconds),
                              QFileDevice::FileModificationTime));
}

class SideFiles : public ::testing::Test {
protected:
    QTemporaryDir dir;
    SaveStore store{dir.filePath("Data")};
};

TEST_F(SideFiles, EverySaveKeepsThePreviousOneAsTheBackup) {
    EXPECT_FALSE(store.LoadBackup(1).Ok());  // none yet
    ASSERT_TRUE(store.SaveGame(1, Weeks()[0]).Ok());
    EXPECT_FALSE(QFile::exists(store.SidePath(1, kBackupSuffix)));  // nothing to keep
    ASSERT_TRUE(store.SaveGame(1, Weeks()[1]).Ok());
    EXPECT_EQ(store.LoadBackup(1).Value(), Weeks()[0]);
    ASSERT_TRUE(store.SaveGame(1, Weeks()[2]).Ok());
    EXPECT_EQ(store.LoadBackup(1).Value(), Weeks()[1]);

    // A damaged slot never replaces the backup of the last good save, and is offered the
    // backup: restoring it takes the backup's bytes.
    const QByteArray backup = ReadBytes(store.SidePath(1, kBackupSuffix));
    ASSERT_TRUE(WriteBytes(store.SlotPath(1), QByteArray(40000, '\x7f')));
    SlotInfo info = store.InspectSlot(1);
    EXPECT_EQ(info.State, SlotState::Damaged);
    EXPECT_TRUE(info.CanRestore());
    EXPECT_EQ(info.Backup.Summary, SlotSummaryText(Weeks()[1]));
    EXPECT_EQ(info.Summary, "データが壊れています\rバックアップ：" + SlotSummaryText(Weeks()[1]));
    ASSERT_TRUE(store.RestoreBackup(1).Ok());
    EXPECT_EQ(ReadBytes(store.SlotPath(1)), backup);
    EXPECT_EQ(store.InspectSlot(1).State, SlotState::Occupied);

    ASSERT_TRUE(WriteBytes(store.SlotPath(1), QByteArray(40000, '\x7f')));
    ASSERT_TRUE(store.SaveGame(1, Weeks()[3]).Ok());
    EXPECT_EQ(ReadBytes(store.SidePath(1, kBackupSuffix)), backup);
}

TEST_F(SideFiles, RecoveryIsOfferedOnlyWhenNewerThanTheSlotAndUnlikeIt) {
    ASSERT_TRUE(store.SaveGame(0, Weeks()[0]).Ok());
    EXPECT_FALSE(store.InspectSlot(0).Recovery.Present);
    ASSERT_TRUE(store.SaveRecovery(0, Weeks()[2]).Ok());
    EXPECT_EQ(store.LoadRecovery(0).Value(), Weeks()[2]);

    SlotInfo info = store.InspectSlot(0);
    EXPECT_TRUE(info.RecoveryOffered);
    EXPECT_EQ(info.Summary, SlotSummaryText(Weeks()[0]) + "\r" + kRecoveryLine);
    EXPECT_EQ(info.Recovery.Date, DateText(Weeks()[2].WeekCount));
    EXPECT_EQ(info.Recovery.Funds.rfind("資金", 0), 0u);

    // A close cut short after its save leaves an older recovery file: the slot wins.
    Age(store.SidePath(0, kRecoverySuffix), 60);
    EXPECT_FALSE(store.InspectSlot(0).RecoveryOffered);
    // Holding the slot's own game it has nothing to add.
    ASSERT_TRUE(store.SaveRecovery(0, Weeks()[0]).Ok());
    EXPECT_FALSE(store.InspectSlot(0).RecoveryOffered);

    // A game never saved: the empty slot is offered its recovery file.
    ASSERT_TRUE(store.SaveRecovery(3, Weeks()[1]).Ok());
    info = store.InspectSlot(3);
    EXPECT_EQ(info.State, SlotState::Empty);
    EXPECT_TRUE(info.RecoveryOffered);

    // One that fails the load checks is ignored and named.
    GameState broken = Weeks()[1];
    broken.TimeOfDay = 9;
    ASSERT_TRUE(store.SaveRecovery(3, broken).Ok());
    info = store.InspectSlot(3);
    EXPECT_FALSE(info.RecoveryOffered);
    ASSERT_EQ(info.Notes.size(), 1u);
    EXPECT_NE(info.Notes[0].find("Save3.Kumo.resume"), std::string::npos);
    EXPECT_NE(info.Notes[0].find("TimeOfDay"), std::string::npos);

    ASSERT_TRUE(store.RemoveRecovery(3).Ok());
    EXPECT_FALSE(QFile::exists(store.SidePath(3, kRecoverySuffix)));
    EXPECT_TRUE(store.RemoveRecovery(3).Ok());  // nothing there is no failure
}

TEST_F(SideFiles, ErasingAndEndingAGameTakeTheirSideFiles) {
    const char *all[] = {kBackupSuffix,  kBackupLinkSuffix,     kRecoverySuffix,
                         kHistorySuffix, kHistoryJournalSuffix, kHistoryKeptSuffix};
    auto present = [&](int slot) {
        std::string found;
        for (const char *suffix : all)
            if (QFile::exists(store.SidePath(slot, suffix))) found += suffix;
        return found;
    };
    for (int slot : {0, 1}) {
        ASSERT_TRUE(store.SaveGame(slot, Weeks()[0]).Ok());
        ASSERT_TRUE(store.SaveGame(slot, Weeks()[1]).Ok());
        ASSERT_TRUE(store.SaveRecovery(slot, Weeks()[2]).Ok());
        ASSERT_TRUE(WriteBytes(store.SidePath(slot, kHistorySuffix), "SQLite format 3"));
        ASSERT_TRUE(WriteBytes(store.SidePath(slot, kHistoryJournalSuffix), "journal"));
        ASSERT_TRUE(WriteBytes(store.SidePath(slot, kHistoryKeptSuffix), "SQLite format 3"));
        // A kill between the backup's link and its rename leaves the link.
        ASSERT_TRUE(QFile::link(store.SlotPath(slot), store.SidePath(slot, kBackupLinkSuffix)));
        ASSERT_EQ(present(slot), ".bak.bak-new.resume.history.history-journal.history.old");
    }
    ASSERT_TRUE(store.EraseSlot(0).Ok());
    EXPECT_EQ(present(0), "");
    EXPECT_EQ(store.InspectSlot(0).State, SlotState::Empty);

    // このチームを消す or bankruptcy: the game is over, its last save stays the backup.
    GameState over = Weeks()[2];
    over.TeamName.clear();
    ASSERT_TRUE(store.SaveGame(1, over).Ok());
    EXPECT_EQ(present(1), ".bak.history.old");
    EXPECT_EQ(store.LoadBackup(1).Value(), Weeks()[1]);
}

// Neither a hard link nor a copy of the backup can be written (a full disk).
class NoBackupSteps : public FileSteps {
public:
    bool Link(const QString &, const QString &) override { return false; }
    qint64 Write(QSaveFile &f, const QByteArray &b) override {
        return f.fileName().endsWith(kBackupSuffix) ? -1 : FileSteps::Write(f, b);
    }
};

// A backup that cannot be kept does not stop the save: the reason is handed to the player.
TEST_F(SideFiles, ABackupThatCannotBeKeptIsToldAndTheSaveGoesOn) {
    const std::pair<const char *, bool> cases[] = {{"the disk", false}, {"a folder", true}};
    for (const auto &[name, folder] : cases) {
        QTemporaryDir here;
        SaveStore good(here.filePath("Data"));
        ASSERT_TRUE(good.SaveGame(1, Weeks()[0]).Ok());
        ASSERT_TRUE(good.SaveGame(1, Weeks()[1]).Ok());
        EXPECT_EQ(good.BackupFailure(), "");
        const QString backup = good.SidePath(1, kBackupSuffix);
        if (folder) {
            ASSERT_TRUE(QFile::remove(backup) && QDir().mkdir(backup));
        }

        SaveStore failing(here.filePath("Data"), std::make_shared<NoBackupSteps>());
        ASSERT_TRUE(failing.SaveGame(1, Weeks()[2]).Ok()) << name;
        EXPECT_EQ(good.LoadGame(1).Value(), Weeks()[2]) << name;
        EXPECT_NE(failing.BackupFailure().find("Save1.Kumo.bak"), std::string::npos)
            << name << ": " << failing.BackupFailure();
        if (!folder) {
            EXPECT_EQ(good.LoadBackup(1).Value(), Weeks()[0]) << name;
        }
        EXPECT_EQ(test::TemporaryFiles(here.filePath("Data")), QStringList()) << name;
    }
}

}  // namespace
}  // namespace tk
