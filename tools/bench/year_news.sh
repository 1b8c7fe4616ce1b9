#!/usr/bin/env bash
# One game year of a level-5 club in the real program, timed on the wall clock: the game runs
# under Xvfb with openbox (tests/desktop/lib.sh), in fast mode (高速), and is played with
# 連続進行 alone — the script presses 9 whenever a run has stopped and nothing else is on
# screen, and TK_ANSWER_AT_ONCE=1 makes the program answer every question "はい", confirm every
# screen that waits for a decision (the lineup, the camp choice, the renewal's dismissal screen)
# and press "結果へ" on every match the moment it opens. Notices and the match announcement
# take their own time, and so does each practice week (one step of a second in fast mode).
# Prints the seconds from the first press in 4月1週 to the next 4月1週.
#
#   tools/bench/year_news.sh [BUILD_DIR] [news|closes|waits] [SEED]
#
# news: the news column (the reports open no dialog); closes: the rules' five-second notices
# (the default); run by hand, not in CI. Needs xvfb-run, openbox, xdotool and python3, and
# BUILD_DIR with app/tennis-kantoku and tools/tk-sim built.
#
# "Level 5" is the club's team level (`TeamLevel`), the highest: a 3億円 budget, every
# tournament open up to ワールドテニス, and a season of some 80-120 notices, most of them one
# per bout. The save is made by the simulator's careful manager from a new game (seed SEED,
# default 3; seeds 1 and 2 go bankrupt first): sixteen seasons, which brings it to level 5 (checked), saved in 4月1週 with its
# history beside it, as the game keeps it.
set -u
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"

if [ "${1:-}" != --inside ]; then
    exec xvfb-run -a -s "-screen 0 1366x768x24" bash "$0" --inside "$@"
fi
shift
build="$(cd "${1:-build}" && pwd)"
mode="${2:-news}"
seed="${3:-3}"
case "$mode" in
    closes) mode_byte=0 ;;
    waits) mode_byte=1 ;;
    news) mode_byte=2 ;;
    *) echo "year_news.sh: mode is news, closes or waits" >&2; exit 2 ;;
esac

. "$root/tests/desktop/lib.sh"
tk_setup "$build/app/tennis-kantoku"
mkdir -p "$TK_DATA"

sim_out="$("$build/tools/tk-sim" --policy careful --seed "$seed" --weeks $((48 * 16)) \
    --data "$TK_DATA" --slot 0 --history "$TK_DATA/Save0.Kumo.history" 2>&1)" ||
    tk_fail "tk-sim: $sim_out"
echo "$sim_out" | grep -q '^level: 5$' || tk_fail "the save is not at level 5: $sim_out"
# The simulator leaves the place of a regular it let go at the renewal empty; a player fills
# it before the first week, as this does with the players not in the lineup, in squad order.
"$build/tools/tk-savetool" export "$TK_DATA/Save0.Kumo" >"$TK_DIR/save.json" || tk_fail "export"
python3 - "$TK_DIR/save.json" <<'PY'
import json, sys
game = json.load(open(sys.argv[1]))
squad = [p for p in game['Players'] if p['FamilyName'] != 0]
free = sorted({1, 2, 3, 4, 5} - {p['Order'] for p in squad})
for p in squad:
    if p['Order'] == 0 and free:
        p['Order'] = free.pop(0)
json.dump(game, open(sys.argv[1], 'w'), ensure_ascii=False)
PY
"$build/tools/tk-savetool" import "$TK_DIR/save.json" "$TK_DATA/Save0.Kumo" >/dev/null ||
    tk_fail "import"

# The settings: slot 1, fast mode, the notice choice in its spare byte (offset 3).
python3 - "$TK_DATA/SaveData.Kumo" "$mode_byte" <<'PY'
import struct, sys
data = bytearray(700)
struct.pack_into('<h', data, 0, 1030)  # Version
data[2] = 0                            # CurrentSlot
data[3] = int(sys.argv[2])             # the notice choice
struct.pack_into('<h', data, 696, 50)  # SpareWord, as a new game leaves it
struct.pack_into('<h', data, 698, -1)  # FastMode: 高速
open(sys.argv[1], 'wb').write(data)
PY

