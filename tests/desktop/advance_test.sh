#!/usr/bin/env bash
# 連続進行 in the real program: Shift+Enter typed into the main screen starts a run of weeks,
# Esc typed into the focused widget stops it once the week under way has ended.
. "$(dirname "$0")/lib.sh"
tk_setup "$1"
tk_start
tk_wait_window BeginForm
tk_new_game_notice Team Boss
tk_wait_active MeSForm  # the keys go to the notice only once it has the focus
tk_key Return           # the introduction
tk_wait_gone MeSForm
tk_wait_window MainWin
grep -q '^window MainWin .* title=.*1年目 4月 1週' "$TK_REPORT" || tk_fail "not in 4月1週"
# Without a window manager nothing hands the focus back once the notice has gone: a click
# on a caption of the main screen does, as a player would.
tk_click RegularNote
tries=50
while ! grep -q '^window MainWin .* active=1' "$TK_REPORT" && [ "$tries" -gt 0 ]; do
    sleep 0.1
    tries=$((tries - 1))
done
tk_key shift+Return
tk_wait_widget AdvanceStatus 10
sleep 1
tk_key Escape
# The practice week under way ends (seven steps of a second), then the run stops; had Esc been
# missed, the next week would keep the status up for seven seconds more.
tries=90
while [ -n "$(tk_line widget AdvanceStatus)" ] && [ "$tries" -gt 0 ]; do
    sleep 0.1
    tries=$((tries - 1))
done
[ -z "$(tk_line widget AdvanceStatus)" ] || tk_fail "Esc did not stop the run"
grep -q '^window MainWin .* title=.*1年目 4月 2週' "$TK_REPORT" ||
    tk_fail "the run did not stop after the first week"
sleep 2
[ -z "$(tk_line widget AdvanceStatus)" ] || tk_fail "the run went on"
[ -z "$(tk_line window GasyuElectWin)" ] || tk_fail "the run went on to the camp choice"
echo "ok: a run of weeks started with Shift+Enter and stopped with Esc"
