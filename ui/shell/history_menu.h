// The main screen's "表示" menu: the message history and the records, each with a key.
#pragma once

class QWidget;

namespace tk {

class GameApp;
class MainWin;

// Adds the menu to the main screen's menu bar.
void AddHistoryMenu(MainWin &main, GameApp &app);

// Open the two screens modally over `parent`.
void OpenMessageHistory(GameApp &app, QWidget *parent);
void OpenRecords(GameApp &app, QWidget *parent);

}  // namespace tk
