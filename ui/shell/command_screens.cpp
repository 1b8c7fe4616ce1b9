// Which screen each main-screen command opens.
#include "ui/shell/command_screens.h"

#include "core/rules/match_week.h"
#include "ui/screens/DistributeWin.h"
#include "ui/screens/ItemsWin.h"
#include "ui/screens/PlayerSetWin.h"
#include "ui/screens/PracMenuWin.h"
#include "ui/screens/SensyuWin.h"
#include "ui/shell/SetWIn.h"
#include "ui/shell/game_app.h"

namespace tk {

bool CommandAvailable(MainCommand command) {
    switch (command) {
        case MainCommand::PracticePlan:
        case MainCommand::Roster:
        case MainCommand::Allotment:
        case MainCommand::Items:
        case MainCommand::Speed:
        case MainCommand::PlayerDetails: return true;
        default: return false;
    }
}

void OpenCommandScreen(MainCommand command, GameApp &app, QWidget *parent, int &selectedPlayer,
                       int &selectedLot) {
    (void)selectedLot;
    switch (command) {
        case MainCommand::PracticePlan: {
            PracMenuWin screen(app.CurrentGame(), parent);
            screen.exec();
            break;
        }
        case MainCommand::Roster: {
            PlayerSetWin screen(app.CurrentGame(), parent);
            screen.exec();
            break;
        }
        case MainCommand::Allotment: {
            DistributeWin screen(app.State(), parent);
            screen.exec();
            break;
        }
        case MainCommand::Items: {
            ItemsWin screen(app.CurrentGame(), parent);
            screen.exec();
            break;
        }
        case MainCommand::Speed: {
            SetWIn dialog(app.GameSettings(), parent);
            dialog.exec();
            break;
        }
        case MainCommand::PlayerDetails:
            selectedPlayer = SensyuWin::Browse(app.State(), selectedPlayer, parent);
            break;
        default: break;
    }
}

void PlayMatchWeekOnScreen(GameApp &app, QWidget *parent) {
    (void)parent;
    PlayMatchWeek(app.CurrentGame());
}

}  // namespace tk
