// Files that are not what they seem: links out of the folder or to nothing, pipes, devices,
// folders under a save's name, huge and cut-short files, a read-only and a full Data folder.
// Each is refused with its reason and left as it was; nothing else is lost.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <functional>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/state/record_codec.h"
#include "storage/save_store.h"
#include "tests/storage/crash_records.h"
#include "tests/storage/storage_support.h"

namespace tk {
namespace {

using test::ReadBytes;
using test::WriteBytes;

const std::vector<GameState> &Games() {
    static const std::vector<GameState> games = test::CrashTestGames(3);
    return games;
}

QByteArray Image(const GameState &s) {
    auto bytes = EncodeGameState(s);
    return QByteArray(reinterpret_cast<const char *>(bytes.Value().data()),
                      static_cast<qsizetype>(bytes.Value().size()));
}

// What stands at a name, to see that it was left as it was.
std::string Shape(const QString &path) {
    struct stat st {};
    if (lstat(QFile::encodeName(path).constData(), &st) != 0) return "nothing";
    return std::to_string(st.st_mode & S_IFMT) + " " + QFile::symLinkTarget(path).toStdString() +
           " " + std::to_string(S_ISREG(st.st_mode) ? st.st_size : 0);
}

struct Hostile {
    const char *name;
    const char *reason;  // part of the reason the player is given
    std::function<bool(const QString &path, const QString &outside)> make;
    bool needsRoot = false;
};

const Hostile kHostile[] = {
    {"link to a device", "Dataフォルダの外へのリンク",
     [](const QString &p, const QString &) { return QFile::link("/dev/zero", p); }},
    {"device", "デバイス",
     [](const QString &p, const QString &) {
         return mknod(QFile::encodeName(p).constData(), S_IFCHR | 0600, makedev(1, 5)) == 0;
     },
     true},
    {"link to a missing file", "リンク先がありません",
     [](const QString &p, const QString &) { return QFile::link(p + ".gone", p); }},
    {"link out of the folder", "Dataフォルダの外へのリンク",
     [](const QString &p, const QString &outside) { return QFile::link(outside, p); }},
    {"link in a loop", "循環",
     [](const QString &p, const QString &) {
         return QFile::link(p + ".loop", p) && QFile::link(p, p + ".loop");
     }},
    {"named pipe", "名前付きパイプ",
     [](const QString &p, const QString &) {
         return mkfifo(QFile::encodeName(p).constData(), 0600) == 0;
     }},
    {"folder", "フォルダ", [](const QString &p, const QString &) { return QDir().mkpath(p); }},
};

class HostileFiles : public ::testing::TestWithParam<Hostile> {
protected:
    void SetUp() override {
        outside = dir.filePath("outside.Kumo");
        if (GetParam().needsRoot && !Make(dir.filePath("probe")))
            GTEST_SKIP() << "making a device node needs root (CAP_MKNOD)";
        ASSERT_TRUE(WriteBytes(outside, Image(Games()[2])));
    }
    bool Make(const QString &path) { return GetParam().make(path, outside); }
    bool Names(const std::vector<std::string> &notes, const std::string &file) {
        for (const std::string &n : notes)
            if (n.find(file) != std::string::npos && n.find(GetParam().reason) != std::string::npos)
                return true;
        return false;
    }

