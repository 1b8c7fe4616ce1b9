# Helpers for the tests that drive the real program in an X server (Xvfb), as a player would:
# start it from its own folder, wait for a widget, click it, type keys into the focused
# widget, and wait for the process to end. Sourced by the tests; each test runs in an X server
# of its own (xvfb.sh), so DISPLAY is set.
#
#   tk_setup GAME_BINARY          copies the game into a fresh folder ($TK_DIR); its saves go
#                                 to $TK_DIR/Data, HOME and XDG folders are private to the test
#   tk_setup_installed GAME       runs an installed game where it is, with the private HOME;
#                                 its saves go to the per-user folder ($TK_DATA)
#   tk_start [env assignments]    starts the game in the background ($TK_PID)
#   tk_wait_widget NAME [SECONDS] waits until a visible widget NAME is in the report
#   tk_wait_window NAME [SECONDS] waits until a visible window NAME is in the report
#   tk_wait_active NAME [SECONDS] waits until window NAME is the active one (placed by the
#                                 window manager and taking clicks and keys)
#   tk_click NAME                 clicks the middle of widget NAME with the real pointer
#   tk_click_text TEXT            clicks the middle of the visible button or label reading TEXT
#   tk_key KEY...                 types keys (xdotool names) into whatever has the focus
#   tk_focus_name                 the objectName of the widget with the focus
#   tk_wait_exit [SECONDS]        waits for the game to end; sets $TK_STATUS
#   tk_new_game TEAM MANAGER      from the title screen, a new game in slot 1 up to the main
#                                 screen, its introduction closed (ASCII names)
#   tk_stop                       ends the game at once (kill), for a test that starts it again
#   tk_new_game_notice TEAM MGR   from the title screen, a new game in the first slot, up to
#                                 its introduction notice, left open (ASCII names)
#   tk_fail MESSAGE               prints the report and fails the test
#   tk_click_at NAME X Y          clicks widget NAME at X, Y from its top left corner
#   tk_click_point X Y            clicks the screen at X, Y (logical pixels, see TK_SCALE)
#   tk_type TEXT                  types TEXT into whatever has the focus (xdotool type)
#   tk_text NAME                  the text of visible widget NAME (line breaks as spaces)
#   tk_wait_text NAME PATTERN [SECONDS]  waits until the text of widget NAME matches PATTERN
#   tk_wait_file PATH [SECONDS]   waits until a file exists
#   tk_close_window TITLE         the close box of the visible window whose title matches
#                                 TITLE (needs tk_setup's second argument, tk-close-window)
#   tk_restart [env assignments]  after the game ended (or was killed), starts it again
#   tk_wid NAME                   the X window id of visible window NAME
#   tk_x_focus_is NAME [WIDGET]   waits until the X server's focus is on window NAME (and
#                                 Qt's focus on WIDGET inside it); fails otherwise
#
# A window manager runs as on a player's desktop: tk_setup starts openbox in the test's X
# server (TK_WM=none runs without one). Under TK_PLATFORM=wayland the game runs on the
# weston the test started: its headless back end takes no keys, its X11 back end inside the
# test's Xvfb takes them from xdotool (wayland_keys_test.sh).
#
# The report gives positions in Qt's logical pixels; with QT_SCALE_FACTOR set, set TK_SCALE
# to the same factor so that the clicks land where the widgets are drawn.

set -u

tk_fail() {
    echo "FAIL: $*" >&2
    if [ -f "${TK_REPORT:-/nonexistent}" ]; then
        echo "--- widget report ---" >&2
        cat "$TK_REPORT" >&2
    fi
    [ -n "${TK_PID:-}" ] && kill -9 "$TK_PID" 2>/dev/null
    exit 1
}

tk_setup() {
    local binary="$1"
    TK_CLOSE_TOOL="${2:-}"
    [ -x "$binary" ] || tk_fail "no game binary at $binary"
    tk_private_home
    mkdir -p "$TK_DIR/bin"
    cp "$binary" "$TK_DIR/bin/tennis-kantoku"
    TK_GAME="$TK_DIR/bin/tennis-kantoku"
    TK_DATA="$TK_DIR/bin/Data"
}

