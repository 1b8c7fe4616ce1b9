// What every rule that acts on a running game is handed: the record, the settings, the
// random source, the player interface and, when one listens, the club's history.
#pragma once

#include "core/rules/game_ui.h"
#include "core/rules/history_sink.h"
#include "core/rules/random.h"
#include "core/state/game_state.h"

namespace tk {

struct Game {
    GameState &state;
    Settings &settings;
    Rng &rng;
    GameUi &ui;
    // Told of the month ends, the year ends and the end of every week; none by default.
    HistorySink *history = nullptr;

    int Random(int high, int low) { return RandomRange(rng, high, low); }
};

}  // namespace tk
