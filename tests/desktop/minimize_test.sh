#!/usr/bin/env bash
# A dialog minimized by the window manager (openbox's window menu or key, here its
# WM_CHANGE_STATE message) comes straight back with the keys, so the game is never left
# waiting on a modal dialog nobody sees. openbox minimizes a dialog with the window it stands
# over, so the main window comes back too; minimizing the main window under a modal dialog
# does the same.
. "$(dirname "$0")/lib.sh"
tk_setup "$1"
tk_start
tk_new_game Team Mgr

# Minimizes window NAME as openbox's window menu does and waits until it is back: openbox
# must have iconified it (WM_STATE changed at least twice, to Iconic and back, as xprop -spy
# sees; it reads the state after the fact, so a quick return reads Normal twice), and
# within five seconds it is mapped again in the Normal state.
minimize_and_back() {
    local wid spy tries=50
    wid="$(tk_wid "$1")"
    [ -n "$wid" ] || tk_fail "no window $1 to minimize"
    xprop -spy -id "$wid" WM_STATE >"$TK_DIR/spy" 2>&1 &
    spy=$!
    while ! grep -q 'state:' "$TK_DIR/spy"; do sleep 0.05; done
    xdotool windowminimize "$wid" || tk_fail "could not minimize $1"
    while [ "$tries" -gt 0 ]; do
        if [ "$(grep -c 'window state:' "$TK_DIR/spy")" -ge 3 ] && xprop -id "$wid" WM_STATE | grep -q 'state: Normal' &&
            xwininfo -id "$wid" | grep -q 'IsViewable'; then
            kill "$spy"
            return 0
        fi
        sleep 0.1
        tries=$((tries - 1))
    done
    kill "$spy"
    [ "$(grep -c 'window state:' "$TK_DIR/spy")" -ge 3 ] || tk_fail "openbox did not minimize $1"
    tk_fail "window $1 stayed minimized"
}

# 事務所, minimized: it is back at once, with the keys; Esc still closes it.
tk_key 6
tk_wait_window ZimuWin
tk_x_focus_is ZimuWin
minimize_and_back ZimuWin
xwininfo -id "$(tk_wid MainWin)" | grep -q IsViewable || tk_fail "the main window stayed minimized"
tk_x_focus_is ZimuWin
echo "ok: a minimized dialog comes straight back"

# A question over it (a dialog of a dialog), minimized: the same.
tk_click Spon_0
tk_wait_window SelectSponWin
tk_x_focus_is SelectSponWin
minimize_and_back SelectSponWin
tk_x_focus_is SelectSponWin
tk_key Escape
tk_wait_gone SelectSponWin
tk_x_focus_is ZimuWin Spon_0
echo "ok: a dialog over a dialog comes straight back"

# The main window minimized under the office: the game does not hide while it waits on the
# office; both stay on screen, the office on top with the keys.
minimize_and_back MainWin
xwininfo -id "$(tk_wid ZimuWin)" | grep -q IsViewable || tk_fail "the office stayed minimized"
tk_x_focus_is ZimuWin
tk_key Escape
tk_wait_gone ZimuWin
tk_x_focus_is MainWin PlayerPanel
echo "ok: the main window minimized under a dialog comes straight back, the dialog on top"
tk_stop
