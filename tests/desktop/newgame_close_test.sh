#!/usr/bin/env bash
# A new game, then the main screen's close box: "はい" to "保存して終了しますか？" writes the
# slot, and the title screen returns showing it.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/newgame_lib.sh"
tk_setup "$1" "$2"
tk_start
tk_new_game
tk_close_window 'チーム名 Tennis'
tk_wait_window MesQWin
grep -q 'text=保存して終了しますか？$' "$TK_REPORT" || tk_fail "the close box did not ask to save"
tk_click_text はい
tk_wait_window BeginForm
tk_wait_text Prev '^Tennis 1年目4月1週 資金3000万円$'
slot="$TK_DATA/Save0.Kumo"
[ "$(stat -c %s "$slot")" -eq $((30285 + 6 + 6)) ] || tk_fail "the slot is $(stat -c %s "$slot") bytes"
[ "$(head -c 12 "$slot" | tail -c 8 | od -An -c | tr -d ' \n')" = '006\0Tennis' ] ||
    tk_fail "the slot does not start with the team name"
[ ! -e "$slot.resume" ] || tk_fail "a recovery file is left after closing normally"
tk_click Command1
tk_wait_exit 20
[ "$TK_STATUS" -eq 0 ] || tk_fail "終了 ended the game with status $TK_STATUS"
echo "ok: the main screen's close box saves the slot and returns to the title"
