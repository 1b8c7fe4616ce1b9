// Benchmarks of the history beside a slot: one month end and one year end written as the game
// writes them (one transaction each, synchronous=FULL), and a whole 100-year headless game with
// its history against the same game without one, in the same run.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "core/rules/lookups.h"
#include "core/rules/season_record.h"
#include "history/history_recorder.h"
#include "history/history_store.h"
#include "tools/sim/sim_history.h"
#include "tools/sim/simulation.h"

namespace tk {
namespace {

constexpr std::int32_t kRichClub = 1000000000;

// A seasoned squad (ten seasons of the active manager) and an open history to write to.
struct Written {
    QTemporaryDir dir;
    sim::Simulation sim{3, sim::MakeActivePolicy()};
    std::unique_ptr<HistoryStore> store;
    std::unique_ptr<HistoryRecorder> recorder;

    Written() {
        sim.StartNew("テニス部", "山田");
        sim.State().Money = kRichClub;
        sim.Play(48 * 10);
        store = HistoryStore::Open(dir.filePath("Save0.Kumo.history"),
                                   {"テニス部", sim.State().WeekCount, true})
                    .store;
        recorder = std::make_unique<HistoryRecorder>(*store, HistoryRecorder::Commit::EveryWeek);
    }
};

void BM_HistoryMonthEnd(benchmark::State &state) {
    Written w;
    GameState &s = w.sim.State();
    for (auto _ : state) {
        w.recorder->MonthEnd(s);  // a replayed month end replaces the same row
        w.recorder->WeekEnded(s);
    }
    state.counters["squad"] = PlayerCount(s);
}
BENCHMARK(BM_HistoryMonthEnd)->Unit(benchmark::kMillisecond);

void BM_HistoryYearEnd(benchmark::State &state) {
    Written w;
    GameState &s = w.sim.State();
    const SeasonMoney money{5000, 3000, 0, 40000};
    for (auto _ : state) {
        w.recorder->MonthEnd(s);
        w.recorder->YearEndBegins(s);
        for (const char *text : {"契約更新です。", "今年のチーム予算は", "今年は"})
            w.recorder->Message(MessageKind::Notice, text, "", s.WeekCount, false);
        w.recorder->YearEnd(s, money);
        w.recorder->WeekEnded(s);
    }
}
BENCHMARK(BM_HistoryYearEnd)->Unit(benchmark::kMillisecond);

// The whole calendar, history off (arg 0) and on (arg 1): the store written to a new file in
// one transaction at the end of the run, as tk-sim --history writes it.
void HistoryGame(benchmark::State &state, const char *policy) {
    const bool withHistory = state.range(0) != 0;
    std::int64_t messages = 0;
    for (auto _ : state) {
        QTemporaryDir dir;
        sim::Simulation sim(7, sim::MakePolicy(policy, 7));
        sim.StartNew("テニス部", "山田");
        sim.State().Money = kRichClub;
        sim::SimHistory history;
        if (withHistory && !history.Open(dir.filePath("Save0.Kumo.history"), sim, true))
            state.SkipWithError("history not opened");
        sim.Play(5000);
        if (!history.Close()) state.SkipWithError("history not written");
        if (sim.LastOutcome() != WeekOutcome::CalendarEnd) state.SkipWithError("game ended early");
        messages = sim.Ui().notices + sim.Ui().questions;
    }
    state.counters["messages"] = static_cast<double>(messages);
}
BENCHMARK_CAPTURE(HistoryGame, idle, "idle")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HistoryGame, active, "active")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HistoryGame, careful, "careful")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tk
