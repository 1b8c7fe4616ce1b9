#!/usr/bin/env bash
# Whole starts of the game against a bare Qt window started the same way: wall time and peak
# resident memory (/usr/bin/time) of each, the median of several fresh processes, for
#   bare      tk-bare-window, an empty 640 x 480 window (the yardstick)
#   text      tk-bare-window --text, the same window with one line of Japanese text and a
#             bold heading: what any screen of the game must at least load (fonts)
#   title     the game to its painted title screen
#   main      the game straight onto the main screen of a saved game (TK_START_SLOT=1)
# Each process quits once its window is painted (TK_EXIT_WHEN_SHOWN=1). The runs are
# interleaved so that a busy machine slows all four alike.
#
#   xvfb-run -a -s "-screen 0 1600x1200x24" tools/bench/start_memory.sh [build folder] [runs]
#
# The build folder needs -DTK_BUILD_BENCHMARKS=ON (default: build); runs default to 15.
set -euo pipefail
cd "$(dirname "$0")/../.."
build="$(realpath "${1:-build}")"
runs="${2:-15}"
game="$build/app/tennis-kantoku"
bare="$build/tools/tk-bare-window"
sim="$build/tools/tk-sim"
for program in "$game" "$bare" "$sim"; do
    if [ ! -x "$program" ]; then
        echo "start_memory: $program is missing (configure with -DTK_BUILD_BENCHMARKS=ON and build it)" >&2
        exit 1
    fi
done
[ -x /usr/bin/time ] || { echo "start_memory: needs /usr/bin/time (Debian package time)" >&2; exit 1; }
if [ -z "${QT_QPA_PLATFORM:-}" ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    export QT_QPA_PLATFORM=offscreen
fi

# The game runs from a folder of its own, its Data beside it, with a saved game in slot 1:
# two seasons of the active manager, with their history (without one, the game would first say
# that it starts the records now).
work="$(mktemp -d "${TMPDIR:-/tmp}/tk-startmem-XXXXXX")"
trap 'rm -rf "$work"' EXIT
cp "$game" "$work/tennis-kantoku"
"$sim" --policy active --seed 7 --weeks 96 --funds 100000 --data "$work/Data" --slot 0 --quiet \
    --history "$work/Data/Save0.Kumo.history" >/dev/null
export HOME="$work" XDG_DATA_HOME="$work/share" XDG_CONFIG_HOME="$work/config"

# One run of a case: "wall-microseconds peak-kilobytes cpu-microseconds" on stdout.
run_case() {
    local start end
    local -a command
    case "$1" in
        bare) command=("$bare") ;;
        text) command=("$bare" --text) ;;
        title) command=("$work/tennis-kantoku") ;;
        main) command=(env TK_START_SLOT=1 "$work/tennis-kantoku") ;;
    esac
    start=$(date +%s%N)
    TK_EXIT_WHEN_SHOWN=1 /usr/bin/time -f "%M %U %S" -o "$work/rss" timeout 60 "${command[@]}" \
        >/dev/null 2>&1
    end=$(date +%s%N)
    tail -n 1 "$work/rss" | awk -v us=$(((end - start) / 1000)) '{print us, $1, ($2 + $3) * 1e6}'
}
cases=(bare text title main)
# One start of each first, so that all read their libraries and fonts from a warm cache.
for c in "${cases[@]}"; do run_case "$c" >/dev/null; done
for ((i = 0; i < runs; i++)); do
    for c in "${cases[@]}"; do run_case "$c" >>"$work/$c.txt"; done
done

# Median, lowest and highest of column $1 of a file.
stats() {
    awk -v col="$1" '{print $col}' "$2" | sort -n | awk '{v[NR] = $1}
        END {m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; print m, v[1], v[NR]}'
}

echo "platform: ${QT_QPA_PLATFORM:-default}, $runs runs each (median, lowest-highest);"
echo "cpu: user + system time, which a busy machine disturbs less than the wall time"
read -r bare_us _ _ <<<"$(stats 1 "$work/bare.txt")"
read -r bare_kb _ _ <<<"$(stats 2 "$work/bare.txt")"
read -r bare_cpu _ _ <<<"$(stats 3 "$work/bare.txt")"
read -r text_kb _ _ <<<"$(stats 2 "$work/text.txt")"
for c in "${cases[@]}"; do
    read -r us us_lo us_hi <<<"$(stats 1 "$work/$c.txt")"
    read -r kb kb_lo kb_hi <<<"$(stats 2 "$work/$c.txt")"
    read -r cpu _ _ <<<"$(stats 3 "$work/$c.txt")"
    awk -v c="$c" -v us="$us" -v ul="$us_lo" -v uh="$us_hi" -v kb="$kb" -v kl="$kb_lo" \
        -v kh="$kb_hi" -v cpu="$cpu" -v bu="$bare_us" -v bk="$bare_kb" -v bc="$bare_cpu" \
        -v tk="$text_kb" 'BEGIN {
        printf "%-6s %6.1f ms (%.1f-%.1f) %4.2fx  cpu %5.1f ms %4.2fx  peak %5.1f MiB (%.1f-%.1f) %4.2fx bare %4.2fx text\n",
               c, us / 1000, ul / 1000, uh / 1000, us / bu, cpu / 1000, cpu / bc,
               kb / 1024, kl / 1024, kh / 1024, kb / bk, kb / tk}'
done
echo "targets: peak memory of the title at most 1.10x the text window's, of the main screen 1.30x;"
echo "         the main screen's wall time at most 1.6x the bare window's"