tk_setup_installed() {
    [ -x "$1" ] || tk_fail "no installed game at $1"
    tk_private_home
    TK_GAME="$1"
    TK_DATA="$XDG_DATA_HOME/tennis-kantoku/Data"
}

tk_private_home() {
    TK_DIR="$(mktemp -d "${TMPDIR:-/tmp}/tk-desktop-XXXXXX")"
    mkdir -p "$TK_DIR/home"
    TK_REPORT="$TK_DIR/report.txt"
    TK_LOG="$TK_DIR/game.log"
    export HOME="$TK_DIR/home"
    export XDG_DATA_HOME="$TK_DIR/home/.local/share"
    export XDG_CONFIG_HOME="$TK_DIR/home/.config"
    export XDG_RUNTIME_DIR="$TK_DIR/runtime"
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM
    [ "${TK_PLATFORM:-xcb}" = wayland ] && export QT_QPA_PLATFORM=wayland
    trap 'tk_cleanup' EXIT
    tk_start_wm
}

# openbox in the test's X server, as a player's desktop has a window manager; the test
# goes on once it manages the screen.
tk_start_wm() {
    [ "${TK_PLATFORM:-xcb}" = wayland ] && return 0
    [ "${TK_WM:-openbox}" = none ] && return 0
    command -v openbox >/dev/null || tk_fail "openbox is not installed (scripts/deps.sh)"
    openbox --sm-disable >"$TK_DIR/openbox.log" 2>&1 &
    TK_WM_PID=$!
    local tries=400
    while [ "$tries" -gt 0 ]; do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.05
        tries=$((tries - 1))
    done
    tk_fail "openbox did not start: $(cat "$TK_DIR/openbox.log")"
}

tk_cleanup() {
    if [ -n "${TK_PID:-}" ]; then
        kill -9 "$TK_PID" 2>/dev/null
        wait "$TK_PID" 2>/dev/null
    fi
    if [ -n "${TK_WM_PID:-}" ]; then
        kill "$TK_WM_PID" 2>/dev/null
        wait "$TK_WM_PID" 2>/dev/null
    fi
    [ -n "${TK_KEEP:-}" ] || rm -rf "$TK_DIR"
}

tk_start() {
    rm -f "$TK_REPORT"
    set +m
    env "$@" TK_WIDGET_REPORT="$TK_REPORT" "$TK_GAME" >"$TK_LOG" 2>&1 &
    TK_PID=$!
}

# Prints the report line of a visible widget (or window) by name.
tk_line() {
    local kind="$1" name="$2"
    [ -f "$TK_REPORT" ] || return 1
    if [ "$kind" = widget ]; then
        grep -E "^widget $name [^ ]+ -?[0-9]+ -?[0-9]+ [0-9]+ [0-9]+ visible=1" "$TK_REPORT" | head -n 1
    else
        grep -E "^window $name " "$TK_REPORT" | head -n 1
    fi
}

tk_wait_for() {
    local kind="$1" name="$2" seconds="${3:-20}"
    local tries=$((seconds * 10))
    while [ "$tries" -gt 0 ]; do
        if [ -n "$(tk_line "$kind" "$name")" ]; then return 0; fi
        kill -0 "$TK_PID" 2>/dev/null || tk_fail "the game ended while waiting for $kind $name"
        sleep 0.1
        tries=$((tries - 1))
    done
    tk_fail "no visible $kind $name after $seconds s"
}

tk_wait_widget() { tk_wait_for widget "$@"; }
tk_wait_window() { tk_wait_for window "$@"; }

# The window manager gives a new window the focus a moment after it is shown; keys typed
# before then go to the window that had it.
tk_wait_active() {
    local name="$1" seconds="${2:-20}"
    local tries=$((seconds * 10))
    while [ "$tries" -gt 0 ]; do
        tk_line window "$name" | grep -q ' active=1 ' && return 0
        kill -0 "$TK_PID" 2>/dev/null || tk_fail "the game ended while waiting for $name to be active"
        sleep 0.1
        tries=$((tries - 1))
    done
    tk_fail "window $name is not active after $seconds s"
}

# Waits up to five seconds for window $1 to close.
tk_wait_gone() {
    local tries=50
    while [ "$tries" -gt 0 ]; do
        [ -z "$(tk_line window "$1")" ] && return 0
        sleep 0.1
        tries=$((tries - 1))
    done
    tk_fail "window $1 is still open"
}

