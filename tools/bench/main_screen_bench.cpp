// Benchmark of the main screen's full redraw offscreen: FormLoad (every label, panel and the
// grounds view refilled from the record) and FormLoad with the window painted at once.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "core/rules/new_game.h"
#include "tools/sim/simulation.h"
#include "ui/shell/MainWin.h"
#include "ui/shell/game_app.h"

namespace tk {
namespace {

// A main screen over a game of the active manager in its sixth season.
struct Screen {
    QTemporaryDir dir;
    GameApp app{dir.filePath("Data"), 7};
    MainWin *win = nullptr;

    Screen() {
        sim::Simulation sim(7, sim::MakeActivePolicy());
        sim.StartNew("テニス部", "山田");
        sim.State().Money = 300000;
        sim.Play(48 * 5);
        app.State() = sim.State();
        win = new MainWin(app);
        win->show();
        QApplication::processEvents();
    }
    ~Screen() { delete win; }
};

void BM_MainScreenFormLoad(benchmark::State &state) {
    Screen screen;
    for (auto _ : state) screen.win->FormLoad();
}
BENCHMARK(BM_MainScreenFormLoad)->Unit(benchmark::kMicrosecond);

void BM_MainScreenFormLoadAndPaint(benchmark::State &state) {
    Screen screen;
    for (auto _ : state) {
        screen.win->FormLoad();
        screen.win->repaint();
    }
}
BENCHMARK(BM_MainScreenFormLoadAndPaint)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tk