tk_start TK_START_SLOT=1 TK_ANSWER_AT_ONCE=1
tk_wait_window MainWin 60
date_of() { grep -E '^window MainWin ' "$TK_REPORT" | grep -oE '[0-9]+年目 [0-9]+月 [0-9]+週' | head -n 1; }
first="$(date_of)"
case "$first" in *"年目 4月 1週") ;; *) tk_fail "the save is not in 4月1週: $first" ;; esac
target="$((${first%%年目*} + 1))年目 4月 1週"
week0=$((48 * (${first%%年目*} - 1) + 13))
# Only the main screen on show: no run under way, no window waiting.
idle() {
    [ "$(grep -c '^window ' "$TK_REPORT")" = 1 ] && [ -n "$(tk_line window MainWin)" ] &&
        [ -z "$(tk_line widget AdvanceStatus)" ]
}
sleep 1  # the history opens after the first paint

start=$(date +%s.%N)
presses=0
refocused=0
deadline=$((SECONDS + ${TK_BENCH_TIMEOUT:-900}))
while [ "$(date_of)" != "$target" ]; do
    [ "$SECONDS" -lt "$deadline" ] || tk_fail "no $target after ${TK_BENCH_TIMEOUT:-900} s (at $(date_of))"
    kill -0 "$TK_PID" 2>/dev/null || tk_fail "the game ended at $(date_of)"
    if idle; then
        before="$(md5sum <"$TK_REPORT")"
        # A player clicks the main screen when the focus went elsewhere after a dialog.
        main_wid="$(tk_wid MainWin)"
        if [ -n "$main_wid" ] && [ "$(xdotool getwindowfocus 2>/dev/null)" != "$main_wid" ]; then
            xdotool windowactivate --sync "$main_wid" 2>/dev/null
            refocused=$((refocused + 1))
        fi
        xdotool key 9
        presses=$((presses + 1))
        # Until the screen answers (a run shows its status), or the key is tried again.
        tries=100
        while [ "$tries" -gt 0 ] && [ "$(md5sum <"$TK_REPORT")" = "$before" ]; do
            sleep 0.02
            tries=$((tries - 1))
        done
    else
        sleep 0.02
    fi
done
end=$(date +%s.%N)
# The program's own CPU time (user + system, in clock ticks) over its whole run.
cpu="$(awk -v hz="$(getconf CLK_TCK)" '{printf "%.1f", ($14 + $15) / hz}' "/proc/$TK_PID/stat")"
printf 'year_news: %s, %s -> %s in %.1f s wall (%d presses of 9, the focus brought back %d times; the program used %s s of CPU; load %s)\n' \
    "$mode" "$first" "$target" "$(echo "$end - $start" | bc -l)" "$presses" "$refocused" "$cpu" \
    "$(cut -d' ' -f1-3 /proc/loadavg)"
tk_stop
# What the year held: its messages by kind, from the history as the game wrote it week by week.
"$build/tools/tk-savetool" export-history "$TK_DATA/Save0.Kumo" 2>/dev/null |
    python3 -c '
import json, sys
h = json.load(sys.stdin)
rows = [m for m in h.get("messages", []) if m.get("week", 0) >= int(sys.argv[1])]
kinds = {}
for m in rows:
    kinds[m.get("kind")] = kinds.get(m.get("kind"), 0) + 1
# With "結果へ" the bouts of a match are told in its one summary ("試合結果").
matches = [m["week"] for m in rows if m["title"] == "試合結果"]
weeks = len(set(matches))
print("year_news: messages of the year by kind:", dict(sorted(kinds.items())))
# What the clock alone takes in fast mode: a second per practice week, 0.4 s per announcement.
print("year_news: %d matches in %d match weeks; the practice weeks and announcements take %.0f s"
      % (len(matches), weeks, (48 - weeks) * 1.0 + len(matches) * 0.4))
' "$week0" || true
