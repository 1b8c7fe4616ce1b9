// The mid-work screens of the rules, opened over whatever window is in front.
#include "ui/shell/screen_hooks.h"

#include "ui/screens/GasyuElectWin.h"
#include "ui/shell/game_app.h"

namespace tk {

void InstallScreenHooks(GameApp &app) {
    QtGameUi &ui = app.Ui();
    ui.SetChooseCamp([&ui](Game &game) {
        GasyuElectWin screen(game, ui.DialogParent());
        screen.exec();
    });
}

}  // namespace tk
