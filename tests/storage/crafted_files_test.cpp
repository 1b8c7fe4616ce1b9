// Save files crafted byte by byte: each value the rules cannot play with is refused on
// loading with the member named and the file left as it is; a file at every edge that passes
// is played for two seasons.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/rules/lineup_rules.h"
#include "core/rules/new_game.h"
#include "core/state/record_codec.h"
#include "core/state/validation.h"
#include "storage/save_store.h"
#include "tests/storage/storage_support.h"
#include "tests/support/scripted_ui.h"
#include "tools/sim/simulation.h"

namespace tk {
namespace {

// A new game named "ABCD" / "EFG" (one byte a character), as its file holds it.
QByteArray NewGameImage() {
    test::TestGame t(5);
    StartNewGame(t.game, "ABCD", "EFG");
    auto bytes = EncodeGameState(t.state);
    return QByteArray(reinterpret_cast<const char *>(bytes.Value().data()),
                      static_cast<qsizetype>(bytes.Value().size()));
}

// Offsets in that file (the texts take 4 + 3 bytes).
constexpr int kTexts = 7;
int Player(int i, int field) {
    return 27 + kTexts + 33 * i + field;
}
int Candidate(int i, int field) {
    return 1111 + kTexts + 33 * i + field;
}
int Coach(int i, int field) {
    return 720 + kTexts + 29 * i + field;
}
constexpr int kFamily = 0, kFirst = 1, kCondition = 2, kSkill = 3, kGrowth = 10, kPractice = 24,
              kOrder = 31, kHired = 28;
constexpr int kTeamText = 6, kManagerText = 12;

struct Patch {
    int offset;
    std::uint8_t value;
};

// A scouted candidate with names and levels in range, in slot i.
std::vector<Patch> CandidateIn(int i) {
    return {{Candidate(i, kFamily), 7}, {Candidate(i, kFirst), 9}};
}

std::vector<Patch> operator+(std::vector<Patch> a, const std::vector<Patch> &b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Crafted {
    const char *member;  // named in the reason
    std::vector<Patch> patches;
};

TEST(CraftedFiles, EachValueTheRulesCannotPlayWithIsRefused) {
    std::vector<Patch> fourPlayers, onePlayer;
    for (int i = 4; i < 6; ++i) fourPlayers.push_back({Player(i, kFamily), 0});
    for (int i = 1; i < 6; ++i) onePlayer.push_back({Player(i, kFamily), 0});
    const Crafted cases[] = {
        // Fewer than five players: the lineup screen could never be closed.
        {"PlayerCount", fourPlayers},
        {"PlayerCount", onePlayer},
        // Names outside the pools show blank and count as empty places.
        {"Players[2].FamilyName", {{Player(2, kFamily), 51}}},
        {"Players[0].FirstName", {{Player(0, kFirst), 0}}},
        {"Players[5].FirstName", {{Player(5, kFirst), 67}}},
        {"Candidates[0].FirstName",
         CandidateIn(0) + std::vector<Patch>{{Candidate(0, kFirst), 200}}},
        // Levels, condition and growth outside their ranges.
        {"Players[1].Skill[2]", {{Player(1, kSkill + 2), 251}}},
        {"Players[3].Condition", {{Player(3, kCondition), 255}}},
        {"Players[4].Growth", {{Player(4, kGrowth), 5}}},
        {"Candidates[1].Growth", CandidateIn(1) + std::vector<Patch>{{Candidate(1, kGrowth), 9}}},
        // Two holders of one place.
        {"Players[5].Order", {{Player(5, kOrder), 2}}},
        {"Players[9].Order", {{Player(9, kOrder), 3}}},
        {"Players[3].PracticeSlot", {{Player(0, kPractice), 2}, {Player(3, kPractice), 2}}},
        {"Candidates[0].Order", CandidateIn(0) + std::vector<Patch>{{Candidate(0, kOrder), 1}}},
        {"Candidates[2].PracticeSlot",
         CandidateIn(2) + std::vector<Patch>{{Candidate(2, kPractice), 1}}},
        // Coach 0 stands for "no coach".
        {"Coaches[0].Hired", {{Coach(0, kHired), 1}}},
        // Control characters in the names.
        {"TeamName[0]", {{kTeamText, '\r'}}},
        {"TeamName[3]", {{kTeamText + 3, '\0'}}},
        {"ManagerName[1]", {{kManagerText + 1, '\n'}}},
    };
    QTemporaryDir dir;
    SaveStore store(dir.path());
    const QByteArray base = NewGameImage();
    ASSERT_TRUE(test::WriteBytes(store.SlotPath(0), base));
    ASSERT_TRUE(store.LoadGame(0).Ok()) << store.LoadGame(0).Reason();
    for (const Crafted &c : cases) {
        QByteArray image = base;
        for (const Patch &p : c.patches) image[p.offset] = static_cast<char>(p.value);
        ASSERT_TRUE(test::WriteBytes(store.SlotPath(0), image));
        auto loaded = store.LoadGame(0);
        ASSERT_FALSE(loaded.Ok()) << c.member;
        EXPECT_NE(loaded.Reason().find(c.member), std::string::npos) << loaded.Reason();
        EXPECT_EQ(store.InspectSlot(0).State, SlotState::Damaged) << c.member;
        EXPECT_EQ(test::ReadBytes(store.SlotPath(0)), image) << c.member;
    }
}

TEST(CraftedFiles, FileAtEveryEdgeIsPlayable) {
    QByteArray image = NewGameImage();
    const Patch edges[] = {
        {Player(5, kFamily), 0},  // five players
        {Player(0, kFamily), 50},     {Player(0, kFirst), 66},   {Player(1, kCondition), 250},
        {Player(2, kSkill + 5), 250}, {Player(3, kGrowth), 4},   {Player(1, kPractice), 3},
        {Candidate(0, kFamily), 1},   {Candidate(0, kFirst), 1}, {Candidate(0, kGrowth), 4},
        {Player(20, kOrder), 5},  // the spare slot
    };
    for (const Patch &p : edges) image[p.offset] = static_cast<char>(p.value);
    QTemporaryDir dir;
    SaveStore store(dir.path());
    ASSERT_TRUE(test::WriteBytes(store.SlotPath(1), image));
    auto loaded = store.LoadGame(1);
    ASSERT_TRUE(loaded.Ok()) << loaded.Reason();
    EXPECT_TRUE(AllFilled(loaded.Value()));

    sim::Simulation game(8, sim::MakeActivePolicy());
    game.Load(loaded.Value());
    const int played =
        game.Play(96, [](const GameState &s) { ASSERT_EQ(FindGameFault(s), std::nullopt); });
    EXPECT_GT(played, 0);
    ASSERT_TRUE(store.SaveGame(1, game.State()).Ok());
    EXPECT_TRUE(store.LoadGame(1).Ok());
}

}  // namespace
}  // namespace tk
