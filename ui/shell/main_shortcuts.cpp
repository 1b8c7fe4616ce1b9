// The table of the main screen's keys.
#include "ui/shell/main_shortcuts.h"

#include <array>

namespace tk {

namespace {

QKeySequence Key(int key) {
    return QKeySequence(key);
}

const std::array<MainShortcut, 8> &BarShortcuts() {
    static const std::array<MainShortcut, 8> table = {{
        {"次の週へ：1週間進めます。試合が入っている週は試合、ない週は練習です。",
         {Key(Qt::Key_Return), Key(Qt::Key_Enter), Key(Qt::KeypadModifier | Qt::Key_Enter),
          Key(Qt::Key_Space), Key(Qt::Key_1)},
         "Enter / Space / 1"},
        {"練習：全体練習のメニュー、コーチ（4月のみ）、個人練習の選手を決めます。",
         {Key(Qt::Key_2)},
         "2"},
        {"試合：来週の練習試合と、条件を満たした公式戦に申し込みます。", {Key(Qt::Key_3)}, "3"},
        {"アイテム：栄養ドリンクで選手全員の体力を回復します。", {Key(Qt::Key_4)}, "4"},
        {"設定：ゲームの進行速度（普通・高速）と、メッセージの閉じ方を決めます。",
         {Key(Qt::Key_5)},
         "5"},
        {"事務所：収支と予定表を見て、4月にはスポンサーと契約します。", {Key(Qt::Key_6)}, "6"},
        {"選手：選手の一覧と年俸を見て、解雇やスカウトの依頼をします。", {Key(Qt::Key_7)}, "7"},
        {"土地：土地の購入、コートやトレーニング室の工事、コートの整備をします。",
         {Key(Qt::Key_8)},
         "8"},
    }};
    return table;
}

const std::array<MainShortcut, 4> &ButtonShortcuts() {
    static const std::array<MainShortcut, 4> table = {{
        {"選手詳細：選んだ選手の能力をくわしく見ます。", {Key(Qt::Key_F2)}, "F2"},
        {"レギュラー設定：試合に出る5人と、その順番を決めます。", {Key(Qt::Key_F3)}, "F3"},
        {"土地詳細：選んだ土地をくわしく見て、購入・整備・工事をします。", {Key(Qt::Key_F4)}, "F4"},
        {"練習配分：使えるコートを全体練習と個人練習に分けます。", {Key(Qt::Key_F5)}, "F5"},
    }};
    return table;
}

}  // namespace

const MainShortcut &CommandBarShortcut(int button) {
    return BarShortcuts().at(static_cast<std::size_t>(button));
}

const MainShortcut &CommandButtonShortcut(int button) {
    return ButtonShortcuts().at(static_cast<std::size_t>(button));
}

const MainShortcut &HelpShortcut() {
    static const MainShortcut help = {
        "遊び方：このゲームの遊び方を読みます。", {Key(Qt::Key_F1)}, "F1"};
    return help;
}

const MainShortcut &AdvanceShortcut() {
    static const MainShortcut advance = {
        "連続進行：試合の週・行事・工事の完成・月末・年度末まで、週を続けて進めます。"
        "Esc か「停止」で止まります。",
        {QKeySequence(Qt::SHIFT | Qt::Key_Return), QKeySequence(Qt::SHIFT | Qt::Key_Enter),
         Key(Qt::Key_9)},
        "Shift+Enter / 9"};
    return advance;
}

const MainShortcut &MessageHistoryShortcut() {
    static const MainShortcut messages = {
        "メッセージ履歴：これまでのメッセージを新しい順に読み返します。",
        {QKeySequence(Qt::CTRL | Qt::Key_M)},
        "Ctrl+M"};
    return messages;
}

const MainShortcut &RecordsShortcut() {
    static const MainShortcut records = {
        "記録：シーズンごとの成績、大会の最高成績、資金やレベルのグラフ、選手の成長を見ます。",
        {QKeySequence(Qt::CTRL | Qt::Key_R)},
        "Ctrl+R"};
    return records;
}

QString ShortcutToolTip(const MainShortcut &shortcut) {
    return QString::fromUtf8(shortcut.what) + QStringLiteral("\nキー: ") +
           QString::fromUtf8(shortcut.keyNames);
}

int SquadStepOfKey(int key) {
    switch (key) {
        case Qt::Key_Left: return -5;
        case Qt::Key_Up: return -1;
        case Qt::Key_Right: return +5;
        case Qt::Key_Down: return +1;
        default: return 0;
    }
}

}  // namespace tk
