// Plugs the screens that rules open in the middle of their work (the camp choice, the
// scouting result, the dismissal at the contract renewal, a further round the same day)
// into the application's player interface.
#pragma once

namespace tk {

class GameApp;

void InstallScreenHooks(GameApp &app);

}  // namespace tk
