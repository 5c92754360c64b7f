#!/usr/bin/env bash
# Starts the program on a Wayland session with no X server, as on a desktop without
# Xwayland: a headless Weston of its own, Qt's Wayland platform and nothing to fall back
# on. The client's own protocol trace (WAYLAND_DEBUG) shows what it asked the compositor
# for: its title, its fixed size and its app id, which must be the desktop file's name for
# a dock or a task switcher to tie the window to its entry and icon. The client is the
# layout's 471 × 347 below the menu bar.
# Usage: wayland_start.sh PROGRAM DESKTOP_FILE
# Exits 77, which CTest counts as skipped, where Weston cannot run.
set -euo pipefail
program=$1
app_id=$(basename "$2" .desktop)
title="https://triangle.example.org  Геометрия - правоъгълен триъгълник"
width=471
height=347

skip() {
    echo "SKIP: $*"
    exit 77
}

command -v weston > /dev/null || skip "weston is not installed (Debian package weston)"

runtime=$(mktemp -d) # mode 0700, as Wayland wants its runtime directory
weston_pid=""
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2> /dev/null || true
    [ -n "$weston_pid" ] && kill "$weston_pid" 2> /dev/null || true
    wait 2> /dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT

socket=triangle-test-$$
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman \
    --socket="$socket" --idle-time=0 --no-config > "$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 1 100); do
    [ -S "$runtime/$socket" ] && break
    kill -0 "$weston_pid" 2> /dev/null || break
    sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
    tail -n 5 "$runtime/weston.log"
    skip "the headless Weston did not start here"
fi

trace=$runtime/client.log
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
    WAYLAND_DEBUG=1 "$program" > "$trace" 2>&1 &
program_pid=$!

# Up when it has handed the compositor its first picture.
shown=""
for _ in $(seq 1 200); do
    if grep -q -- '-> wl_surface@[0-9]*\.attach(wl_buffer' "$trace"; then
        shown=yes
        break
    fi
    kill -0 "$program_pid" 2> /dev/null || break
    sleep 0.1
done
if [ -z "$shown" ]; then
    echo "FAIL: the window never showed on Wayland. The program said:"
    grep -v '^\[' "$trace" | tail -n 20
    exit 1
fi
sleep 0.5
kill -0 "$program_pid" 2> /dev/null || { echo "FAIL: the program ended after showing"; exit 1; }

failures=0
expect() {
    # The last request of its kind counts: a client may set a property more than once.
    local what=$1 expected=$2 actual
    actual=$(grep -o -- "-> xdg_toplevel@[0-9]*\.$what(.*)" "$trace" | tail -n 1 | sed "s/^.*\.$what(\(.*\))\$/\1/")
    if [ "$actual" = "$expected" ]; then
        echo "ok   $what($actual)"
    else
        echo "FAIL $what: expected ($expected), the program asked for (${actual:-nothing})"
        failures=$((failures + 1))
    fi
}
expect set_title "\"$title\""
expect set_app_id "\"$app_id\""
# A fixed size: the smallest and the largest are the same, the layout's client below a menu
# bar of one line (its height is the style's, between 16 and 40 pixels).
min_size=$(grep -o -- "-> xdg_toplevel@[0-9]*\.set_min_size(.*)" "$trace" | tail -n 1 | sed 's/^.*(\(.*\))$/\1/')
bar=$(( ${min_size#*, } - height ))
if [ "${min_size%%, *}" = "$width" ] && [ "$bar" -ge 16 ] && [ "$bar" -le 40 ]; then
    echo "ok   client $width × $height below a menu bar of $bar"
    expect set_min_size "$width, $((height + bar))"
    expect set_max_size "$width, $((height + bar))"
else
    echo "FAIL set_min_size: expected ($width, $height + a menu bar), the program asked for (${min_size:-nothing})"
    failures=$((failures + 1))
fi
exit $((failures > 0))
