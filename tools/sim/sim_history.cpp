// The simulator's history, opened and closed around a run.
#include "tools/sim/sim_history.h"

#include "history/history_recorder.h"
#include "history/history_store.h"
#include "tools/sim/simulation.h"

namespace tk::sim {

SimHistory::SimHistory() = default;

SimHistory::~SimHistory() {
    (void)Close();
}

Status SimHistory::Open(const QString &path, Simulation &sim, bool newGame) {
    (void)Close();
    const GameState &s = sim.State();
    HistoryStore::Opened opened =
        newGame ? HistoryStore::StartAfresh(path, {s.TeamName, s.WeekCount, true})
                : HistoryStore::Open(path, {s.TeamName, s.WeekCount, false});
    if (!opened.store) return Failure{opened.reason};
    store_ = std::move(opened.store);
    recorder_ = std::make_unique<HistoryRecorder>(*store_, HistoryRecorder::Commit::AtFlush);
    sim.SetHistory(recorder_.get());
    sim_ = &sim;
    return {};
}

Status SimHistory::Close() {
    if (sim_ == nullptr) return {};
    sim_->SetHistory(nullptr);
    Status written = recorder_->Flush(sim_->State().WeekCount);
    recorder_.reset();
    store_.reset();
    sim_ = nullptr;
    return written;
}

}  // namespace tk::sim
