#!/usr/bin/env bash
# A notice that waits: chosen in ゲーム設定, the introduction of a new game stays on screen past
# the five seconds and closes on Enter typed into it.
. "$(dirname "$0")/lib.sh"
tk_setup "$1"
tk_start
tk_wait_window BeginForm
tk_click Command2
tk_wait_window SetWIn
tk_click NoticeWaitsOption
tk_click OkButton
tk_new_game_notice Team Boss
sleep 6  # past the five seconds a notice of the rules would stay
[ -n "$(tk_line window MeSForm)" ] || tk_fail "the introduction closed by itself"
tk_key Return
tries=50
while [ -n "$(tk_line window MeSForm)" ] && [ "$tries" -gt 0 ]; do sleep 0.1; tries=$((tries - 1)); done
[ -z "$(tk_line window MeSForm)" ] || tk_fail "Enter did not close the notice"
tk_wait_window MainWin
echo "ok: the notice waited for the player"
