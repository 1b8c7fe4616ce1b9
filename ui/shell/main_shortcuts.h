// The main screen's keys in one table: what each command does (its tooltip) and the keys
// that give it, so the tooltips, the README and the key handling never disagree.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

namespace tk {

struct MainShortcut {
    const char *what;          // the tooltip's description of the command
    QList<QKeySequence> keys;  // the keys that give the command
    const char *keyNames;      // how the tooltip names those keys
};

// Command-bar button 0..7: 次の週へ, 練習, 試合, アイテム, 設定, 事務所, 選手, 土地.
const MainShortcut &CommandBarShortcut(int button);
// The buttons below the grounds 0..3: 選手詳細, レギュラー設定, 土地詳細, 練習配分.
const MainShortcut &CommandButtonShortcut(int button);
// "遊び方".
const MainShortcut &HelpShortcut();
// 連続進行, the ninth button of the command bar (its keys also stop a run).
const MainShortcut &AdvanceShortcut();
// "メッセージ履歴" and "記録" of the 表示 menu.
const MainShortcut &MessageHistoryShortcut();
const MainShortcut &RecordsShortcut();

// The tooltip of a command: its description and, on a line of its own, its keys.
QString ShortcutToolTip(const MainShortcut &shortcut);

// The arrow keys move through the squad as the rules say: Left −5, Up −1, Right +5,
// Down +1. Returns the step of an arrow key, or 0 for any other key.
int SquadStepOfKey(int key);

}  // namespace tk
