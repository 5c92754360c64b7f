#!/usr/bin/env bash
# Listens to the window as a blind user does: runs the program under Orca on a virtual
# display, drives it with the keyboard and prints what Orca says after each step (its
# "SPEECH OUTPUT" lines). Everything runs in a private home, D-Bus session and display,
# and speech goes to a null sound device. Not part of the test suite: Orca's timing and
# wording belong to Orca; this is for looking.
# Needs Debian's orca, speech-dispatcher, espeak-ng, at-spi2-core, python3-pyatspi, dbus-x11,
# openbox, xdotool, x11-utils and xvfb.
# Usage: scripts/orca-speech.sh PROGRAM [LOCALE [WHAT]]
#   LOCALE defaults to bg_BG.UTF-8; WHAT is what to listen to: "window" (the default: the
#   main window's fields, tooltip and menu), "steps" ("Решение" arrowed through for 3-4-5
#   and for a = 5, c = 10, then a refusal's message box) or "elements" (the window of any
#   two elements for c = 10, α = 30°, its steps arrowed through).
set -euo pipefail
program=$(realpath "$1")
region=${2:-bg_BG.UTF-8}
what=${3:-window}

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        pid=${pids[i]}
        kill "$pid" 2>/dev/null || true
    done
    [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
    sleep 0.5
    rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM

export HOME=$work/home
export XDG_RUNTIME_DIR=$work/run
export XDG_CONFIG_HOME=$HOME/.config
export XDG_DATA_HOME=$HOME/.local/share
export XDG_CACHE_HOME=$HOME/.cache
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Sound goes nowhere: ALSA's null device, reached by speech-dispatcher's ALSA output.
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' > "$HOME/.asoundrc"
cat > "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'EOF'
AudioOutputMethod "alsa"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
Include "/etc/speech-dispatcher/clients/*.conf"
EOF

# Xvfb picks a free display itself and says which: others may be starting theirs too.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$work/display" > "$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 50); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=:$(head -n 1 "$work/display")
for _ in $(seq 1 50); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.1; done

eval "$(dbus-launch --sh-syntax)"
export DBUS_SESSION_BUS_ADDRESS DBUS_SESSION_BUS_PID
/usr/libexec/at-spi-bus-launcher --launch-immediately > "$work/atspi.log" 2>&1 &
pids+=($!)
openbox > "$work/openbox.log" 2>&1 &
pids+=($!)
# Windows are activated only once the window manager has said it is there.
for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id' && break
    sleep 0.1
done
sleep 1

# Started here, in the foreground, so that it ends with the script instead of lingering.
speech-dispatcher --run-single --timeout 0 > "$work/speechd.log" 2>&1 &
pids+=($!)
sleep 1

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=$region LC_ALL=$region "$program" \
    > "$work/program.log" 2>&1 &
pids+=($!)
window=""
for _ in $(seq 1 100); do
    window=$(xdotool search --class triangle-solver 2>/dev/null | tail -1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the window did not appear" >&2; cat "$work/program.log" >&2; exit 1; }

log=$work/orca.log
orca -e speech --debug-file="$log" > "$work/orca.out" 2>&1 &
pids+=($!)
for _ in $(seq 1 150); do
    grep -q 'SPEECH OUTPUT' "$log" 2>/dev/null && break
    sleep 0.1
done
sleep 2
# The keys go, as a user's do, to the window that has the focus.
for _ in $(seq 1 20); do
    xdotool windowactivate --sync "$window" > /dev/null 2>&1 || true
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ] && break
    sleep 0.5
done
[ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ] || { echo "the window did not take the focus (active: $(xdotool getactivewindow 2>&1), window: $window, candidates: $(xdotool search --class triangle-solver | tr "\n" " "))" >&2; exit 1; }
sleep 2

steps=$work/steps
: > "$steps"
heard() {
    # Names the step that the speech from now on belongs to; Orca writes its log late, so
    # the speech is sorted into the steps by its time once the steps are over.
    sleep "${2:-2.5}"
    printf '%s\t%s\n' "$(date +%H:%M:%S.%6N)" "$1" >> "$steps"
}
key() { xdotool key --delay 120 "$@"; }
type_text() { xdotool type --delay 120 "$1"; }

listen_to_window() {
    key Tab
    heard "Tab into Вариант 1, катет a"
    type_text 3
    key Tab
    type_text 5
    heard "Typed 3, Tab, typed 5"
    key Return
    heard "Enter: variant 1 with 3 and 5" 3
    key shift+F1
    heard "Shift+F1 on the hypotenuse" 3
    key Escape
    heard "Escape" 2
    key shift+F10
    heard "Shift+F10: the field's menu" 2
    key Up Up Up
    heard "Up three times: to the menu's entry for the whole triangle" 2
    key Return
    heard "Enter on it" 3
    key Escape
    heard "Escape" 2
    key shift+Tab
    type_text 5
    key Tab
    type_text 3
    heard "Typed 5, Tab, typed 3"
    key Return
    heard "Enter: variant 1 with 5 and 3" 4
    key Escape
    heard "Escape" 2
    key Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
    heard "Tab fourteen times, from a to the variant buttons" 3
    key Down
    heard "Down: Вариант 2" 2
    key Return
    heard "Enter in the group" 2
}

# Down through the first lines of the steps that have the focus.
arrow_through() {
    for line in $(seq 2 "$1"); do
        key Down
        heard "Down: line $line" 2.5
    done
}

listen_to_steps() {
    key Tab
    type_text 3
    key Tab
    type_text 5
    key Return
    heard "Variant 1 with 3 and 5" 3
    key ctrl+r
    heard "Ctrl+R: Решение" 4
    arrow_through 4
    key Escape
    heard "Escape" 2
    key shift+Tab
    type_text 5
    key Tab
    type_text 10
    key Return
    heard "Variant 1 with 5 and 10" 3
    key ctrl+r
    heard "Ctrl+R: Решение" 4
    arrow_through 4
    key Escape
    heard "Escape" 2
    key shift+Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
    key Down Down Return
    heard "To Вариант 3" 3
    type_text 10
    key Tab
    type_text 26
    key Return
    heard "Enter: variant 3 with c = 10 and S = 26, refused" 4
    key Return
    heard "Enter: the message box closes" 3
}

listen_to_elements() {
    key ctrl+2
    heard "Ctrl+2: the window of any two elements" 4
    key Tab Tab
    type_text 10
    key Tab
    type_text 30
    key Return
    heard "c = 10, Tab, α = 30, Enter" 4
    # From α past the other 21 fields, the two relations and the two buttons.
    key $(printf 'Tab %.0s' {1..26})
    heard "Tab 26 times, to the steps" 3
    arrow_through 5
}

heard "Start" 0
case "$what" in
window) listen_to_window ;;
steps) listen_to_steps ;;
elements) listen_to_elements ;;
*)
    echo "nothing called $what to listen to" >&2
    exit 2
    ;;
