#!/usr/bin/env bash
# Pictures of the Windows program under Wine on a virtual display, in the Bulgarian region:
# after a calculation of values in the thousands, with a row's tooltip, and with a refusal's
# message box; then "Решение" after that refusal and for a = 5, c = 10, and the window of any
# two elements for a = 5, c = 10, for c = 10, α = 30° and for the projections 9 and 16.
# Usage: scripts/capture-window-win32.sh BUILD_DIR OUTPUT_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "$1" && pwd)"
mkdir -p "$2"
out="$(cd "$2" && pwd)"
export LANG=bg_BG.UTF-8 # Wine takes the region from it; the locale must exist (localedef)
export WINEPREFIX="$build/screenshot-prefix"
unset DISPLAY
trap '"$here/wine-session.sh" stop' EXIT
"$here/wine-session.sh" start
DISPLAY="$(cat "$WINEPREFIX/display")"
export DISPLAY WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all

wine "$build/app/triangle-solver.exe" &
window=""
for _ in $(seq 1 100); do
    window=$(xwininfo -root -children | awk '/triangle.example.org/ && /"triangle-solver.exe"/ {print $1; exit}')
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "The window did not appear." >&2; exit 1; }
sleep 1
# The window's frame, drawn by Wine, lies around the client area; places below are the
# client's, in pixels at 96 DPI (twips / 15).
eval "$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print "wx=" $NF} /Absolute upper-left Y/ {print "wy=" $NF} /Width/ {print "ww=" $NF} /Height/ {print "wh=" $NF}')"
frame_x=$(((ww - 471) / 2))
frame_y=$((wh - 347 - frame_x))
click() { xdotool mousemove $((wx + frame_x + $1)) $((wy + frame_y + $2)) click 1; sleep 0.3; }
# A click into the field at x y, then the text typed into it.
fill() { click "$1" "$2"; xdotool type --delay 30 "$3"; }

fill 160 65 3000 # Text2(0), a
fill 224 65 5000 # Text2(1), c
xdotool key Return
sleep 0.5
xdotool mousemove $((wx + ww + 50)) $((wy + wh + 50))
sleep 0.5
import -window root -crop "${ww}x${wh}+${wx}+${wy}" "$out/calculated.png"

xdotool mousemove $((wx + frame_x + 352)) $((wy + frame_y + 65)) # Text2(3), S
sleep 2
import -window root -crop "$((ww + 260))x$((wh + 40))+${wx}+${wy}" "$out/tooltip.png"

xdotool mousemove $((wx + ww + 50)) $((wy + wh + 50))
click 60 116 # Option1(2), variant 3: c and S
fill 224 117 10 # Text2(9), c
fill 352 117 26 # Text2(11), S
xdotool key Return
sleep 1.5
import -window root -crop "$((ww + 200))x$((wh + 120))+0+0" "$out/refusal.png"
for _ in $(seq 1 10); do
    [ "$(xwininfo -root -children | grep -c '"triangle-solver.exe".*[0-9][0-9]x[0-9][0-9]')" -le 1 ] && break
    xdotool key Return
    sleep 0.5
done
# The program's other window that is largest on screen: the one just opened.
capture_other() {
    local other
    other=$(xwininfo -root -children | awk -v main="$window" '/"triangle-solver.exe"/ && $1 != main {
        if (match($0, /[0-9]+x[0-9]+[+-]/)) { split(substr($0, RSTART, RLENGTH - 1), wh, "x")
        if (wh[1] * wh[2] > best) { best = wh[1] * wh[2]; id = $1 } } } END { print id }')
    [ -n "$other" ] || { echo "No window to capture for $1." >&2; return 1; }
    eval "$(xwininfo -id "$other" | awk '/Absolute upper-left X/ {print "ox=" $NF} /Absolute upper-left Y/ {print "oy=" $NF} /Width/ {print "ow=" $NF} /Height/ {print "oh=" $NF}')"
    import -window root -crop "${ow}x${oh}+${ox}+${oy}" "$out/$1.png"
}
keys() { xdotool key --delay 150 "$@"; sleep 0.5; }
typed() { xdotool type --delay 60 "$1"; }

keys ctrl+r # "Решение" after the refusal: the bound's isosceles triangle, long lines wrapped
sleep 1.5
capture_other solution-refusal
keys Escape
click 60 65 # Option1(0), variant 1: a and c
click 160 65
typed 5
click 224 65
typed 10
keys Return ctrl+r
sleep 1.5
capture_other solution-a5-c10
keys Escape ctrl+2 # the window of any two elements, with the row's a and c
sleep 1.5
capture_other elements-a5-c10
# From a: Tab to "Изчисти", then back to c; the fields in reading order, then the buttons.
keys Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab space
keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
typed 10
keys Tab
typed 30
keys Return
sleep 1
capture_other elements-c10-alpha30
keys Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab space
keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
typed 9
keys Tab
typed 16
keys Return
sleep 1
capture_other elements-projections-9-16

wine taskkill /im triangle-solver.exe >/dev/null 2>&1 || true
echo "Saved $out/calculated.png, tooltip.png, refusal.png, solution-*.png and elements-*.png"
