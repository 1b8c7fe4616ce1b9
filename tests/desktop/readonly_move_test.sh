#!/usr/bin/env bash
# Saves beside a program whose Data folder has become read-only: the slot opens from there and
# is saved on to the per-user folder, and its history goes with it (no "no records yet").
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/newgame_lib.sh"
tk_setup "$1" "$2"
mkdir -p "$TK_DATA"
# Root writes through permission bits: only a read-only mount stops it.
if ! mount -t tmpfs -o size=8m tmpfs "$TK_DATA" 2>/dev/null; then
    echo "skip: cannot mount a tmpfs here"
    exit 0
fi
trap 'umount -l "$TK_DATA" 2>/dev/null; tk_cleanup' EXIT
tk_fast_data
USER_DATA="$XDG_DATA_HOME/tennis-kantoku/Data"

tk_start
tk_new_game
tk_click_at BottunSwich 35 19
tk_wait_file "$TK_DATA/Save0.Kumo.resume" 30
tk_save_and_quit
[ -s "$TK_DATA/Save0.Kumo.history" ] || tk_fail "the first game kept no history"
mount -o remount,ro "$TK_DATA" || tk_fail "cannot make the Data folder read-only"

tk_start
tk_wait_window BeginForm
tk_wait_window MeSForm  # where the saves go now
tk_click_text 閉じる
tk_wait_text Prev '^Tennis'
tk_click SaveData0
tk_wait_window MesQWin
tk_click_text はい
tk_wait_window MainWin
tk_wait_widget BottunSwich
sleep 1
if grep -q '^window MeSForm ' "$TK_REPORT"; then
    tk_fail "a notice opened over the moved game (its records were not carried)"
fi
[ -s "$USER_DATA/Save0.Kumo.history" ] || tk_fail "the history was not carried to $USER_DATA"
tk_save_and_quit
[ -s "$USER_DATA/Save0.Kumo" ] || tk_fail "the game was not saved to $USER_DATA"
echo "ok: a slot moved out of a read-only folder keeps its history"