    QTemporaryDir dir;
    QString outside;
    SaveStore store{dir.filePath("Data")};
};

TEST_P(HostileFiles, SlotIsRefusedNamedAndLeftAlone) {
    ASSERT_TRUE(store.SaveGame(0, Games()[0]).Ok());
    ASSERT_TRUE(store.SaveGame(0, Games()[1]).Ok());  // a good backup
    ASSERT_TRUE(QFile::remove(store.SlotPath(0)));
    ASSERT_TRUE(Make(store.SlotPath(0)));
    const std::string before = Shape(store.SlotPath(0));

    auto loaded = store.LoadGame(0);
    ASSERT_FALSE(loaded.Ok());
    EXPECT_NE(loaded.Reason().find(GetParam().reason), std::string::npos) << loaded.Reason();
    const SlotInfo info = store.InspectSlot(0);
    EXPECT_EQ(info.State, SlotState::Damaged);
    EXPECT_FALSE(info.PlainFile);
    EXPECT_FALSE(info.CanRestore());  // nothing is written over it
    EXPECT_TRUE(Names(info.Notes, "Save0.Kumo は使えません")) << info.Notes.size();
    EXPECT_FALSE(store.SaveGame(0, Games()[1]).Ok());
    EXPECT_FALSE(store.EraseSlot(0).Ok());
    EXPECT_FALSE(store.RestoreBackup(0).Ok());
    EXPECT_EQ(Shape(store.SlotPath(0)), before);
    EXPECT_EQ(store.LoadBackup(0).Value(), Games()[0]);
    EXPECT_EQ(ReadBytes(outside), Image(Games()[2]));
}

TEST_P(HostileFiles, SideFilesAndSettingsAreRefusedNamedAndLeftAlone) {
    ASSERT_TRUE(store.SaveGame(1, Games()[0]).Ok());
    for (const char *suffix : {kRecoverySuffix, kBackupSuffix})
        ASSERT_TRUE(Make(store.SidePath(1, suffix)));
    ASSERT_TRUE(Make(store.SettingsPath()));
    const std::string recovery = Shape(store.SidePath(1, kRecoverySuffix));
    const std::string backup = Shape(store.SidePath(1, kBackupSuffix));
    const std::string settings = Shape(store.SettingsPath());

    SlotInfo info = store.InspectSlot(1);
    EXPECT_EQ(info.State, SlotState::Occupied);
    EXPECT_FALSE(info.RecoveryOffered);
    EXPECT_TRUE(Names(info.Notes, "Save1.Kumo.resume"));
    EXPECT_TRUE(Names(info.Notes, "Save1.Kumo.bak"));
    EXPECT_FALSE(store.LoadRecovery(1).Ok());
    EXPECT_FALSE(store.SaveRecovery(1, Games()[1]).Ok());
    EXPECT_FALSE(store.RemoveRecovery(1).Ok());
    // The slot is still saved; only its backup cannot be kept.
    EXPECT_TRUE(store.SaveGame(1, Games()[1]).Ok());
    EXPECT_EQ(store.LoadGame(1).Value(), Games()[1]);

    EXPECT_EQ(store.LoadSettings().Version, kSettingsVersion);
    EXPECT_FALSE(store.SaveSettings(Settings{}).Ok());
    EXPECT_NE(store.SettingsNote().find(GetParam().reason), std::string::npos);

    EXPECT_EQ(Shape(store.SidePath(1, kRecoverySuffix)), recovery);
    EXPECT_EQ(Shape(store.SidePath(1, kBackupSuffix)), backup);
    EXPECT_EQ(Shape(store.SettingsPath()), settings);
}

INSTANTIATE_TEST_SUITE_P(Kinds, HostileFiles, ::testing::ValuesIn(kHostile),
                         [](const ::testing::TestParamInfo<Hostile> &info) {
                             std::string name = info.param.name;
                             for (char &c : name)
                                 if (c == ' ') c = '_';
                             return name;
                         });

class OddFiles : public ::testing::Test {
protected:
    QTemporaryDir dir;
    SaveStore store{dir.filePath("Data")};
};

TEST_F(OddFiles, LinkInsideTheFolderIsFollowed) {
    const QString real = dir.filePath("Data/Mine.Kumo");
    ASSERT_TRUE(WriteBytes(real, Image(Games()[0])));
    ASSERT_TRUE(QFile::link("Mine.Kumo", store.SlotPath(2)));
    EXPECT_EQ(store.LoadGame(2).Value(), Games()[0]);
    ASSERT_TRUE(store.SaveGame(2, Games()[1]).Ok());
    EXPECT_EQ(QFile::symLinkTarget(store.SlotPath(2)), real);
    EXPECT_EQ(ReadBytes(real), Image(Games()[1]));
}

TEST_F(OddFiles, HugeSparseFileReadsOnlyItsRecord) {
    for (const bool withGame : {false, true}) {
        QFile huge(store.SlotPath(0));
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly | QIODevice::Truncate));
        if (withGame) huge.write(Image(Games()[0]));
        ASSERT_TRUE(huge.resize(3LL << 30));  // 3 GB, almost all of it a hole
        huge.close();
        auto loaded = store.LoadGame(0);
        ASSERT_TRUE(loaded.Ok()) << loaded.Reason();
        EXPECT_EQ(loaded.Value(), withGame ? Games()[0] : GameState{});
    }
}

