// Save slots on disk: round trips, damaged and refused files, failed writes, settings.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/rules/new_game.h"
#include "core/state/notice_choice.h"
#include "core/state/record_codec.h"
#include "core/state/validation.h"
#include "storage/save_store.h"
#include "tests/storage/storage_support.h"
#include "tests/support/record_fill.h"
#include "tests/support/scripted_ui.h"

namespace tk {
namespace {

GameState NewGame() {
    test::TestGame t(11);
    StartNewGame(t.game, "東京テニス倶楽部", "山田太郎");
    return t.state;
}

// Every member distinct, and then what the load checks look at put back in range.
GameState DistinctPlayable() {
    GameState s = test::Distinct<GameState>(3);
    const GameState base = NewGame();
    s.TeamName = base.TeamName;
    s.ManagerName = base.ManagerName;
    s.WeekCount = 4321;
    s.TimeOfDay = 6;
    s.Weather = 2;
    s.TeamLevel = 4;
    s.TeamPracticeMenu = 5;
    s.CampSessions = 1;
    s.TeamCourtsNight = 2;
    s.TeamCourtsRain = 3;
    s.TeamCourtsDay = 4;
    // Names from the pools, levels up to 250, growth up to 4, one holder per place.
    auto inRange = [](PlayerRecord &p, int i) {
        p.FamilyName = static_cast<std::uint8_t>(i % 50 + 1);
        p.FirstName = static_cast<std::uint8_t>(i % 66 + 1);
        p.Condition = static_cast<std::uint8_t>(p.Condition % 251);
        for (auto &v : p.Skill) v = static_cast<std::uint8_t>(v % 251);
        p.Growth = static_cast<std::uint8_t>(p.Growth % 5);
    };
    for (int i = 0; i < kPlayerSlots; ++i) {
        PlayerRecord &p = s.Players[i];
        inRange(p, i);
        if (i >= 17) p.FamilyName = 0;
        p.Order = static_cast<std::uint8_t>(i < 5 ? i + 1 : 0);
        p.PracticeSlot = static_cast<std::uint8_t>(i >= 8 && i < 11 ? i - 7 : i % 4 * (i >= 17));
    }
    for (int i = 0; i < kCandidateSlots; ++i) {
        inRange(s.Candidates[i], i + 7);
        s.Candidates[i].Order = 0;
        s.Candidates[i].PracticeSlot = 0;
    }
    for (int i = 0; i < kCoachSlots; ++i) s.Coaches[i].Hired = i == 4 ? 1 : (i == 8 ? 2 : 0);
    for (int lot = 0; lot < kLots; ++lot) {
        s.Facilities[lot] = {base.Facilities[lot].Kind, static_cast<std::int16_t>(lot * 111)};
    }
    s.SponsorState.Contract[1] = 3;
    s.SponsorState.Contract[2] = 7;
    for (int w = 0; w < kCalendarWeeks; ++w) {
        s.MatchKind(w) = static_cast<std::uint8_t>(w % 47 < 7 ? w % 47 : 40 + w % 7);
        for (int plane = 1; plane <= 2; ++plane) {
            s.BuildLot(plane, w) = static_cast<std::uint8_t>((w + plane) % 9);
            s.BuildKind(plane, w) = static_cast<std::uint8_t>(w % 2 ? kIndoorCourt : kTrainingRoom);
        }
    }
    return s;
}

QByteArray ReadAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray ImageOf(const GameState &s) {
    auto bytes = EncodeGameState(s);
    EXPECT_TRUE(bytes.Ok());
    return QByteArray(reinterpret_cast<const char *>(bytes.Value().data()),
                      static_cast<qsizetype>(bytes.Value().size()));
}

class SaveStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Data() const { return dir.filePath("Data"); }
};

TEST_F(SaveStoreTest, MissingFolderIsCreatedAndSlotsReadEmpty) {
    SaveStore store(dir.filePath("a/b/Data"));
    EXPECT_TRUE(QDir(dir.filePath("a/b/Data")).exists());
    for (int slot = 0; slot < kSaveSlots; ++slot) {
        auto game = store.LoadGame(slot);
        ASSERT_TRUE(game.Ok());
        EXPECT_EQ(game.Value(), GameState{});
        const SlotInfo info = store.InspectSlot(slot);
        EXPECT_EQ(info.State, SlotState::Empty);
        EXPECT_EQ(info.Summary, "\r新しく始める");
    }
    EXPECT_FALSE(QFile::exists(store.SlotPath(0)));  // loading never writes
    EXPECT_FALSE(store.LoadGame(4).Ok());
    EXPECT_FALSE(store.SaveGame(-1, GameState{}).Ok());
}

TEST_F(SaveStoreTest, SaveThenLoadKeepsEveryMember) {
    SaveStore store(Data());
    const GameState s = DistinctPlayable();
    ASSERT_TRUE(store.SaveGame(2, s).Ok());
    EXPECT_EQ(QFileInfo(store.SlotPath(2)).fileName(), "Save2.Kumo");
    EXPECT_EQ(ReadAll(store.SlotPath(2)).size(), 30285 + 16 + 8);
    auto back = store.LoadGame(2);
    ASSERT_TRUE(back.Ok()) << back.Reason();
    EXPECT_EQ(back.Value(), s);
}

TEST_F(SaveStoreTest, SummaryOfASlot) {
    SaveStore store(Data());
    GameState s = NewGame();
    ASSERT_TRUE(store.SaveGame(0, s).Ok());
    EXPECT_EQ(store.SlotSummary(0), "東京テニス倶楽部\r1年目4月1週\r資金3000万円");
    EXPECT_EQ(store.InspectSlot(0).State, SlotState::Occupied);
    s.WeekCount = 96;  // year 2, December, week 4
    s.Money = 123456;
    EXPECT_EQ(SlotSummaryText(s), "東京テニス倶楽部\r2年目12月4週\r資金12億3456万円");
}

TEST_F(SaveStoreTest, ShortAndLongFiles) {
    SaveStore store(Data());
    WriteAll(store.SlotPath(0), QByteArray());
    WriteAll(store.SlotPath(1), QByteArray(3, '\x7F'));
    const GameState s = NewGame();
    WriteAll(store.SlotPath(2), ImageOf(s) + QByteArray(1000, '\xEE'));
    EXPECT_EQ(store.InspectSlot(0).State, SlotState::Empty);
    EXPECT_EQ(store.InspectSlot(1).State, SlotState::Empty);
    ASSERT_TRUE(store.LoadGame(2).Ok());
    EXPECT_EQ(store.LoadGame(2).Value(), s);

    // A game cut short keeps its name but loses its date: refused, not played as zeros.
    WriteAll(store.SlotPath(3), ImageOf(s).left(2000));
    EXPECT_EQ(store.InspectSlot(3).State, SlotState::Damaged);
}

TEST_F(SaveStoreTest, RefusedFileIsLeftAloneAndCanBeErased) {
    SaveStore store(Data());
    GameState bad = NewGame();
    bad.BuildLot(1, 30) = 12;
    ASSERT_TRUE(store.SaveGame(1, bad).Ok());
    const QByteArray before = ReadAll(store.SlotPath(1));

    auto load = store.LoadGame(1);
    ASSERT_FALSE(load.Ok());
    EXPECT_NE(load.Reason().find("Calendar[1][30].Lot"), std::string::npos) << load.Reason();
    const SlotInfo info = store.InspectSlot(1);
    EXPECT_EQ(info.State, SlotState::Damaged);
    EXPECT_EQ(info.Summary, "\rデータが壊れています");
    EXPECT_EQ(info.Reason, load.Reason());
    EXPECT_EQ(ReadAll(store.SlotPath(1)), before);

    ASSERT_TRUE(store.EraseSlot(1).Ok());
    EXPECT_EQ(ReadAll(store.SlotPath(1)), QByteArray(30285, '\0'));
    EXPECT_EQ(store.InspectSlot(1).State, SlotState::Empty);
}

TEST_F(SaveStoreTest, InvalidTextBytesAreRefused) {
    SaveStore store(Data());
    QByteArray image = ImageOf(NewGame());
    image[6] = '\x80';  // first byte of the team name
    WriteAll(store.SlotPath(0), image);
    auto load = store.LoadGame(0);
    ASSERT_FALSE(load.Ok());
    EXPECT_NE(load.Reason().find("チーム名"), std::string::npos);
    EXPECT_EQ(ReadAll(store.SlotPath(0)), image);
}

TEST_F(SaveStoreTest, UnwritableTeamNameKeepsTheOldFile) {
    SaveStore store(Data());
    ASSERT_TRUE(store.SaveGame(0, NewGame()).Ok());
    const QByteArray before = ReadAll(store.SlotPath(0));
    GameState s = NewGame();
    s.TeamName = "テニス部🎾";
    EXPECT_FALSE(store.SaveGame(0, s).Ok());
    EXPECT_EQ(ReadAll(store.SlotPath(0)), before);
}

// Fails one step of the atomic replace.
class FailingSteps : public FileSteps {
public:
    enum Step { kOpen, kWrite, kFlush, kCommit } failAt;
    explicit FailingSteps(Step step) : failAt(step) {}
    bool Open(QSaveFile &f) override { return failAt != kOpen && FileSteps::Open(f); }
    qint64 Write(QSaveFile &f, const QByteArray &b) override {
        // A full disk: only half is written.
        return failAt == kWrite ? FileSteps::Write(f, b.left(b.size() / 2))
                                : FileSteps::Write(f, b);
    }
    bool Flush(QSaveFile &f) override { return failAt != kFlush && FileSteps::Flush(f); }
    bool Commit(QSaveFile &f) override { return failAt != kCommit && FileSteps::Commit(f); }
};

TEST_F(SaveStoreTest, FailedWriteKeepsTheOldFileAtEveryStep) {
    for (auto step :
         {FailingSteps::kOpen, FailingSteps::kWrite, FailingSteps::kFlush, FailingSteps::kCommit}) {
        SaveStore good(Data());
        ASSERT_TRUE(good.SaveGame(3, NewGame()).Ok());
        ASSERT_TRUE(good.SaveSettings(Settings{}).Ok());
        const QByteArray game = ReadAll(good.SlotPath(3));
        const QByteArray settings = ReadAll(good.SettingsPath());

        SaveStore failing(Data(), std::make_shared<FailingSteps>(step));
        const Status saved = failing.SaveGame(3, DistinctPlayable());
        EXPECT_FALSE(saved.Ok()) << step;
        EXPECT_FALSE(saved.Reason().empty());
        EXPECT_FALSE(failing.EraseSlot(3).Ok());
        Settings changed;
        changed.FastMode = kTrue;
        EXPECT_FALSE(failing.SaveSettings(changed).Ok());

        EXPECT_EQ(ReadAll(good.SlotPath(3)), game) << step;
        EXPECT_EQ(ReadAll(good.SettingsPath()), settings) << step;
        // No temporary file is left behind.
        EXPECT_EQ(test::TemporaryFiles(Data()), QStringList()) << step;
    }
}

TEST_F(SaveStoreTest, DataFolderThatIsAFile) {
    WriteAll(dir.filePath("Data"), "not a folder");
    SaveStore store(dir.filePath("Data"));
    const Status saved = store.SaveGame(0, NewGame());
    EXPECT_FALSE(saved.Ok());
    EXPECT_NE(saved.Reason().find("Data"), std::string::npos) << saved.Reason();
    EXPECT_FALSE(store.SaveSettings(Settings{}).Ok());
    EXPECT_EQ(ReadAll(dir.filePath("Data")), "not a folder");
    EXPECT_EQ(store.LoadSettings().Version, kSettingsVersion);
}

TEST_F(SaveStoreTest, SlotFileThatIsAFolder) {
    SaveStore store(Data());
    ASSERT_TRUE(QDir().mkpath(store.SlotPath(1)));
    EXPECT_FALSE(store.LoadGame(1).Ok());
    EXPECT_EQ(store.InspectSlot(1).State, SlotState::Damaged);
    EXPECT_FALSE(store.SaveGame(1, NewGame()).Ok());
}

TEST_F(SaveStoreTest, SettingsRoundTripAndDefaults) {
    SaveStore store(Data());
    Settings expected;
    expected.Version = kSettingsVersion;
    EXPECT_EQ(store.LoadSettings(), expected);  // missing

    Settings s = test::Distinct<Settings>(5);
    s.CurrentSlot = 2;
    s.FastMode = kTrue;
    s.Version = 7;
    ASSERT_TRUE(store.SaveSettings(s).Ok());
    EXPECT_EQ(ReadAll(store.SettingsPath()).size(), 700);
    Settings loaded = store.LoadSettings();
    EXPECT_EQ(loaded.Version, kSettingsVersion);
    loaded.Version = 7;
    EXPECT_EQ(loaded, s);

    const QByteArray good = ReadAll(store.SettingsPath());
    const QByteArray spoilt[] = {good.left(699), QByteArray(700, '\x05'),
                                 good.left(2) + "\x09" + good.mid(3)};
    for (const QByteArray &bytes : spoilt) {
        WriteAll(store.SettingsPath(), bytes);
        EXPECT_EQ(store.LoadSettings(), expected);
    }
    WriteAll(store.SettingsPath(), good + QByteArray(10, '\x01'));
    EXPECT_EQ(store.LoadSettings().CurrentSlot, 2);
}

// The notice choice lives in a spare byte: the file stays 700 bytes, keeps each of the three
// choices, and passes the same load checks as before (so older versions load it), while a file
// of an older version, whose spare bytes are zero, or a byte this version does not know, reads
// as the five-second notices of the rules.
TEST_F(SaveStoreTest, NoticeChoiceInASpareByte) {
    using Mode = NoticeMode;
    SaveStore store(Data());
    Settings older;
    older.FastMode = kTrue;
    ASSERT_TRUE(store.SaveSettings(older).Ok());
    EXPECT_EQ(NoticeChoice(store.LoadSettings()), Mode::Closes);
    const QByteArray olderBytes = ReadAll(store.SettingsPath());

    const struct {
        Mode mode;
        char byte;
    } cases[] = {{Mode::Closes, '\x00'}, {Mode::Waits, '\x01'}, {Mode::News, '\x02'}};
    for (const auto &c : cases) {
        SCOPED_TRACE(int(c.byte));
        QByteArray expected = olderBytes;
        expected[3] = c.byte;  // the one byte the choice changes
        Settings s = older;
        SetNoticeChoice(s, c.mode);
        ASSERT_TRUE(store.SaveSettings(s).Ok());
        const QByteArray bytes = ReadAll(store.SettingsPath());
        ASSERT_EQ(bytes.size(), 700);
        EXPECT_EQ(bytes, expected);
        const std::span<const std::uint8_t> raw(
            reinterpret_cast<const std::uint8_t *>(bytes.data()),
            static_cast<std::size_t>(bytes.size()));
        EXPECT_TRUE(SettingsUsable(DecodeSettings(raw)));
        const Settings loaded = store.LoadSettings();
        EXPECT_EQ(NoticeChoice(loaded), c.mode);
        EXPECT_EQ(loaded.NoticesWait(), c.mode == Mode::Waits);
        EXPECT_EQ(loaded.FastMode, kTrue);
        // An older version writes back the spare bytes it read, the choice with them.
        s.Version = kSettingsVersion;
        EXPECT_EQ(EncodeSettings(loaded), EncodeSettings(s));
    }
    QByteArray unknown = olderBytes;
    unknown[3] = '\x09';
    WriteAll(store.SettingsPath(), unknown);
    EXPECT_EQ(NoticeChoice(store.LoadSettings()), Mode::Closes);
    Settings s = older;
    SetNoticeChoice(s, Mode::News);
    s.SetNoticesWait(false);
    EXPECT_EQ(s.SparePlayers[0], PlayerRecord{});
}

TEST_F(SaveStoreTest, ChooseDataFolderFallsBack) {
    EXPECT_EQ(ChooseDataFolder(dir.path(), "/elsewhere"), dir.filePath("Data"));
    WriteAll(dir.filePath("program"), "a file, so no Data folder can be made below it");
    EXPECT_EQ(ChooseDataFolder(dir.filePath("program"), dir.filePath("user")),
              QDir(dir.filePath("user")).filePath("Data"));
}

}  // namespace
}  // namespace tk
