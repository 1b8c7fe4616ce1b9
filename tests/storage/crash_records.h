// The games the crash tests save: a few real records of one simulated game at different
// weeks, the same in the test and in the helper processes that it kills.
#pragma once

#include <memory>
#include <vector>

#include "core/state/game_state.h"
#include "tools/sim/simulation.h"

namespace tk::test {

// The game of the crash tests, at its first week.
inline std::unique_ptr<sim::Simulation> CrashTestGame() {
    auto sim = std::make_unique<sim::Simulation>(77, sim::MakeActivePolicy());
    sim->StartNew("テニス部", "山田");
    sim->State().Money = 1000000000;  // funds no game can spend: it runs the whole calendar
    return sim;
}

inline std::vector<GameState> CrashTestGames(int count) {
    std::vector<GameState> games;
    auto sim = CrashTestGame();
    for (int i = 0; i < count; ++i) {
        sim->Play(7);
        games.push_back(sim->State());
    }
    return games;
}

// The week-playing helper closes the game normally (saves the slot, drops the recovery file)
// after every fifth week.
inline constexpr int kWeeksBetweenSaves = 5;

}  // namespace tk::test
