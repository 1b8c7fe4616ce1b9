// Benchmarks of a save slot: SaveGame + LoadGame of a played record against the raw
// write, flush, sync, rename and read of the same bytes in the same folder.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include <QDir>
#include <QTemporaryDir>

#include "core/state/record_codec.h"
#include "storage/save_store.h"
#include "tools/sim/simulation.h"

namespace tk {
namespace {

GameState PlayedRecord() {
    sim::Simulation sim(5, sim::MakeActivePolicy());
    sim.StartNew("テニス部", "山田");
    sim.State().Money = 300000;
    sim.Play(48 * 5);
    return sim.State();
}

void BM_SaveAndLoadSlot(benchmark::State &state) {
    QTemporaryDir dir;
    SaveStore store(dir.filePath("Data"));
    const GameState record = PlayedRecord();
    for (auto _ : state) {
        if (!store.SaveGame(0, record).Ok()) state.SkipWithError("save failed");
        auto loaded = store.LoadGame(0);
        if (!loaded.Ok()) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(loaded);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(EncodeGameState(record).Value().size()));
}
BENCHMARK(BM_SaveAndLoadSlot)->Unit(benchmark::kMicrosecond);

// The floor of an atomic replace: the same bytes through the system calls alone.
void BM_RawWriteSyncRenameRead(benchmark::State &state) {
    QTemporaryDir dir;
    const std::string target = dir.filePath("Save0.Kumo").toStdString();
    const std::string temp = target + ".tmp";
    const Bytes bytes = EncodeGameState(PlayedRecord()).Value();
    std::vector<std::uint8_t> back(bytes.size());
    for (auto _ : state) {
        const int out = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 ||
            write(out, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
            fsync(out) != 0 || close(out) != 0 || std::rename(temp.c_str(), target.c_str()) != 0) {
            state.SkipWithError("raw write failed");
            break;
        }
        const int in = open(target.c_str(), O_RDONLY);
        if (in < 0 || read(in, back.data(), back.size()) != static_cast<ssize_t>(back.size())) {
            state.SkipWithError("raw read failed");
            break;
        }
        close(in);
        benchmark::DoNotOptimize(back.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_RawWriteSyncRenameRead)->Unit(benchmark::kMicrosecond);

// The parts of a save that are not the disk's: encoding, decoding and the load checks.
void BM_EncodeDecodeCheck(benchmark::State &state) {
    const GameState record = PlayedRecord();
    for (auto _ : state) {
        auto bytes = EncodeGameState(record);
        auto back = DecodeGameState(bytes.Value());
        benchmark::DoNotOptimize(back);
    }
}
BENCHMARK(BM_EncodeDecodeCheck)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tk
