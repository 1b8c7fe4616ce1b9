// The mid-work screens of the rules, opened over whatever window is in front.
#include "ui/shell/screen_hooks.h"

#include "ui/screens/GasyuElectWin.h"
#include "ui/screens/match_week_screens.h"
#include "ui/screens/squad_screens.h"
#include "ui/shell/game_app.h"

namespace tk {

void InstallScreenHooks(GameApp &app, QWidget *mainScreen) {
    QtGameUi &ui = app.Ui();
    InstallSquadScreens(ui, mainScreen);
    InstallMatchScreens(ui, mainScreen);
    ui.SetChooseCamp([&ui](Game &game) {
        GasyuElectWin screen(game, ui.DialogParent());
        screen.exec();
    });
}

}  // namespace tk
