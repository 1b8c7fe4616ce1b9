#!/usr/bin/env bash
# Runs a command in an X server (Xvfb) of its own, with DISPLAY set to it.
#
#   xvfb.sh WIDTHxHEIGHTxDEPTH COMMAND [ARGS...]
#
# Each server takes a display number of its own, derived from the process id, and writes it
# to a file once it takes connections (-displayfd), so several tests can start their servers
# at the same time; xvfb-run -a tries the same free number in every test started at once
# and may lose it to a server starting beside it.
set -euo pipefail

screen="$1"
shift
dir="$(mktemp -d "${TMPDIR:-/tmp}/tk-xvfb-XXXXXX")"
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 143' TERM INT

display=""
for try in 1 2 3 4 5 6 7 8; do
    # A display number from this script's process id, above the numbers xvfb-run -a takes
    # (99 and down); a server already on it makes Xvfb end at once, and the next is tried.
    number=$((100 + ($$ + try * 113) % 900))
    told="$dir/display.$try"
    Xvfb ":$number" -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$told" \
        >"$dir/xvfb.log" 2>&1 &
    xvfb_pid=$!
    # The number is written, with a line break, once the server takes connections; a client
    # then opens it, to be sure that it is this server that answers there.
    for _ in $(seq 200); do
        grep -qx "$number" "$told" 2>/dev/null && xdpyinfo -display ":$number" >/dev/null 2>&1 &&
            display="$number" && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.05
    done
    [ -n "$display" ] && break
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
done
if [ -z "$display" ]; then
    echo "FAIL: Xvfb did not start:" >&2
    tail -n 5 "$dir/xvfb.log" >&2
    exit 1
fi

export DISPLAY=":$display"
unset XAUTHORITY
status=0
"$@" || status=$?
exit "$status"