tk_click() {
    local x y w h
    tk_placed tk_line_widget "$1" || tk_fail "no visible widget $1 to click"
    read -r x y w h <<<"$(echo "$TK_LINE" | awk '{print $4, $5, $6, $7}')"
    tk_click_point $((x + w / 2)) $((y + h / 2))
}

tk_line_widget() { tk_line widget "$1"; }
tk_line_text() {
    grep -E "^widget [^ ]+ [^ ]+ -?[0-9]+ -?[0-9]+ [0-9]+ [0-9]+ visible=1 .* text=$1\$" \
        "$TK_REPORT" 2>/dev/null | head -n 1
}

tk_click_text() {
    local x y w h
    tk_placed tk_line_text "$1" || tk_fail "no visible widget reading $1 to click"
    read -r x y w h <<<"$(echo "$TK_LINE" | awk '{print $4, $5, $6, $7}')"
    tk_click_point $((x + w / 2)) $((y + h / 2))
}

# Sets TK_LINE to the widget's report line that `FINDER ARG` prints, once the window holding
# it stands in the report where the X server has it; fails if there is no such widget. A
# window is in the report as soon as it is shown, before the window manager has placed it,
# and a click at that first position misses. After ten seconds the last line is taken as is.
tk_placed() {
    local finder="$1" arg="$2" tries=100 window x y wid geo ax ay
    while :; do
        TK_LINE="$("$finder" "$arg")" || true
        [ -n "$TK_LINE" ] || return 1
        [ "${TK_PLATFORM:-xcb}" = wayland ] && return 0
        [ "$tries" -gt 0 ] || return 0
        window="$(awk -v want="$TK_LINE" '/^window /{w = $0; next} $0 == want {print w; exit}' \
            "$TK_REPORT")"
        read -r x y <<<"$(echo "$window" | awk '{print $4, $5}')"
        wid="$(echo "$window" | sed -n -e 's/^.* wid=\([0-9]*\) .*$/\1/p')"
        if [ -n "$wid" ]; then
            geo="$(xwininfo -id "$wid" 2>/dev/null)" || geo=""
            ax="$(echo "$geo" | sed -n -e 's/^ *Absolute upper-left X: *//p')"
            ay="$(echo "$geo" | sed -n -e 's/^ *Absolute upper-left Y: *//p')"
            [ -n "$ax" ] && [ -n "$ay" ] &&
                awk -v s="${TK_SCALE:-1}" -v x="$x" -v y="$y" -v ax="$ax" -v ay="$ay" \
                    'function d(a) { return a < 0 ? -a : a }
                     BEGIN { exit !(d(x * s - ax) <= 1 && d(y * s - ay) <= 1) }' && return 0
        fi
        sleep 0.1
        tries=$((tries - 1))
    done
}

tk_click_point() {
    local scale="${TK_SCALE:-1}"
    xdotool mousemove --sync $(($1 * scale)) $(($2 * scale)) click 1
}

tk_key() {
    xdotool key --delay 50 "$@"
}

tk_focus_name() {
    grep -E '^widget .* focus=1 ' "$TK_REPORT" | awk '{print $2}' | head -n 1
}

tk_new_game() {
    tk_wait_widget SaveData0
    tk_click SaveData0
    tk_wait_widget NameText0
    tk_click NameText0
    tk_key $(echo "$1" | sed 's/./& /g')
    tk_click NameText1
    tk_key $(echo "$2" | sed 's/./& /g')
    tk_click_text 'はじめる！'
    tk_wait_window MeSForm
    tk_click_text '閉じる'
    local tries=100
    while [ "$tries" -gt 0 ] && [ -n "$(tk_line window MeSForm)" ]; do
        sleep 0.1
        tries=$((tries - 1))
    done
    tk_wait_window MainWin
}

tk_stop() {
    if [ -n "${TK_PID:-}" ]; then
        kill -9 "$TK_PID" 2>/dev/null
        wait "$TK_PID" 2>/dev/null
        TK_PID=""
    fi
}