TEST_F(OddFiles, CutAtEveryMemberBoundary) {
    const GameState game = Games()[1];
    const QByteArray image = Image(game);
    const int texts = static_cast<int>(image.size()) - 30285;
    const int l1 = image[4] | image[5] << 8;
    // Where each member of the record starts, as the file layout gives it.
    const int fixed[] = {0, 4, 6 + l1};
    const int after[] = {8,     12,    24,    25,    27,    720,   1039,  1111,
                         1276,  1316,  1351,  30157, 30161, 30163, 30164, 30165,
                         30245, 30246, 30247, 30248, 30249, 30251, 30285};
    std::vector<int> cuts(std::begin(fixed), std::end(fixed));
    for (int offset : after) cuts.push_back(offset + texts);
    ASSERT_TRUE(store.SaveGame(3, Games()[0]).Ok());
    ASSERT_TRUE(store.SaveGame(3, game).Ok());
    for (int cut : cuts) {
        ASSERT_TRUE(WriteBytes(store.SlotPath(3), image.left(cut)));
        const SlotInfo info = store.InspectSlot(3);
        // No team before its name is whole; refused without its date; zeros read after it
        // are all in range.
        const SlotState expected = cut < 6 + l1          ? SlotState::Empty
                                   : cut < 30163 + texts ? SlotState::Damaged
                                                         : SlotState::Occupied;
        EXPECT_EQ(info.State, expected) << "cut at " << cut << ": " << info.Reason;
        if (cut == image.size()) {
            EXPECT_EQ(store.LoadGame(3).Value(), game);
        }
        EXPECT_EQ(info.CanRestore(), expected == SlotState::Damaged) << cut;
        EXPECT_EQ(ReadBytes(store.SlotPath(3)), image.left(cut));
        EXPECT_EQ(store.LoadBackup(3).Value(), Games()[0]);
    }
}

TEST(DataFolder, PlainFileNamedDataIsReportedNamingBothFolders) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir().mkpath(dir.filePath("program")));
    ASSERT_TRUE(WriteBytes(dir.filePath("program/Data"), "not a folder"));
    const DataLocation where = ChooseDataLocation(dir.filePath("program"), dir.filePath("user"));
    EXPECT_EQ(where.Folder, dir.filePath("user/Data"));
    EXPECT_TRUE(where.ReadOnlyFolder.isEmpty());
    EXPECT_NE(where.Notice.find(dir.filePath("program/Data").toStdString()), std::string::npos);
    EXPECT_NE(where.Notice.find(dir.filePath("user/Data").toStdString()), std::string::npos);
    // A writable folder beside the program needs no word.
    EXPECT_EQ(ChooseDataLocation(dir.filePath("other"), dir.filePath("user")).Notice, "");
}

