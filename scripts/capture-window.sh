#!/usr/bin/env bash
# Runs inside a virtual display: starts the program, waits until its window (found by its
# class and size, since its title may not print in the C locale) is mapped and
# painted, saves a picture of the window and ends the program.
# Usage: capture-window.sh PROGRAM OUTPUT.png
set -euo pipefail
program=$1
output=$2

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=""
for _ in $(seq 1 100); do
    window=$(xwininfo -root -tree 2>/dev/null | awk '/"triangle-solver" "triangle-solver"/ && /471x347/ {print $1; exit}')
    [ -n "$window" ] && break
    sleep 0.1
done
if [ -z "$window" ]; then
    echo "The window did not appear." >&2
    exit 1
fi
sleep 1 # let the first frames be painted
import -window "$window" "$output"