tk_wait_exit() {
    local seconds="${1:-20}"
    local tries=$((seconds * 10))
    while [ "$tries" -gt 0 ]; do
        if ! kill -0 "$TK_PID" 2>/dev/null; then
            wait "$TK_PID"
            TK_STATUS=$?
            TK_PID=""
            return 0
        fi
        sleep 0.1
        tries=$((tries - 1))
    done
    tk_fail "the game was still running $seconds s later"
}

tk_click_at() {
    local x y w h
    tk_placed tk_line_widget "$1" || tk_fail "no visible widget $1 to click"
    read -r x y w h <<<"$(echo "$TK_LINE" | awk '{print $4, $5, $6, $7}')"
    tk_click_point $((x + $2)) $((y + $3))
}

tk_type() {
    xdotool type --delay 50 "$1"
}

tk_text() {
    tk_line widget "$1" | sed -e 's/^.* text=//'
}

tk_wait_text() {
    local name="$1" pattern="$2" seconds="${3:-20}"
    local tries=$((seconds * 10))
    while [ "$tries" -gt 0 ]; do
        if tk_text "$name" | grep -Eq -- "$pattern"; then return 0; fi
        kill -0 "$TK_PID" 2>/dev/null || tk_fail "the game ended while waiting for $name"
        sleep 0.1
        tries=$((tries - 1))
    done
    tk_fail "widget $name does not read /$pattern/ after $seconds s (it reads: $(tk_text "$name"))"
}

tk_wait_file() {
    local path="$1" seconds="${2:-20}"
    local tries=$((seconds * 10))
    while [ "$tries" -gt 0 ]; do
        [ -e "$path" ] && return 0
        kill -0 "$TK_PID" 2>/dev/null || tk_fail "the game ended while waiting for $path"
        sleep 0.1
        tries=$((tries - 1))
    done
    tk_fail "no file $path after $seconds s"
}

tk_close_window() {
    [ -x "${TK_CLOSE_TOOL:-}" ] || tk_fail "no tk-close-window given to tk_setup"
    local id
    id="$(xdotool search --onlyvisible --pid "$TK_PID" --name "$1" 2>/dev/null | head -n 1)"
    [ -n "$id" ] || tk_fail "no visible window titled /$1/"
    "$TK_CLOSE_TOOL" "$id" || tk_fail "could not ask window $id to close"
}

tk_restart() {
    if [ -n "${TK_PID:-}" ]; then
        kill -9 "$TK_PID" 2>/dev/null
        wait "$TK_PID" 2>/dev/null
        TK_PID=""
    fi
    tk_start "$@"
}

# A Data folder whose settings play at fast speed (FastMode -1 in the last two bytes): a week
# takes one step.
tk_fast_data() {
    mkdir -p "$TK_DATA"
    { head -c 698 /dev/zero; printf '\377\377'; } >"$TK_DATA/SaveData.Kumo"
}

# Closes the main screen saving the game, then quits from the title screen.
tk_save_and_quit() {
    tk_close_window 'チーム名'
    tk_wait_window MesQWin
    tk_click_text はい
    tk_wait_window BeginForm
    tk_wait_widget Command1
    tk_click Command1
    tk_wait_exit 20
}

tk_new_game_notice() {
    tk_click SaveData0
    tk_wait_window NewGameWin
    tk_click NameText0
    xdotool type --delay 50 "$1"
    tk_click NameText1
    xdotool type --delay 50 "$2"
    tk_click_text "はじめる！"
    tk_wait_window MeSForm
}

tk_wid() {
    tk_line window "$1" | sed -n -e 's/^.* wid=\([0-9]*\) .*$/\1/p'
}

tk_x_focus_is() {
    local window="$1" widget="${2:-}" tries=50 wid focus
    while [ "$tries" -gt 0 ]; do
        wid="$(tk_wid "$window")"
        focus="$(xdotool getwindowfocus 2>/dev/null)"
        if [ -n "$wid" ] && [ "$focus" = "$wid" ] &&
            { [ -z "$widget" ] || [ "$(tk_focus_name)" = "$widget" ]; }; then
            return 0
        fi
        sleep 0.1
        tries=$((tries - 1))
    done
    tk_fail "the X focus is on window ${focus:-none} ($(xdotool getwindowfocus getwindowname 2>/dev/null)), not on $window ${wid:-(not shown)}; Qt's focus on '$(tk_focus_name)', not '$widget'"
}
