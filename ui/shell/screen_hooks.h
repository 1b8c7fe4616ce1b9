// Plugs the screens that rules open in the middle of their work (the camp choice, the
// scouting result, the dismissal at the contract renewal, a further round the same day)
// into the application's player interface.
#pragma once

class QWidget;

namespace tk {

class GameApp;

// Called whenever a main screen opens: the screens open over it (or over the modal screen
// in front of it).
void InstallScreenHooks(GameApp &app, QWidget *mainScreen);

}  // namespace tk
