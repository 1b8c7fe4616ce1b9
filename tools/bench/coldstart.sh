#!/usr/bin/env bash
# Times the start of the game to its painted title screen against a bare Qt window started
# the same way (tk-bare-window), each the median of several fresh processes.
#
#   tools/bench/coldstart.sh [build folder] [runs]
#
# The build folder needs -DTK_BUILD_BENCHMARKS=ON (default: build). The game quits once its
# title screen is painted because TK_EXIT_WHEN_SHOWN=1 is set. Without a display the Qt
# platform is "offscreen" (set QT_QPA_PLATFORM to choose another, e.g. xcb under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${1:-build}"
runs="${2:-15}"
game="$build/app/tennis-kantoku"
bare="$build/tools/tk-bare-window"
for program in "$game" "$bare"; do
  if [ ! -x "$program" ]; then
    echo "coldstart: $program is missing (configure with -DTK_BUILD_BENCHMARKS=ON and build it)" >&2
    exit 1
  fi
done
if [ -z "${QT_QPA_PLATFORM:-}" ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  export QT_QPA_PLATFORM=offscreen
fi

# Microseconds from the start of the process to its exit, for each of $1 runs of the rest.
time_runs() {
  local n="$1" i start end
  shift
  for ((i = 0; i < n; i++)); do
    start=$(date +%s%N)
    TK_EXIT_WHEN_SHOWN=1 timeout 60 "$@" > /dev/null 2>&1
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
  done
}

median_ms() {
  sort -n | awk '{v[NR] = $1} END {m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f", m / 1000}'
}

work="$(mktemp -d "${TMPDIR:-/tmp}/tk-coldstart-XXXXXX")"
trap 'rm -rf "$work"' EXIT
# One start of each first, so that both read the libraries from the same warm cache.
time_runs 1 "$bare" > /dev/null
time_runs 1 "$game" > /dev/null
# Interleaved, so that a machine busy with other work slows both alike.
for ((i = 0; i < runs; i++)); do
  time_runs 1 "$bare" >> "$work/bare"
  time_runs 1 "$game" >> "$work/game"
done
bare_ms=$(median_ms < "$work/bare")
game_ms=$(median_ms < "$work/game")
ratio=$(awk -v g="$game_ms" -v b="$bare_ms" 'BEGIN {printf "%.2f", g / b}')
echo "platform: ${QT_QPA_PLATFORM:-default}, $runs runs each (median)"
echo "bare Qt window: $bare_ms ms"
echo "title screen:   $game_ms ms"
echo "ratio:          $ratio (target: 1.5 or less)"
