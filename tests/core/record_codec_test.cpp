// The save-file byte layout: offsets, widths, texts, short and long files.
#include <gtest/gtest.h>

#include <random>

#include "core/state/record_codec.h"
#include "tests/support/record_fill.h"

namespace tk {
namespace {

const std::string kTeam = "東京テニス倶楽部";  // 8 characters, 16 bytes
const std::string kManager = "山田";           // 4 bytes
constexpr std::size_t kTexts = 16 + 4;

Bytes Encode(const GameState &s) {
    auto bytes = EncodeGameState(s);
    EXPECT_TRUE(bytes.Ok()) << (bytes.Ok() ? "" : bytes.Reason());
    return bytes.Ok() ? bytes.Value() : Bytes{};
}

std::int64_t LittleEndian(const Bytes &b, std::size_t at, int width) {
    std::uint64_t v = 0;
    for (int i = 0; i < width; ++i) v |= static_cast<std::uint64_t>(b.at(at + i)) << (8 * i);
    if (width == 2) return static_cast<std::int16_t>(v);
    if (width == 4) return static_cast<std::int32_t>(v);
    return static_cast<std::int64_t>(v);
}

GameState Named() {
    GameState s = test::Distinct<GameState>();
    s.TeamName = kTeam;
    s.ManagerName = kManager;
    return s;
}

TEST(RecordCodec, TextsAreCountedCodePage932Bytes) {
    const Bytes b = Encode(Named());
    EXPECT_EQ(b.size(), kGameStateFixedBytes + kTexts);
    EXPECT_EQ(LittleEndian(b, 4, 2), 16);
    EXPECT_EQ(b[6], 0x93);  // 東 = 93 8C
    EXPECT_EQ(b[7], 0x8C);
    EXPECT_EQ(LittleEndian(b, 6 + 16, 2), 4);
    EXPECT_EQ(b[8 + 16], 0x8E);  // 山 = 8E 52
}

// Every member at the offset of the file layout, with its width and sign.
TEST(RecordCodec, MembersStandAtTheirOffsets) {
    const GameState s = Named();
    const Bytes b = Encode(s);
    const std::size_t L = kTexts;
    struct Case {
        const char *name;
        std::size_t offset;
        int width;
        std::int64_t expected;
    };
    const PlayerRecord &p1 = s.Players[1];
    const Case cases[] = {
        {"Reserved0[3]", 3, 1, s.Reserved0[3]},
        {"Money", 8 + L, 4, s.Money},
        {"Reserved1[11]", 23 + L, 1, s.Reserved1[11]},
        {"TeamLevel", 24 + L, 1, s.TeamLevel},
        {"TeamPracticeMenu", 25 + L, 2, s.TeamPracticeMenu},
        {"Players[0].FamilyName", 27 + L, 1, s.Players[0].FamilyName},
        {"Players[1].Skill[5]", 27 + 33 + 8 + L, 1, p1.Skill[5]},
        {"Players[1].SpareLevels[1]", 27 + 33 + 12 + L, 1, p1.SpareLevels[1]},
        {"Players[1].Experience[10]", 27 + 33 + 23 + L, 1, p1.Experience[10]},
        {"Players[1].PracticeSlot", 27 + 33 + 24 + L, 1, p1.PracticeSlot},
        {"Players[1].BirthYear", 27 + 33 + 25 + L, 2, p1.BirthYear},
        {"Players[1].Salary", 27 + 33 + 27 + L, 4, p1.Salary},
        {"Players[1].Order", 27 + 33 + 31 + L, 1, p1.Order},
        {"Players[20].SignMark", 27 + 20 * 33 + 32 + L, 1, s.Players[20].SignMark},
        {"Coaches[0].FamilyName", 720 + L, 1, s.Coaches[0].FamilyName},
        {"Coaches[1].SpareCoach[20]", 720 + 29 + 23 + L, 1, s.Coaches[1].SpareCoach[20]},
        {"Coaches[1].Salary", 720 + 29 + 24 + L, 4, s.Coaches[1].Salary},
        {"Coaches[10].Hired", 720 + 10 * 29 + 28 + L, 1, s.Coaches[10].Hired},
        {"Category[0].Wins", 1039 + L, 2, s.Category[0].Wins},
        {"Category[1].Prize", 1039 + 12 + 4 + L, 4, s.Category[1].Prize},
        {"Category[5].AlwaysEnter", 1039 + 60 + 10 + L, 2, s.Category[5].AlwaysEnter},
        {"Candidates[0].FamilyName", 1111 + L, 1, s.Candidates[0].FamilyName},
        {"Candidates[4].SignMark", 1111 + 4 * 33 + 32 + L, 1, s.Candidates[4].SignMark},
        {"Facilities[0].Kind", 1276 + L, 2, s.Facilities[0].Kind},
        {"Facilities[9].Durability", 1276 + 36 + 2 + L, 2, s.Facilities[9].Durability},
        {"SponsorState.Contract[2]", 1316 + 2 + L, 1, s.SponsorState.Contract[2]},
        {"SponsorState.KeptThisYear[0]", 1316 + 3 + L, 2, s.SponsorState.KeptThisYear[0]},
        {"SponsorState.Unlocked[7]", 1316 + 33 + L, 2, s.SponsorState.Unlocked[7]},
        {"Calendar[0][0].First", 1351 + L, 1, s.Calendar[0][0].First},
        {"Calendar[0][1].Second", 1351 + 3 + L, 1, s.Calendar[0][1].Second},
        {"Calendar[1][0].First", 1351 + 4801 * 2 + L, 1, s.Calendar[1][0].First},
        {"Calendar[2][4800].Second", 1351 + 14403 * 2 - 1 + L, 1, s.Calendar[2][4800].Second},
        {"ViewFlags[0]", 30157 + L, 1, s.ViewFlags[0]},
        {"WeekCount", 30161 + L, 2, s.WeekCount},
        {"Weather", 30163 + L, 1, s.Weather},
        {"TimeOfDay", 30164 + L, 1, s.TimeOfDay},
        {"LastYear.Results[0].Wins", 30165 + L, 2, s.LastYear.Results[0].Wins},
        {"LastYear.MoneyAtYearEnd", 30165 + 72 + L, 4, s.LastYear.MoneyAtYearEnd},
        {"LastYear.MoneyAtMonthEnd", 30165 + 76 + L, 4, s.LastYear.MoneyAtMonthEnd},
        {"TeamCourtsNight", 30245 + L, 1, s.TeamCourtsNight},
        {"TeamCourtsRain", 30246 + L, 1, s.TeamCourtsRain},
        {"TeamCourtsDay", 30247 + L, 1, s.TeamCourtsDay},
        {"CampSessions", 30248 + L, 1, s.CampSessions},
        {"PracticeMatchCount", 30249 + L, 2, s.PracticeMatchCount},
        {"Reserved2[0]", 30251 + L, 1, s.Reserved2[0]},
        {"Reserved2[33]", 30284 + L, 1, s.Reserved2[33]},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(LittleEndian(b, c.offset, c.width), c.expected) << c.name;
    }
}

TEST(RecordCodec, EveryMemberComesBack) {
    const GameState s = Named();
    auto back = DecodeGameState(Encode(s));
    ASSERT_TRUE(back.Ok()) << back.Reason();
    EXPECT_EQ(back.Value(), s);
}

TEST(RecordCodec, SettingsLayout) {
    const Settings s = test::Distinct<Settings>(7);
    const Bytes b = EncodeSettings(s);
    ASSERT_EQ(b.size(), kSettingsBytes);
    EXPECT_EQ(LittleEndian(b, 0, 2), s.Version);
    EXPECT_EQ(b[2], s.CurrentSlot);
    EXPECT_EQ(b[3], s.SparePlayers[0].FamilyName);
    EXPECT_EQ(b[695], s.SparePlayers[20].SignMark);
    EXPECT_EQ(LittleEndian(b, 696, 2), s.SpareWord);
    EXPECT_EQ(LittleEndian(b, 698, 2), s.FastMode);
    EXPECT_EQ(DecodeSettings(b), s);
}

TEST(RecordCodec, MissingBytesReadAsZero) {
    EXPECT_EQ(DecodeGameState({}).Value(), GameState{});
    EXPECT_EQ(DecodeSettings({}), Settings{});

    // A file cut after the money: the rest of the record reads as zero.
    GameState s = Named();
    Bytes b = Encode(s);
    b.resize(12 + kTexts);
    const ReadGame read = ReadGameState(b);
    EXPECT_EQ(read.State.TeamName, kTeam);
    EXPECT_EQ(read.State.Money, s.Money);
    EXPECT_EQ(read.State.TeamLevel, 0);
    EXPECT_EQ(read.State.WeekCount, 0);
    EXPECT_EQ(read.RecordBytes, kGameStateFixedBytes + kTexts);
}

TEST(RecordCodec, TextCountRunningPastTheEnd) {
    // Count 0xFFFF with two bytes behind it: the text keeps what is there.
    const Bytes b = {0, 0, 0, 0, 0xFF, 0xFF, 0x82, 0xA0};
    const ReadGame read = ReadGameState(b);
    EXPECT_EQ(read.State.TeamName, "あ");
    EXPECT_EQ(read.State.ManagerName, "");
    EXPECT_EQ(read.RecordBytes, kGameStateFixedBytes + 0xFFFF);
    // Cut inside a two-byte character: not a valid text.
    EXPECT_FALSE(DecodeGameState(Bytes{0, 0, 0, 0, 4, 0, 0x82, 0xA0, 0x82}).Ok());
}

TEST(RecordCodec, BytesAfterTheRecordAreIgnored) {
    const GameState s = Named();
    Bytes b = Encode(s);
    b.insert(b.end(), 5000, 0xEE);
    EXPECT_EQ(DecodeGameState(b).Value(), s);
    Bytes settings = EncodeSettings(Settings{});
    settings.push_back(1);
    EXPECT_EQ(DecodeSettings(settings), Settings{});
}

TEST(RecordCodec, InvalidTextBytesAreRefused) {
    const std::vector<std::string> bad = {"\x80", "\xA0", "\xFF", "\x81", "\x81\x20", "\x85\x40"};
    for (const std::string &text : bad) {
        Bytes b = {0, 0, 0, 0, static_cast<std::uint8_t>(text.size()), 0};
        b.insert(b.end(), text.begin(), text.end());
        auto read = DecodeGameState(b);
        ASSERT_FALSE(read.Ok());
        EXPECT_NE(read.Reason().find("チーム名"), std::string::npos);
    }
}

TEST(RecordCodec, TextsCodePage932CannotWriteAreRefused) {
    GameState s;
    s.TeamName = "テニス😀";
    auto out = EncodeGameState(s);
    ASSERT_FALSE(out.Ok());
    EXPECT_NE(out.Reason().find("😀"), std::string::npos);
    // Characters that would come back as another one are refused too.
    for (const char *lookAlike : {"¥", "−", "〜", "—"}) {
        s.TeamName = lookAlike;
        auto refused = EncodeGameState(s);
        ASSERT_FALSE(refused.Ok()) << lookAlike;
        EXPECT_NE(refused.Reason().find(lookAlike), std::string::npos);
    }
    s.TeamName = "ok";
    s.ManagerName = "\xC3";  // cut UTF-8
    EXPECT_FALSE(EncodeGameState(s).Ok());
    s.ManagerName = std::string(kMaxTextBytes + 1, 'a');
    EXPECT_FALSE(EncodeGameState(s).Ok());
    s.ManagerName = std::string(kMaxTextBytes, 'a');
    EXPECT_TRUE(EncodeGameState(s).Ok());
}

TEST(RecordCodec, WindowsCharactersRoundTrip) {
    GameState s;
    s.TeamName = "①髙﨑～－\\~\r";  // NEC and IBM extensions, the wave dash of Windows
    auto bytes = EncodeGameState(s);
    ASSERT_TRUE(bytes.Ok()) << bytes.Reason();
    EXPECT_EQ(DecodeGameState(bytes.Value()).Value().TeamName, s.TeamName);
}

TEST(RecordCodec, RandomFilesNeverCrash) {
    std::mt19937 random(99);
    for (int i = 0; i < 200; ++i) {
        Bytes b(random() % 40000);
        for (auto &byte : b) byte = static_cast<std::uint8_t>(random());
        const ReadGame read = ReadGameState(b);
        EXPECT_GE(read.RecordBytes, kGameStateFixedBytes);
        (void)DecodeSettings(b);
    }
}

}  // namespace
}  // namespace tk
