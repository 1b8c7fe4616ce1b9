#!/usr/bin/env bash
# The keyboard under Wayland: the game on weston with Qt's Wayland platform, keys typed into
# weston's own seat. weston's headless back end has no keyboard, so weston runs here on its
# X11 back end inside the test's Xvfb, whose keyboard it takes as its seat; the game itself
# talks Wayland only. Each dialog opens over its parent and is the active window, the focus
# comes back to the control it was on when a dialog closes, and the game quits through
# Ctrl+Q and 終了 with status 0.
. "$(dirname "$0")/lib.sh"
TK_PLATFORM=wayland tk_setup "$1"
command -v weston >/dev/null || tk_fail "weston is not installed (scripts/deps.sh)"

weston --backend=x11-backend.so --use-pixman --socket=tk-wayland --idle-time=0 \
    --width=1600 --height=1200 >"$TK_DIR/weston.log" 2>&1 &
TK_WESTON_PID=$!
trap 'kill "$TK_WESTON_PID" 2>/dev/null; wait "$TK_WESTON_PID" 2>/dev/null; tk_cleanup' EXIT
tries=100
while [ ! -S "$XDG_RUNTIME_DIR/tk-wayland" ] && [ "$tries" -gt 0 ]; do sleep 0.05; tries=$((tries - 1)); done
[ -S "$XDG_RUNTIME_DIR/tk-wayland" ] || { cat "$TK_DIR/weston.log" >&2; tk_fail "weston did not start"; }
# xdotool types into weston's window in the X server; weston hands the keys to the game.
tries=100
while [ -z "$(xdotool search --class weston 2>/dev/null)" ] && [ "$tries" -gt 0 ]; do
    sleep 0.05
    tries=$((tries - 1))
done
weston_window="$(xdotool search --class weston | head -n 1)"
[ -n "$weston_window" ] || tk_fail "no weston window in the X server"
xdotool windowfocus --sync "$weston_window" mousemove --window "$weston_window" 5 5

tk_start WAYLAND_DISPLAY=tk-wayland DISPLAY=
# Waits until window NAME is the active one (and Qt's focus on WIDGET inside it). weston
# sends a new window its keyboard a moment after it makes it active: the next key waits a
# little longer.
wl_focus_is() {
    local tries=50
    while [ "$tries" -gt 0 ]; do
        if tk_line window "$1" | grep -q ' active=1 ' &&
            { [ -z "${2:-}" ] || [ "$(tk_focus_name)" = "$2" ]; }; then
            sleep 0.3
            return 0
        fi
        sleep 0.1
        tries=$((tries - 1))
    done
    tk_fail "window $1 is not active with the focus on '${2:-}' (the focus is on '$(tk_focus_name)')"
}
over() {
    tk_line window "$1" | grep -q " over=$2 " || tk_fail "window $1 does not stand over $2"
}

tk_wait_window BeginForm 30
wl_focus_is BeginForm SaveData0
tk_key Return
tk_wait_window NewGameWin
wl_focus_is NewGameWin NameText0
tk_key T e a m Return
wl_focus_is NewGameWin NameText1
tk_key B o s s Return
tk_wait_window MeSForm
wl_focus_is MeSForm Command1
tk_key Return
tk_wait_gone MeSForm
wl_focus_is MainWin PlayerPanel
echo "ok: Enter through the title and new-game screens under Wayland"

# 事務所 (6) over the main screen, closed by Esc: the keys are back on the squad.
tk_key 6
tk_wait_window ZimuWin
over ZimuWin MainWin
wl_focus_is ZimuWin
tk_key Escape
tk_wait_gone ZimuWin
wl_focus_is MainWin PlayerPanel
# Enter plays the week.
title() { tk_line window MainWin | sed -e 's/^.* title=//'; }
before="$(title)"
tk_key Return
tries=100
while [ "$(title)" = "$before" ] && [ "$tries" -gt 0 ]; do sleep 0.1; tries=$((tries - 1)); done
[ "$(title)" != "$before" ] || tk_fail "Enter played no week under Wayland"
wl_focus_is MainWin PlayerPanel
echo "ok: a dialog over the main screen and back, and Enter plays the week"

# Ctrl+Q asks over the main screen: Enter is いいえ and the keys are back on the squad;
# again, Tab to はい and Enter saves and goes to the title, whose 終了 (Tab, Enter) ends the
# game with status 0.
tab_to() {
    local tabs=0
    while [ "$(tk_focus_name)" != "$1" ]; do
        [ "$tabs" -lt 20 ] || tk_fail "Tab does not reach $1 (the focus is on '$(tk_focus_name)')"
        tk_key Tab
        sleep 0.1
        tabs=$((tabs + 1))
    done
}
tk_key ctrl+q
tk_wait_window MesQWin
over MesQWin MainWin
wl_focus_is MesQWin
tk_key Return
tk_wait_gone MesQWin
wl_focus_is MainWin PlayerPanel
tk_key ctrl+q
tk_wait_window MesQWin
wl_focus_is MesQWin
tab_to Command2
tk_key Return
tk_wait_window BeginForm
tk_wait_gone MainWin
wl_focus_is BeginForm
tab_to Command1
tk_key Return
tk_wait_exit 20
[ "$TK_STATUS" -eq 0 ] || tk_fail "終了 under Wayland ended with status $TK_STATUS"
[ -s "$TK_DATA/Save0.Kumo" ] || tk_fail "保存して終了 wrote no slot"
echo "ok: Ctrl+Q and 終了 under Wayland, status 0"
