#!/usr/bin/env bash
# Installs what is missing, builds the program and opens its window.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages

cmake --preset default
cmake --build --preset default -j "$(nproc)"
