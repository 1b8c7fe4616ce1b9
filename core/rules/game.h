// What every rule that acts on a running game is handed: the record, the settings, the
// random source and the player interface.
#pragma once

#include "core/rules/game_ui.h"
#include "core/rules/random.h"
#include "core/state/game_state.h"

namespace tk {

struct Game {
    GameState &state;
    Settings &settings;
    Rng &rng;
    GameUi &ui;

    int Random(int high, int low) { return RandomRange(rng, high, low); }
};

}  // namespace tk
