// libFuzzer target: any bytes as a save slot. Loading never crashes; a record that loads
// saves back to bytes that load as the same record; a record that passes the load checks
// can be played for a few weeks without the rules indexing out of range.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/state/record_codec.h"
#include "core/state/validation.h"
#include "tools/sim/simulation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    auto loaded = tk::DecodeGameState(std::span<const std::uint8_t>(data, size));
    if (!loaded) return 0;
    const tk::GameState &state = loaded.Value();

    auto bytes = tk::EncodeGameState(state);
    if (!bytes) std::abort();  // a record that loads must save
    auto again = tk::DecodeGameState(bytes.Value());
    if (!again || !(again.Value() == state)) std::abort();

    if (tk::FindGameFault(state) || state.TeamName.empty()) return 0;
    // What the title screen would let the player continue: a few weeks of the active manager,
    // who opens most screens' rules.
    tk::sim::Simulation sim(1, tk::sim::MakeActivePolicy());
    sim.Load(state);
    sim.Play(3);
    return 0;
}
