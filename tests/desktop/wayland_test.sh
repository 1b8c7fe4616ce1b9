#!/usr/bin/env bash
# The game under Wayland, on a headless weston: it starts, opens the main screen of a saved
# game with its question over it (the slot's history is damaged), and quits with status 0.
# weston's headless back end has no keyboard: the key checks under Wayland are in
# wayland_keys_test.sh, on weston's X11 back end.
. "$(dirname "$0")/lib.sh"
sim="$2"
TK_PLATFORM=wayland tk_setup "$1"
command -v weston >/dev/null || tk_fail "weston is not installed (scripts/deps.sh)"
[ -f /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so ] ||
    ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
    tk_fail "Qt's Wayland platform is not installed (qt6-wayland)"

weston --backend=headless-backend.so --socket=tk-wayland --idle-time=0 \
    --width=1600 --height=1200 >"$TK_DIR/weston.log" 2>&1 &
TK_WESTON_PID=$!
trap 'kill "$TK_WESTON_PID" 2>/dev/null; wait "$TK_WESTON_PID" 2>/dev/null; tk_cleanup' EXIT
export WAYLAND_DISPLAY=tk-wayland
unset DISPLAY
tries=100
while [ ! -S "$XDG_RUNTIME_DIR/tk-wayland" ] && [ "$tries" -gt 0 ]; do sleep 0.05; tries=$((tries - 1)); done
[ -S "$XDG_RUNTIME_DIR/tk-wayland" ] || { cat "$TK_DIR/weston.log" >&2; tk_fail "weston did not start"; }

# The title screen, then quit once painted: status 0.
tk_start TK_EXIT_WHEN_SHOWN=1
tk_wait_exit 30
[ "$TK_STATUS" -eq 0 ] || tk_fail "the title screen under Wayland ended with status $TK_STATUS"
grep -qi 'wayland' "$TK_LOG" && grep -i 'could not\|failed' "$TK_LOG" >&2
echo "ok: the title screen under Wayland, quit with status 0"

# A saved game in slot 1 with a damaged history: the main screen asks over itself.
mkdir -p "$TK_DATA"
"$sim" --policy idle --seed 1 --weeks 2 --data "$TK_DATA" --slot 0 --quiet >/dev/null ||
    tk_fail "tk-sim could not write a saved game"
echo "not a database" >"$TK_DATA/Save0.Kumo.history"
tk_start TK_START_SLOT=1
tk_wait_window MainWin 30
tk_wait_window MesQWin 30
grep -q '^window MesQWin .* over=MainWin ' "$TK_REPORT" ||
    tk_fail "the question does not stand over the main screen"
echo "ok: the main screen under Wayland, its question over it"
tk_stop
