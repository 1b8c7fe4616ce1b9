#!/usr/bin/env bash
# A week played, then the game killed (SIGKILL): the next start says so on the title screen,
# and opening the slot asks whether to go on from the last finished week.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/newgame_lib.sh"
tk_setup "$1" "$2"
tk_fast_data
tk_start
tk_new_game
tk_click_at BottunSwich 35 19
tk_wait_file "$TK_DATA/Save0.Kumo.resume" 30
kill -9 "$TK_PID"
wait "$TK_PID" 2>/dev/null
TK_PID=""
[ ! -e "$TK_DATA/Save0.Kumo" ] || [ "$(head -c 6 "$TK_DATA/Save0.Kumo" | tail -c 2 | od -An -tu2)" -eq 0 ] ||
    tk_fail "the game was saved to its slot before it was closed"

tk_restart
tk_wait_window BeginForm
tk_wait_text Prev '（前回の続きがあります）'
tk_click SaveData0
tk_wait_window MesQWin
tk_wait_text Comment '^前回は正しく終了しませんでした。 1年目4月2週　資金[0-9]+万円 最後に終わった週から続けますか？$'
tk_click_text はい
tk_wait_window MainWin
grep -q '^window MainWin .* title=チーム名 Tennis　監督名 Yamada　1年目 4月 2週' "$TK_REPORT" ||
    tk_fail "the main screen is not at the finished week"
echo "ok: the killed game goes on from its last finished week"
