#!/usr/bin/env bash
# What a start pays for before its first screen is painted: the title screen and the main
# screen of a saved game (with its history) map neither Qt Charts, Qt's OpenGL, Qt SQL nor
# SQLite (the history opens after the paint), nor an image plugin (the pictures are compiled
# in as pixels, the menu bar's overflow arrow is read when shown), and sync no file (the slot's
# lock is an advisory lock that needs no sync).
#   lean_start_test.sh GAME TK_SIM
set -u
game="$1" sim="$2"
work="$(mktemp -d "${TMPDIR:-/tmp}/tk-lean-XXXXXX")"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cp "$game" "$work/tennis-kantoku"
"$sim" --policy active --seed 7 --weeks 96 --funds 100000 --data "$work/Data" --slot 0 --quiet \
    --history "$work/Data/Save0.Kumo.history" >/dev/null || { echo "FAIL: tk-sim"; exit 1; }
export HOME="$work" XDG_DATA_HOME="$work/share" XDG_CONFIG_HOME="$work/config"
export QT_QPA_PLATFORM=offscreen TK_EXIT_WHEN_SHOWN=1

# start NAME [VAR=VALUE...]: the game started to its first screen, with its mapped libraries
# in $work/NAME.maps and its syncs in $work/NAME.syncs (when strace is there).
start() {
    local name="$1"
    shift
    local -a trace=()
    command -v strace >/dev/null &&
        trace=(strace -f -qq -y -e trace=fsync,fdatasync,sync_file_range -o "$work/$name.syncs")
    env "$@" TK_SHOWN_MAPS="$work/$name.maps" timeout 60 "${trace[@]}" "$work/tennis-kantoku" \
        >/dev/null 2>&1 || fail "$name: the game did not start and quit once painted"
    [ -s "$work/$name.maps" ] || fail "$name: no map of the libraries written"
}

# A first start writes the caches of a new home folder (fontconfig syncs its own).
start warm
start title
start main TK_START_SLOT=1
for name in title main; do
    unwanted='libQt6Charts|libQt6OpenGL|libQt6Sql|libsqlite|tennis-kantoku-(charts|history)|imageformats/'
    found="$(grep -oE "($unwanted)[^ ]*" "$work/$name.maps" | sort -u | tr '\n' ' ')"
    [ -z "$found" ] || fail "$name: maps $found before its first paint"
    if [ -f "$work/$name.syncs" ]; then
        syncs="$(grep -E 'fsync|fdatasync|sync_file_range' "$work/$name.syncs")"
        [ -z "$syncs" ] || fail "$name: syncs before its first paint: $syncs"
    fi
done
[ "$failures" -eq 0 ] && echo "ok: title and main screen start without charts, OpenGL, SQL, image plugins or syncs"
exit "$failures"
