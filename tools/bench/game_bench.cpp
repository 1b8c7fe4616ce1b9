// Benchmarks of the headless game: one practice week, and a whole 100-year game with the
// cost of a week in its first and its last decade (the careful manager from the new game's
// own funds, the others as a club that cannot go bankrupt).
#include <benchmark/benchmark.h>

#include <chrono>

#include "core/rules/lookups.h"
#include "core/rules/practice_rules.h"
#include "tools/sim/simulation.h"

namespace tk {
namespace {

// Funds no manager spends in 100 years: the idle manager would be bankrupt in year 5 to 7
// of a plain new game, and the benchmark is of the whole calendar.
constexpr std::int32_t kRichClub = 1000000000;

// A full squad of the active manager after ten seasons: coaches, a training room, several
// courts and individual practice, the dearest practice week there is.
sim::Simulation &SeasonedGame() {
    static sim::Simulation *sim = [] {
        auto *s = new sim::Simulation(3, sim::MakeActivePolicy());
        s->StartNew("テニス部", "山田");
        s->State().Money = kRichClub;
        s->Play(48 * 10);
        return s;
    }();
    return *sim;
}

void BM_PracticeWeek(benchmark::State &state) {
    sim::Simulation &sim = SeasonedGame();
    Game &game = sim.CurrentGame();
    const auto players = game.state.Players;
    const auto lots = game.state.Facilities;
    for (auto _ : state) {
        // The same squad every time: fresh enough to practise, courts as they were.
        game.state.Players = players;
        game.state.Facilities = lots;
        PlayPracticeWeek(game);
        benchmark::DoNotOptimize(game.state.Players[0].Skill);
    }
    state.counters["squad"] = PlayerCount(game.state);
}
BENCHMARK(BM_PracticeWeek);

// One whole game per iteration. Counters: the mean cost of a week (ns) in the first and in
// the last decade of the calendar, and their ratio.
void WholeGame(benchmark::State &state, const char *policy, bool rich) {
    using Clock = std::chrono::steady_clock;
    double first = 0, last = 0;
    long firstWeeks = 0, lastWeeks = 0, weeks = 0;
    for (auto _ : state) {
        sim::Simulation sim(7, sim::MakePolicy(policy, 7));
        sim.StartNew("テニス部", "山田");
        if (rich) sim.State().Money = kRichClub;
        while (sim.LastOutcome() == WeekOutcome::Next) {
            const int year = YearOf(sim.State().WeekCount);
            const auto t0 = Clock::now();
            sim.PlayOneWeek();
            const double ns = std::chrono::duration<double, std::nano>(Clock::now() - t0).count();
            if (year <= 10) {
                first += ns;
                ++firstWeeks;
            } else if (year > 90) {
                last += ns;
                ++lastWeeks;
            }
            ++weeks;
        }
        if (sim.LastOutcome() != WeekOutcome::CalendarEnd) state.SkipWithError("game ended early");
    }
    const double firstMean = firstWeeks ? first / firstWeeks : 0;
    const double lastMean = lastWeeks ? last / lastWeeks : 0;
    state.counters["weeks"] = static_cast<double>(weeks) / static_cast<double>(state.iterations());
    state.counters["ns_week_first_decade"] = firstMean;
    state.counters["ns_week_last_decade"] = lastMean;
    state.counters["last_over_first"] = firstMean > 0 ? lastMean / firstMean : 0;
}
BENCHMARK_CAPTURE(WholeGame, idle, "idle", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WholeGame, active, "active", true)->Unit(benchmark::kMillisecond);
// Seed 7 is one of the careful manager's games that reach level 5 and the calendar's end.
BENCHMARK_CAPTURE(WholeGame, careful, "careful", false)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tk
