#!/usr/bin/env bash
# tennis-kantoku --help, --version and wrong command lines, with no display to connect to:
# each answers on its own stream with its status, without opening a window.
#   command_line_test.sh GAME VERSION
set -u
game="$1"
version="$2"
out="$(mktemp)"
err="$(mktemp)"
trap 'rm -f "$out" "$err"' EXIT
failures=0

# expect STATUS STREAM TEXT -- ARGS...: the game run with ARGS ends with STATUS and STREAM
# (out or err) holds TEXT; the other stream stays empty.
expect() {
    local status="$1" stream="$2" text="$3"
    shift 4
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$game" "$@" >"$out" 2>"$err"
    local got=$?
    local holder="$out" other="$err"
    [ "$stream" = err ] && holder="$err" other="$out"
    if [ "$got" -ne "$status" ] || ! grep -qF -- "$text" "$holder" || [ -s "$other" ]; then
        echo "FAIL: $* -> status $got (expected $status), std$stream should hold: $text" >&2
        echo "--- stdout"; cat "$out"; echo "--- stderr"; cat "$err"
        failures=$((failures + 1))
    fi
}

expect 0 out "テニス監督 (tennis-kantoku) $version" -- --version
expect 0 out "  -h, --help" -- --help
expect 0 out "使い方: tennis-kantoku" -- -h
expect 0 out "--version" -- --bogus --help
expect 2 err "知らないオプションです: --bogus" -- --bogus
expect 2 err "知らないオプションです: -x" -- -platform offscreen -x
expect 2 err "引数は受け付けません: Save0.Kumo" -- Save0.Kumo
expect 2 err "-style の後に値がありません" -- -style
[ "$failures" -eq 0 ] && echo "ok: --help, --version and wrong command lines"
exit "$failures"