TEST(DataFolder, ReadOnlySavesAreShownAndSavedToThePerUserFolder) {
    QTemporaryDir dir;
    const QString beside = dir.filePath("program/Data");
    test::ScopedTmpfs disk(beside, 1024);
    if (!disk.Mounted() && geteuid() == 0) GTEST_SKIP() << disk.Why();
    {
        SaveStore old(beside);
        ASSERT_TRUE(old.SaveGame(2, Games()[0]).Ok());
        Settings fast;
        fast.FastMode = kTrue;
        ASSERT_TRUE(old.SaveSettings(fast).Ok());
    }
    // Root writes through permission bits, so it takes a read-only mount to stop it.
    if (disk.Mounted())
        ASSERT_TRUE(disk.SetReadOnly(true));
    else
        ASSERT_TRUE(QFile::setPermissions(beside, QFile::ReadOwner | QFile::ExeOwner));
    const QByteArray slotBefore = ReadBytes(beside + "/Save2.Kumo");

    const DataLocation where = ChooseDataLocation(dir.filePath("program"), dir.filePath("user"));
    EXPECT_EQ(where.Folder, dir.filePath("user/Data"));
    EXPECT_EQ(where.ReadOnlyFolder, beside);
    EXPECT_NE(where.Notice.find(beside.toStdString()), std::string::npos);
    EXPECT_NE(where.Notice.find(where.Folder.toStdString()), std::string::npos);

    SaveStore store(where);
    EXPECT_EQ(store.InspectSlot(2).State, SlotState::Occupied);
    EXPECT_EQ(store.LoadSettings().FastMode, kTrue);
    ASSERT_TRUE(store.SaveGame(2, Games()[1]).Ok());
    ASSERT_TRUE(store.SaveRecovery(2, Games()[2]).Ok());
    EXPECT_EQ(store.LoadGame(2).Value(), Games()[1]);
    EXPECT_EQ(store.LoadBackup(2).Value(), Games()[0]);  // the read-only save is the backup
    EXPECT_TRUE(QFile::exists(dir.filePath("user/Data/Save2.Kumo.resume")));
    EXPECT_EQ(ReadBytes(beside + "/Save2.Kumo"), slotBefore);
    if (!disk.Mounted())
        QFile::setPermissions(beside, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(DataFolder, FullDiskIsToldInPlainWordsAndLosesNothing) {
    QTemporaryDir dir;
    const QString data = dir.filePath("Data");
    test::ScopedTmpfs disk(data, 256);
    if (!disk.Mounted()) GTEST_SKIP() << disk.Why();
    SaveStore store(data);
    ASSERT_TRUE(store.SaveGame(0, Games()[0]).Ok());
    ASSERT_TRUE(store.SaveGame(0, Games()[1]).Ok());
    ASSERT_TRUE(store.SaveRecovery(0, Games()[2]).Ok());
    ASSERT_TRUE(store.SaveSettings(Settings{}).Ok());
    const QByteArray settings = ReadBytes(store.SettingsPath());
    {
        QFile filler(data + "/filler");
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
    }
    const Status results[] = {store.SaveGame(0, Games()[2]), store.SaveRecovery(0, Games()[0]),
                              store.EraseSlot(0), store.SaveSettings(Settings{})};
    // In the player's words, with the file it concerns; never the system's English text.
    for (const Status &r : results) {
        ASSERT_FALSE(r.Ok());
        EXPECT_NE(r.Reason().find("容量不足です"), std::string::npos) << r.Reason();
        EXPECT_NE(r.Reason().find(data.toStdString()), std::string::npos) << r.Reason();
        EXPECT_EQ(r.Reason().find("No space"), std::string::npos) << r.Reason();
    }
    EXPECT_EQ(store.LoadGame(0).Value(), Games()[1]);
    EXPECT_EQ(store.LoadBackup(0).Value(), Games()[0]);
    EXPECT_EQ(store.LoadRecovery(0).Value(), Games()[2]);
    EXPECT_EQ(ReadBytes(store.SettingsPath()), settings);
    EXPECT_EQ(test::TemporaryFiles(data), QStringList() << "filler");
}

// A disk made read-only under a running game: every write says so, with the file.
TEST(DataFolder, ReadOnlyDiskIsToldInPlainWords) {
    QTemporaryDir dir;
    const QString data = dir.filePath("Data");
    test::ScopedTmpfs disk(data, 256);
    if (!disk.Mounted()) GTEST_SKIP() << disk.Why();
    SaveStore store(data);
    ASSERT_TRUE(store.SaveGame(1, Games()[0]).Ok());
    ASSERT_TRUE(disk.SetReadOnly(true));
    for (const Status &r : {store.SaveGame(1, Games()[1]), store.SaveRecovery(1, Games()[1]),
                            store.SaveSettings(Settings{})}) {
        ASSERT_FALSE(r.Ok());
        EXPECT_NE(r.Reason().find("読み取り専用です"), std::string::npos) << r.Reason();
        EXPECT_NE(r.Reason().find(data.toStdString()), std::string::npos) << r.Reason();
    }
    EXPECT_EQ(store.LoadGame(1).Value(), Games()[0]);
}

}  // namespace
}  // namespace tk
