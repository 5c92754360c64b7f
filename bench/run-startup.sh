#!/usr/bin/env bash
# Start-up time and peak memory of the program against a one-label Qt window, and against a
# plain Qt window of the main window's controls (no menu bar, no logic), on a virtual display. Usage: bench/run-startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
runs=${2:-15}
xvfb-run -a -s "-screen 0 800x600x24" \
    "$build/bench/startup_bench" --runs "$runs" "$build/app/triangle-solver" "$build/bench/floor_window" \
    "$build/bench/controls_window"
