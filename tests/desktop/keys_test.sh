#!/usr/bin/env bash
# The keyboard on the real program: Enter through the title and new-game screens, the arrow
# keys through the squad, a key for a command, F1 for the help, Esc to close, and Enter for
# the week. Every key goes to whatever has the focus, as a player types.
. "$(dirname "$0")/lib.sh"
tk_setup "$1"
tk_start

focus_is() {
    local tries=50
    while [ "$tries" -gt 0 ]; do
        [ "$(tk_focus_name)" = "$1" ] && return 0
        sleep 0.1
        tries=$((tries - 1))
    done
    tk_fail "the focus is on '$(tk_focus_name)', not on $1"
}

# Title screen: the first slot has the focus; Enter opens it.
tk_wait_window BeginForm
focus_is SaveData0
tk_key Return
tk_wait_widget NameText0
focus_is NameText0
tk_key T e a m Return
focus_is NameText1
tk_key M g r Return
tk_wait_window MeSForm
tk_key Return  # the introduction's 閉じる
tk_wait_gone MeSForm
tk_wait_window MainWin
echo "ok: Enter through the title and new-game screens"

# The squad list holds the focus, not the scroll area: the arrows move the selection.
focus_is PlayerPanel
tk_wait_widget Elected_0
tk_key Down
tk_wait_widget Elected_1
tk_key Right
tk_wait_widget Elected_0  # 1 + 5 is past the squad of six: the first player again
tk_key Right
tk_wait_widget Elected_5
echo "ok: the arrow keys move through the squad"

# A command's key opens its screen; Esc closes it and the focus comes back.
tk_key 6
tk_wait_window ZimuWin
tk_key Escape
tk_wait_gone ZimuWin
tk_key F1
tk_wait_window HelpWin
tk_key Escape
tk_wait_gone HelpWin
focus_is PlayerPanel
echo "ok: 6 opens the office, F1 the help, Esc closes them"

# Enter plays the week.
tk_key Return
tries=150
while [ "$tries" -gt 0 ] && ! grep -q '^window MainWin .*4月 2週' "$TK_REPORT"; do
    sleep 0.1
    tries=$((tries - 1))
done
grep -q '^window MainWin .*4月 2週' "$TK_REPORT" || tk_fail "Enter did not play the week"
echo "ok: Enter plays the week"
