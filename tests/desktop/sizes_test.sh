#!/usr/bin/env bash
# Any screen size: the main screen of a new game fits 1366×768 at 100 %, 1920×1080 at 150 %
# and 3840×2160 at 200 % (each in its own X server with openbox): the window lies inside
# the screen and every control inside the window, so nothing scrolls or is cut off. With
# TK_SHOT_DIR set, a screenshot of each size is saved there (needs imagemagick).
. "$(dirname "$0")/lib.sh"

if [ "${1:-}" = --size ]; then
    # Inside the X server of one size: $2 game, $3 scale, $4 width, $5 height.
    tk_setup "$2"
    scale="$3" width="$4" height="$5"
    tk_start QT_SCALE_FACTOR="$scale"
    TK_SCALE="$scale"
    # Clicks land in device pixels; the report is in logical ones.
    tk_click_point() { xdotool mousemove --sync "$(awk -v a="$1" -v s="$scale" 'BEGIN{printf "%d", a*s}')" \
        "$(awk -v a="$2" -v s="$scale" 'BEGIN{printf "%d", a*s}')" click 1; }
    tk_new_game Team Mgr
    sleep 0.5  # the report is rewritten a moment after the last change
    [ -n "${TK_SHOT_DIR:-}" ] && mkdir -p "$TK_SHOT_DIR" &&
        import -window root "$TK_SHOT_DIR/main-${width}x${height}-${scale}.png"
    awk -v sw="$(awk -v w="$width" -v s="$scale" 'BEGIN{print w/s}')" \
        -v sh="$(awk -v h="$height" -v s="$scale" 'BEGIN{print h/s}')" '
        /^window / { inside = ($2 == "MainWin");
                     if (inside) { wx = $4; wy = $5; ww = $6; wh = $7;
                         if (wx < 0 || wy < 0 || wx + ww > sw || wy + wh > sh) {
                             print "the main window " ww "x" wh "+" wx "+" wy " is not inside the screen " sw "x" sh; bad = 1 } } }
        inside && /^widget / && / visible=1 / {
            x = $4; y = $5; w = $6; h = $7
            if (x < wx || y < wy || x + w > wx + ww || y + h > wy + wh) {
                print "widget " $2 " " w "x" h "+" x "+" y " is not inside the main window"; bad = 1 } }
        END { exit bad }' "$TK_REPORT" || tk_fail "the main screen does not fit ${width}x${height} at ${scale}"
    echo "ok: the main screen fits ${width}x${height} at $(awk -v s="$scale" 'BEGIN{print s*100}') %"
    tk_stop
    exit 0
fi

status=0
for size in "1 1366 768" "1.5 1920 1080" "2 3840 2160"; do
    read -r scale width height <<<"$size"
    xvfb-run -a -s "-screen 0 ${width}x${height}x24" bash "$0" --size "$1" "$scale" "$width" "$height" ||
        status=1
done
exit "$status"
