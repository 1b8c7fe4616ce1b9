// The screens the main screen's commands open, in one table, so a new screen is plugged in
// here without touching the main screen.
#pragma once

class QWidget;

namespace tk {

struct Game;
class GameApp;

enum class MainCommand {
    PracticePlan = 1,  // 練習: PracMenuWin
    MatchSettings,     // 試合: GameSetWin
    Items,             // アイテム: ItemsWin
    Speed,             // 設定: SetWIn
    Office,            // 事務所: ZimuWin
    Roster,            // 選手: PlayerSetWin
    Grounds,           // 土地: WholeTochiWin
    PlayerDetails,     // 選手詳細: SensyuWin
    Lineup,            // レギュラー設定: RegurarSetWin
    Lot,               // 土地詳細: TochiWin
    Allotment,         // 練習配分: DistributeWin
};

// Whether the screen of a command exists in this build.
bool CommandAvailable(MainCommand command);

// Opens the screen of a command modally over `parent` and returns when it closes.
// selectedPlayer and selectedLot are the main screen's selections; a screen may move them
// (the player detail screen browses the squad, the lot screen picks another lot).
void OpenCommandScreen(MainCommand command, GameApp &app, QWidget *parent, int &selectedPlayer,
                       int &selectedLot);

}  // namespace tk
