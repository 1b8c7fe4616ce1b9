#!/usr/bin/env bash
# One look on every system: the main screen's widgets have the same sizes under
# LANG=C.UTF-8 as under LANG=ja_JP.UTF-8, and at 200 % (in Qt's logical pixels) as at 100 %.
# With TK_SHOT_DIR set, a screenshot of each case is saved there (needs imagemagick).
. "$(dirname "$0")/lib.sh"

# The size of the main window and of every widget in it, one per line.
main_sizes() {
    awk '/^window / { inside = ($2 == "MainWin") } inside && /^window / { print "window", $6, $7 }
         inside && /^widget / { print $2, $3, $6, $7 }' "$TK_REPORT"
}

# A new game up to the main screen; prints its sizes into $1.
capture() {
    local out="$1" shot="$2"
    shift 2
    rm -rf "$TK_DATA"
    tk_start "$@"
    tk_new_game Team Mgr
    sleep 0.5  # the report is rewritten a moment after the last change
    main_sizes >"$out"
    [ -n "${TK_SHOT_DIR:-}" ] && import -window root "$TK_SHOT_DIR/$shot.png"
    tk_stop
}

if [ "${1:-}" = --scaled ]; then
    # Run again inside a screen large enough for the main screen at 200 %.
    tk_setup "$2"
    TK_SCALE=2 capture "$3" main-200 LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_SCALE_FACTOR=2
    exit 0
fi

tk_setup "$1"
capture "$TK_DIR/c.txt" main-C LANG=C.UTF-8 LC_ALL=C.UTF-8
capture "$TK_DIR/ja.txt" main-ja LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
[ "$(wc -l <"$TK_DIR/c.txt")" -gt 40 ] || tk_fail "the main screen reported only $(wc -l <"$TK_DIR/c.txt") widgets"
diff "$TK_DIR/c.txt" "$TK_DIR/ja.txt" || tk_fail "the main screen differs between LANG=C.UTF-8 and ja_JP.UTF-8"
echo "ok: the same main screen under C.UTF-8 and ja_JP.UTF-8"

bash "$(dirname "$0")/xvfb.sh" 2800x2000x24 bash "$0" --scaled "$1" "$TK_DIR/scaled.txt" ||
    tk_fail "the main screen at 200 % could not be reached"
diff "$TK_DIR/c.txt" "$TK_DIR/scaled.txt" || tk_fail "the main screen differs at 200 %"
echo "ok: the same main screen at 100 % and 200 %"
