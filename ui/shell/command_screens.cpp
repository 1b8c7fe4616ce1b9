// Which screen each main-screen command opens.
#include "ui/shell/command_screens.h"

#include "ui/screens/DistributeWin.h"
#include "ui/screens/GameSetWin.h"
#include "ui/screens/ItemsWin.h"
#include "ui/screens/PlayerSetWin.h"
#include "ui/screens/PracMenuWin.h"
#include "ui/screens/RegurarSetWin.h"
#include "ui/screens/SensyuWin.h"
#include "ui/screens/SetWIn.h"
#include "ui/screens/TochiWin.h"
#include "ui/screens/WholeTochiWin.h"
#include "ui/screens/ZimuWin.h"
#include "ui/screens/grounds_marks.h"
#include "ui/shell/game_app.h"
#include "ui/shell/history_menu.h"

namespace tk {

bool CommandAvailable(MainCommand command) {
    switch (command) {
        case MainCommand::PracticePlan:
        case MainCommand::MatchSettings:
        case MainCommand::Lineup:
        case MainCommand::Roster:
        case MainCommand::Allotment:
        case MainCommand::Items:
        case MainCommand::Speed:
        case MainCommand::Office:
        case MainCommand::Grounds:
        case MainCommand::Lot:
        case MainCommand::PlayerDetails: return true;
        default: return false;
    }
}

void OpenCommandScreen(MainCommand command, GameApp &app, QWidget *parent, int &selectedPlayer,
                       int &selectedLot) {
    // The grounds screens share their maintenance marks through the window that opens them.
    QObject *marksOwner = parent != nullptr ? static_cast<QObject *>(parent) : &app;
    switch (command) {
        case MainCommand::Office: {
            ZimuWin screen(app.CurrentGame(), parent);
            screen.SetSettlementSummary(QString::fromStdString(app.History().SettlementSummary()));
            screen.SetRecordsOpener([&app](QWidget *over) { OpenRecords(app, over); });
            screen.exec();
            break;
        }
        case MainCommand::Grounds: {
            WholeTochiWin::AllotmentOpener allotment;
            if (CommandAvailable(MainCommand::Allotment)) {
                allotment = [&app, &selectedPlayer, &selectedLot](QWidget *over) {
                    OpenCommandScreen(MainCommand::Allotment, app, over, selectedPlayer,
                                      selectedLot);
                };
            }
            WholeTochiWin screen(app.CurrentGame(), GroundsMarks::Of(marksOwner), allotment,
                                 parent);
            screen.exec();
            break;
        }
        case MainCommand::Lot: {
            TochiWin screen(app.CurrentGame(), GroundsMarks::Of(marksOwner), selectedLot, parent);
            screen.exec();
            break;
        }
        case MainCommand::PracticePlan: {
            PracMenuWin screen(app.CurrentGame(), parent);
            screen.exec();
            break;
        }
        case MainCommand::MatchSettings: {
            GameSetWin screen(app.CurrentGame(), parent);
            screen.exec();
            break;
        }
        case MainCommand::Lineup: {
            RegurarSetWin screen(app.CurrentGame(), parent);
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
            EditSettings(app.GameSettings(), app.Store(), app.Messages(), parent);
            break;
        }
        case MainCommand::PlayerDetails:
            selectedPlayer =
                SensyuWin::Browse(app.State(), selectedPlayer, parent, app.History().Store());
            break;
        default: break;
    }
}

}  // namespace tk
