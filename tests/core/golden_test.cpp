// The golden game: a fixed seed, the active manager and five seasons from a new game, reduced
// to one fingerprint of the saved record. Any change to what the rules do (a draw, a price,
// an order of steps) changes it.
//
// When a change of the game's behaviour is meant, update kGoldenHash to the value this test
// prints and say so in the commit message ("changes the golden game: ..."). A commit that
// does not mean to change the game's behaviour must leave it as it is. The same goes for the
// careful manager's golden game at the end (kCarefulHash).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

#include "core/rules/lookups.h"
#include "core/state/record_codec.h"
#include "tools/sim/simulation.h"

namespace tk {
namespace {

constexpr std::uint64_t kGoldenSeed = 20240401;
constexpr int kSeasons = 5;
// A club with the funds to use every command: coaches, buildings, scouting, camps.
constexpr std::int32_t kGoldenFunds = 200000;
constexpr std::uint64_t kGoldenHash = 0x54A0B3FE5E0698A3ULL;

std::uint64_t PlayGoldenGame(GameState *out = nullptr) {
    sim::Simulation sim(kGoldenSeed, sim::MakeActivePolicy());
    sim.StartNew("テニス部", "山田");
    sim.State().Money = kGoldenFunds;
    sim.Play(48 * kSeasons);
    if (out != nullptr) *out = sim.State();
    auto bytes = EncodeGameState(sim.State());
    if (!bytes) return 0;
    return sim::Fnv1a(bytes.Value().data(), bytes.Value().size());
}

TEST(Golden, FiveSeasonsOfTheActiveManager) {
    GameState end;
    const std::uint64_t hash = PlayGoldenGame(&end);
    // The game is still running and went through what the fingerprint is meant to cover.
    ASSERT_FALSE(end.TeamName.empty());
    EXPECT_EQ(end.WeekCount, 13 + 48 * kSeasons);
    char text[32];
    std::snprintf(text, sizeof text, "0x%016llXULL", static_cast<unsigned long long>(hash));
    EXPECT_EQ(hash, kGoldenHash) << "the golden game now ends on " << text << " ("
                                 << DateText(end.WeekCount) << ", " << MoneyText(end.Money)
                                 << ", level " << int{end.TeamLevel} << ")";
}

// The same seed plays the same game: nothing in the rules reads the clock or an address.
TEST(Golden, SameSeedSameGame) {
    EXPECT_EQ(PlayGoldenGame(), PlayGoldenGame());
}

// The careful manager's golden game: twenty seasons from the new game's own 3000万円, up the
// team levels to the late game (the higher titles, the full plot, 発展練習).
constexpr int kCarefulSeasons = 20;
constexpr std::uint64_t kCarefulHash = 0x0D9E5EC7DF67B9E2ULL;

TEST(Golden, TwentySeasonsOfTheCarefulManager) {
    sim::Simulation sim(kGoldenSeed, sim::MakeCarefulPolicy());
    sim.StartNew("テニス部", "山田");
    sim.Play(48 * kCarefulSeasons);
    const GameState &end = sim.State();
    ASSERT_FALSE(end.TeamName.empty());
    EXPECT_EQ(end.WeekCount, 13 + 48 * kCarefulSeasons);
    EXPECT_GE(end.TeamLevel, 4) << "the careful golden game no longer reaches the late game";
    auto bytes = EncodeGameState(end);
    ASSERT_TRUE(bytes);
    const std::uint64_t hash = sim::Fnv1a(bytes.Value().data(), bytes.Value().size());
    char text[32];
    std::snprintf(text, sizeof text, "0x%016llXULL", static_cast<unsigned long long>(hash));
    EXPECT_EQ(hash, kCarefulHash) << "the careful golden game now ends on " << text << " ("
                                  << MoneyText(end.Money) << ", level " << int{end.TeamLevel}
                                  << ")";
}

}  // namespace
}  // namespace tk
