#!/usr/bin/env bash
# Installs what is missing, builds the program and opens its window. On a machine with no
# display, opens it on a virtual display instead, saves a picture of it and ends.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages

cmake --preset default
cmake --build --preset default -j "$(nproc)"

program=build/default/app/triangle-solver
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi

screenshot=build/screenshot.png
xvfb-run -a -s "-screen 0 800x600x24" scripts/capture-window.sh "$program" "$screenshot"
echo "No display here: the window was opened on a virtual display and its picture saved to $screenshot"
