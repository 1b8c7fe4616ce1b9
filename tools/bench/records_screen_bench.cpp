// Benchmark of the records screen (記録) opening over the history of a hundred seasons:
// reading every season and player and building the tables and the charts.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "history/history_store.h"
#include "tools/sim/sim_history.h"
#include "tools/sim/simulation.h"
#include "ui/screens/KirokuWin.h"

namespace tk {
namespace {

void BM_RecordsScreenOpens(benchmark::State &state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Save0.Kumo.history");
    sim::Simulation sim(7, sim::MakeActivePolicy());
    sim.StartNew("テニス部", "山田");
    sim.State().Money = 1000000000;
    {
        sim::SimHistory history;
        if (!history.Open(path, sim, true)) state.SkipWithError("history not opened");
        sim.Play(5000);
        if (!history.Close()) state.SkipWithError("history not written");
    }
    auto store = HistoryStore::Open(path, {"テニス部", sim.State().WeekCount, false}).store;
    if (!store) state.SkipWithError("history not read");
    for (auto _ : state) {
        KirokuWin screen(store.get(), sim.State());
        screen.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(screen.isVisible());
    }
    state.counters["seasons"] = static_cast<double>(store->Seasons().size());
}
BENCHMARK(BM_RecordsScreenOpens)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tk
