#!/usr/bin/env bash
# The menus by keys on the real program: F10 and Alt open the menu bar, Ctrl+S saves the
# game to its slot and play goes on, Ctrl+Q asks "保存して終了しますか？" and いいえ (the
# default, Enter) keeps playing, はい goes back to the title screen. Dialogs have no
# minimize or maximize button.
. "$(dirname "$0")/lib.sh"
tk_setup "$1"
tk_start
tk_new_game Team Boss
tk_x_focus_is MainWin PlayerPanel

# The office as a dialog: its frame has neither minimize nor maximize (Motif decorations
# 0x20 and 0x40 left out).
tk_key 6
tk_wait_window ZimuWin
hints="$(xprop -id "$(tk_wid ZimuWin)" _MOTIF_WM_HINTS | sed -e 's/^.* = //')"
decorations="$(echo "$hints" | awk -F', ' '{print $3}')"
[ -n "$decorations" ] && [ $((decorations & 0x60)) -eq 0 ] ||
    tk_fail "the office's frame offers minimize or maximize: $hints"
tk_key Escape
tk_x_focus_is MainWin PlayerPanel
echo "ok: a dialog without minimize and maximize"

# F10 opens the first menu; Alt alone too, and Alt+F by its letter.
for keys in F10 alt alt+f; do
    tk_key $keys
    tk_wait_window FileMenu 5
    tk_key Escape Escape
    tries=50
    while [ -n "$(tk_line window FileMenu)" ] && [ "$tries" -gt 0 ]; do sleep 0.1; tries=$((tries - 1)); done
    tk_x_focus_is MainWin
done
echo "ok: F10, Alt and Alt+F open the menu"

rm -f "$TK_DATA/Save0.Kumo"
tk_key ctrl+s
tk_wait_window MeSForm
tk_wait_text Comment '保存しました'
[ -s "$TK_DATA/Save0.Kumo" ] || tk_fail "Ctrl+S did not write the slot"
tk_key Return
tk_x_focus_is MainWin PlayerPanel
echo "ok: Ctrl+S saved the game, play goes on"

tk_key ctrl+q
tk_wait_window MesQWin
tk_wait_text Comment '保存して終了しますか？'
tk_key Return  # いいえ
tk_x_focus_is MainWin PlayerPanel
tk_key ctrl+q
tk_wait_window MesQWin
tk_click_text 'はい'
tk_wait_window BeginForm
echo "ok: Ctrl+Q leaves through its question"
