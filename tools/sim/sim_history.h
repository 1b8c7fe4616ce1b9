// A headless game's history: the same store the game keeps beside a slot, written in one
// transaction when the run is over (a run has no player to lose weeks to a crash).
#pragma once

#include <memory>
#include <string>

#include <QString>

#include "core/state/result.h"

namespace tk {
class HistoryRecorder;
class HistoryStore;
}  // namespace tk

namespace tk::sim {

class Simulation;

class SimHistory {
public:
    SimHistory();
    ~SimHistory();

    // Opens (or creates) the history at path for the simulation's game as it stands now;
    // newGame when the simulation has just started a new game.
    Status Open(const QString &path, Simulation &sim, bool newGame);
    // Writes everything recorded and closes the file.
    Status Close();

private:
    std::unique_ptr<HistoryStore> store_;
    std::unique_ptr<HistoryRecorder> recorder_;
    Simulation *sim_ = nullptr;
};

}  // namespace tk::sim
