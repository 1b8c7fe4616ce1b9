#!/usr/bin/env bash
# The game as a screen reader meets it: a private D-Bus session with the accessibility bus,
# the real program with Qt's accessibility on, played through AT-SPI by screen_reader_test.py.
. "$(dirname "$0")/lib.sh"
command -v dbus-run-session >/dev/null || tk_fail "dbus-run-session is missing (scripts/deps.sh)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || tk_fail "python3-pyatspi is missing (scripts/deps.sh)"
tk_setup "$1"
dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/screen_reader_test.py" "$TK_GAME" "$TK_DATA" ||
    tk_fail "the game could not be played through AT-SPI"
