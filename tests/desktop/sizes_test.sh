#!/usr/bin/env bash
# Any screen size: the main screen of a new game and every screen its keys open fit
# 1366×768 at 100 %, 1920×1080 at 150 % and 3840×2160 at 200 % (each in its own X server with
# openbox): each window lies inside the screen and every control inside its window, so
# nothing scrolls or is cut off. With TK_SHOT_DIR set, a screenshot of each is saved there
# (needs imagemagick). ctest runs each size as a test of its own (--size); without arguments
# but the game, all three run one after another.
. "$(dirname "$0")/lib.sh"

# The screens the main screen opens by a key, and their windows.
SCREENS="2:PracMenuWin 3:GameSetWin 4:ItemsWin 5:SetWIn 6:ZimuWin 7:PlayerSetWin
8:WholeTochiWin F2:SensyuWin F3:RegurarSetWin F4:TochiWin F5:DistributeWin F1:HelpWin
ctrl+m:RirekiWin ctrl+r:KirokuWin"

if [ "${1:-}" = --size ]; then
    # Inside the X server of one size: $2 game, $3 scale, $4 width, $5 height, $6 "dialogs"
    # to open the other screens too.
    tk_setup "$2"
    scale="$3" width="$4" height="$5"
    tk_start QT_SCALE_FACTOR="$scale"
    TK_SCALE="$scale"
    # Clicks land in device pixels; the report is in logical ones.
    tk_click_point() { xdotool mousemove --sync "$(awk -v a="$1" -v s="$scale" 'BEGIN{printf "%d", a*s}')" \
        "$(awk -v a="$2" -v s="$scale" 'BEGIN{printf "%d", a*s}')" click 1; }
    shot() {
        [ -n "${TK_SHOT_DIR:-}" ] || return 0
        mkdir -p "$TK_SHOT_DIR" && import -window root "$TK_SHOT_DIR/$1-${width}x${height}-${scale}.png"
    }
    # Window $1 lies inside the screen and its visible controls inside it.
    fits() {
        sleep 0.3  # the report is rewritten a moment after the last change
        awk -v name="$1" -v sw="$(awk -v w="$width" -v s="$scale" 'BEGIN{print w/s}')" \
            -v sh="$(awk -v h="$height" -v s="$scale" 'BEGIN{print h/s}')" '
            /^window / { inside = ($2 == name);
                         if (inside) { wx = $4; wy = $5; ww = $6; wh = $7;
                             if (wx < 0 || wy < 0 || wx + ww > sw || wy + wh > sh) {
                                 print "window " name " " ww "x" wh "+" wx "+" wy " is not inside the screen " sw "x" sh; bad = 1 } } }
            inside && /^widget / && / visible=1 / {
                x = $4; y = $5; w = $6; h = $7
                if (x < wx || y < wy || x + w > wx + ww || y + h > wy + wh) {
                    print "widget " $2 " " w "x" h "+" x "+" y " is not inside " name; bad = 1 } }
            END { exit bad }' "$TK_REPORT" || tk_fail "$1 does not fit ${width}x${height} at ${scale}"
        shot "$1"
    }
    percent="$(awk -v s="$scale" 'BEGIN{print s*100}')"
    tk_new_game Team Mgr
    fits MainWin
    echo "ok: the main screen fits ${width}x${height} at $percent %"
    if [ "${6:-}" = dialogs ]; then
        for entry in $SCREENS; do
            key="${entry%%:*}" name="${entry#*:}"
            tk_key "$key"
            tk_wait_window "$name"
            fits "$name"
            tk_key Escape
            tk_wait_gone "$name"
        done
        echo "ok: every screen the main screen's keys open fits ${width}x${height} at $percent %"
    fi
    tk_stop
    exit 0
fi

status=0
for size in "1 1366 768 dialogs" "1.5 1920 1080 dialogs" "2 3840 2160 dialogs"; do
    read -r scale width height dialogs <<<"$size"
    bash "$(dirname "$0")/xvfb.sh" "${width}x${height}x24" bash "$0" --size "$1" "$scale" "$width" "$height" \
        "$dialogs" || status=1
done
exit "$status"
