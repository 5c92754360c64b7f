#!/usr/bin/env bash
# Start-up under Wine, reported and not judged (Wine is not Windows): the time from starting
# the program to its window being mapped on the virtual display, against a bare Win32 window,
# in a Wine prefix that is already running, so that Wine's own start is not counted.
# Usage: bench/win32/run-startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(cd "${1:-build/windows}" && pwd)
runs=${2:-10}
export WINEPREFIX="$build/startup-prefix"
trap 'scripts/wine-session.sh stop' EXIT
scripts/wine-session.sh start >/dev/null
if [ -f "$WINEPREFIX/display" ]; then
    DISPLAY="$(cat "$WINEPREFIX/display")"
    export DISPLAY
fi
export WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
wineserver -p # keep the server up between the runs
wine cmd /c exit >/dev/null 2>&1

measure() { # program, X class
    local times=()
    for _ in $(seq 1 "$runs"); do
        local start end
        start=$(date +%s%N)
        wine "$1" &
        local pid=$!
        until xwininfo -root -children 2>/dev/null | grep -q "(\"$2\" .*[0-9][0-9]x[0-9][0-9]"; do
            sleep 0.005
        done
        end=$(date +%s%N)
        times+=($(((end - start) / 1000000)))
        wine taskkill /im "$2" >/dev/null 2>&1
        wait "$pid" || true
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "median %d ms (min %d, max %d, %d runs)\n", a[int((NR+1)/2)], a[1], a[NR], NR}'
}

echo "triangle-solver.exe: $(measure "$build/app/triangle-solver.exe" triangle-solver.exe)"
echo "bare_window.exe:     $(measure "$build/bench/win32/bare_window.exe" bare_window.exe)"
