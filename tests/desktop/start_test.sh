#!/usr/bin/env bash
# The real program starts on its title screen in an X server, with its four slots.
. "$(dirname "$0")/lib.sh"
tk_setup "$1"
tk_start
tk_wait_window BeginForm
for n in 0 1 2 3; do tk_wait_widget "SaveData$n"; done
grep -q 'text=データ1$' "$TK_REPORT" || tk_fail "the first slot button does not read データ1"
echo "ok: title screen with four slots"