esac

# Orca writes its log through a buffer and does not end on a signal in good time; moving
# the focus about makes it write enough for the last step's speech to reach the file.
key shift+Tab shift+Tab shift+Tab shift+Tab
sleep 3
/usr/bin/python3 - "$steps" "$log" <<'PY'
import re
import sys

steps = [line.rstrip("\n").split("\t", 1) for line in open(sys.argv[1], encoding="utf-8")]
log = open(sys.argv[2], encoding="utf-8", errors="replace").read()
# One utterance: its time, then the text in quotes, which may run over several lines.
spoken = re.findall(r"^(\d\d:\d\d:\d\d\.\d+) - SPEECH OUTPUT: '(.*?)'\s*\[?\{", log, re.M | re.S)
for i, (end, name) in enumerate(steps):
    # A step's mark is written once its speech has had time to come.
    start = steps[i - 1][0] if i else ""
    lines = [text for time, text in spoken if start <= time < end]
    print("== " + name)
    for text in lines:
        print("    SPEECH OUTPUT: '" + text.replace("\n", "\n                   ") + "'")
PY

if [ -n "${ORCA_SPEECH_KEEP:-}" ]; then
    cp "$log" "$ORCA_SPEECH_KEEP"
    echo "Orca's whole debug log: $ORCA_SPEECH_KEEP"
fi
