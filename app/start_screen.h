// The screen the game opens on, with the switches the start benchmarks use.
#pragma once

namespace tk {

class GameApp;

// Shows the title screen; or, with TK_START_SLOT=1..4, the main screen on that slot's saved
// game, as データN and "はい" would open it (an empty or unreadable slot gives the title).
// With TK_EXIT_WHEN_SHOWN=1 the program quits once that first screen has been painted, so
// that tools/bench can time whole starts.
void ShowFirstScreen(GameApp &app);

}  // namespace tk
