// The games the crash tests save: a few real records of one simulated game at different
// weeks, the same in the test and in the helper process that it kills.
#pragma once

#include <vector>

#include "core/state/game_state.h"
#include "tools/sim/simulation.h"

namespace tk::test {

inline std::vector<GameState> CrashTestGames(int count) {
    std::vector<GameState> games;
    sim::Simulation sim(77, sim::MakeActivePolicy());
    sim.StartNew("テニス部", "山田");
    sim.State().Money = 500000;
    for (int i = 0; i < count; ++i) {
        sim.Play(7);
        games.push_back(sim.State());
    }
    return games;
}

}  // namespace tk::test
