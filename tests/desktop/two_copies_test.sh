#!/usr/bin/env bash
# Two copies of the game on one Data folder: while one has a slot open, the other shows it in
# use and neither opens, erases nor recovers it; nothing the first played is lost, whichever
# copy closes first.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/newgame_lib.sh"
tk_setup "$1" "$2"
tk_fast_data
PIDS=()
trap 'for p in "${PIDS[@]}"; do kill -9 "$p" 2>/dev/null; done; tk_cleanup' EXIT

# Starts a copy whose report and log carry its name; switching to it is `copy NAME`.
start_copy() {
    TK_REPORT="$TK_DIR/report-$1.txt" TK_LOG="$TK_DIR/log-$1.txt"
    tk_start
    PIDS+=("$TK_PID")
    eval "PID_$1=$TK_PID"
}
copy() {
    TK_REPORT="$TK_DIR/report-$1.txt" TK_LOG="$TK_DIR/log-$1.txt"
    eval "TK_PID=\$PID_$1"
}
# The week saved in slot 1 (WeekCount after the two six-letter names).
saved_week() { od -An -tu2 -j30173 -N2 "$TK_DATA/Save0.Kumo" | tr -d ' '; }
play_week_to() {
    tk_wait_active MainWin
    tk_click_at BottunSwich 35 19
    local tries=200
    until grep -q "^window MainWin .* title=.*4月 $1週" "$TK_REPORT"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || tk_fail "the week did not reach 4月 $1週"
        sleep 0.1
    done
}
# Another copy is told the slot is in use when it tries to open or erase it.
refused_here() {
    tk_wait_window BeginForm
    tk_wait_text Prev 'ほかのテニス監督が使用中'
    for button in SaveData0 EraseDatas0; do
        tk_click "$button"
        tk_wait_window MeSForm
        tk_wait_text Comment '^データ1はほかのテニス監督が使っています。'
        tk_click_text 閉じる
        sleep 0.3
    done
}

start_copy A
tk_new_game
play_week_to 2

# B opens the title while A plays, is refused, and quits first: A's game is saved untouched.
start_copy B
refused_here
tk_click Command1
tk_wait_exit 20
copy A
tk_save_and_quit
[ "$(saved_week)" -eq 14 ] || tk_fail "slot 1 holds week $(saved_week), not A's week 14"

# A opens the slot again and plays; C waits on the title; A closes first, then C opens the
# slot, finds A's last week and saves it.
start_copy A2
tk_wait_window BeginForm
tk_click SaveData0
tk_wait_window MesQWin
tk_click_text はい
tk_wait_window MainWin
tk_wait_widget BottunSwich
play_week_to 3
start_copy C
refused_here
copy A2
tk_save_and_quit
[ "$(saved_week)" -eq 15 ] || tk_fail "slot 1 holds week $(saved_week), not A's week 15"
copy C
tk_click SaveData0
tk_wait_window MesQWin
tk_wait_text Comment '^このデータでいいですか？$'
tk_click_text はい
tk_wait_window MainWin
grep -q '^window MainWin .* title=.*4月 3週' "$TK_REPORT" || tk_fail "C did not open A's last week"
tk_save_and_quit
[ "$(saved_week)" -eq 15 ] || tk_fail "slot 1 holds week $(saved_week) after C closed"
[ ! -e "$TK_DATA/Save0.Kumo.lock" ] || tk_fail "a lock was left behind"
echo "ok: one copy per slot; nothing lost whichever copy closes first"
