#!/usr/bin/env bash
# The title screen's close box is refused; "終了" writes the settings and ends the program with
# exit status 0.
. "$(dirname "$0")/lib.sh"
tk_setup "$1" "$2"
tk_start
tk_wait_window BeginForm
tk_wait_widget Command1
tk_close_window 'テニス監督'
for _ in 1 2 3 4 5 6 7 8 9 10; do
    sleep 0.1
    kill -0 "$TK_PID" 2>/dev/null || tk_fail "the title's close box ended the game"
done
tk_wait_widget SaveData0
tk_click Command1
tk_wait_exit 20
[ "$TK_STATUS" -eq 0 ] || tk_fail "終了 ended the game with status $TK_STATUS"
[ "$(stat -c %s "$TK_DATA/SaveData.Kumo")" -eq 700 ] || tk_fail "終了 wrote no 700-byte settings"
echo "ok: the close box is refused, 終了 ends the program with status 0"
