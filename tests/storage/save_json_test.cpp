// The save tool: export then import gives back the same bytes; bad JSON is refused.
#include <gtest/gtest.h>

#include "core/state/record_codec.h"
#include "tests/support/record_fill.h"
#include "tools/savetool/save_json.h"

namespace tk {
namespace {

Bytes GameImage(const std::string &team, const std::string &manager) {
    GameState s = test::Distinct<GameState>(9);
    const StoredTexts texts{team, manager};
    return EncodeGameState(s, &texts).Value();
}

Bytes RoundTrip(const Bytes &file) {
    const Converted exported = ExportGame(file);
    auto imported = ImportGame(exported.Json);
    EXPECT_TRUE(imported.Ok()) << (imported.Ok() ? "" : imported.Reason());
    return imported.Ok() ? imported.Value().File : Bytes{};
}

TEST(SaveJson, ExportThenImportGivesTheSameBytes) {
    const std::vector<std::pair<std::string, std::string>> texts = {
        {"", ""},
        {"\x93\x8C\x8B\x9E", "\x8E\x52\x93\x63"},    // 東京, 山田
        {"\xFA\x54\xED\x40", "\x87\x90"},            // characters code page 932 holds twice
        {"\x80\xFF", "\x82"},                        // not code page 932 at all
        {"\"\\\r\n\x01\x7F", std::string(1, '\0')},  // characters JSON must escape
    };
    for (const auto &[team, manager] : texts) {
        const Bytes file = GameImage(team, manager);
        EXPECT_EQ(RoundTrip(file), file) << team;
    }
}

TEST(SaveJson, SettingsRoundTrip) {
    const Bytes file = EncodeSettings(test::Distinct<Settings>(4));
    auto imported = ImportSettings(ExportSettings(file).Json);
    ASSERT_TRUE(imported.Ok()) << imported.Reason();
    EXPECT_EQ(imported.Value().File, file);
}

TEST(SaveJson, NotesForTrailingBytesAndRefusedRecords) {
    Bytes file = GameImage("\x93\x8C", "");
    file.push_back(1);
    const Converted exported = ExportGame(file);
    ASSERT_EQ(exported.Notes.size(), 2u);
    EXPECT_NE(exported.Notes[0].find("1 bytes after"), std::string::npos);
    EXPECT_NE(exported.Notes[1].find("refuses"), std::string::npos);
    file.pop_back();
    EXPECT_EQ(ImportGame(exported.Json).Value().File, file);
}

TEST(SaveJson, BadJsonIsRefusedWithTheMemberNamed) {
    const std::string good = ExportGame(GameImage("", "")).Json;
    auto replaced = [&](const std::string &from, const std::string &to) {
        std::string json = good;
        const auto at = json.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return json.replace(at, from.size(), to);
    };
    struct Case {
        std::string json;
        std::string reason;
    };
    const Case cases[] = {
        {"{", "not valid JSON"},
        {"[]", "one object"},
        {replaced("\"GameState\"", "\"Settings\""), "GameState"},
        {replaced("\"Money\"", "\"Mony\""), "Money is missing"},
        {replaced("\"TeamLevel\": ", "\"TeamLevel\": 256, \"x\": "), "TeamLevel must be"},
        {replaced("\"WeekCount\": ", "\"WeekCount\": 1.5, \"y\": "), "WeekCount must be"},
        {replaced("\"Reserved0\": [", "\"Reserved0\": [1, "), "Reserved0 must be an array of 4"},
        {replaced("\"Style\"", "\"Styl\""), "Players[0].Style is missing"},
        {replaced("\"TeamName\": \"\"", "\"TeamName\": 5"), "TeamName must be a string"},
        {replaced("\"TeamName\": \"\"", "\"TeamName\": \"😀\""), "code page 932 cannot write"},
        {replaced("\"TeamName\": \"\"", "\"TeamName\": \"\", \"TeamNameCp932\": \"8\""), "hex"},
        {replaced("\"Record\"", "\"Extra\": 1, \"Record\""), "Extra is not a member"},
        // Half a surrogate pair, and a member given twice: never dropped or guessed.
        {replaced("\"TeamName\": \"\"", "\"TeamName\": \"\\ud800x\""), "TeamName holds a lone"},
        {replaced("\"ManagerName\": \"\"", "\"ManagerName\": \"\\udc00\""), "ManagerName holds"},
        {replaced("\"Money\": ", "\"Money\": 5, \"Money\": "), "Money is given twice"},
        {replaced("\"Style\": ", "\"Style\": 1, \"St\\u0079le\": "),
         "Players[0].Style is given twice"},
    };
    for (const Case &c : cases) {
        auto imported = ImportGame(c.json);
        ASSERT_FALSE(imported.Ok()) << c.reason;
        EXPECT_NE(imported.Reason().find(c.reason), std::string::npos) << imported.Reason();
    }
}

}  // namespace
}  // namespace tk
