#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test through CTest:
# the ordinary build, then the whole suite again under the address and undefined-behaviour
# sanitizers, then each fuzzer for a bounded time, then the Windows program: cross-built,
# tested under Wine, packaged and installed.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages

jobs=$(nproc)

echo "== Build and test"
cmake --preset default
cmake --build --preset default -j "$jobs"
ctest --preset default -j "$jobs"

echo "== Figures (reported, not judged)"
build/default/bench/calculation_bench --benchmark_min_time=0.2
bench/run-startup.sh build/default 15 || echo "(the start-up benchmark could not run here)"

echo "== Build and test under the sanitizers"
cmake --preset asan
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

echo "== Fuzz each target for a bounded time"
cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"
ctest --preset fuzz -j "$jobs"

echo "== Windows: cross-build, the suites and the Win32 window under Wine, the installers"
cmake --preset windows
cmake --build --preset windows -j "$jobs"
ctest --preset windows -j "$jobs"
cpack --preset windows
tests/win32/installer_test.sh build/windows
tests/win32/msi_test.sh build/windows
tests/win32/signing_test.sh build/windows
