// Opens the main screen on the game of the application, with the opening selections.
#pragma once

class QWidget;

namespace tk {

class GameApp;

QWidget *OpenMainScreen(GameApp &app);

}  // namespace tk
