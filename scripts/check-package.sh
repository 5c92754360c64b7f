#!/usr/bin/env bash
# Builds the Debian package from a finished build and fails on any lintian error or
# warning. Usage: scripts/check-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$out" > "$out/cpack.log" || {
    cat "$out/cpack.log"
    exit 1
}
deb=$(ls "$out"/*.deb)
echo "lintian $(basename "$deb")"
lintian --fail-on error,warning --tag-display-limit 0 --display-info "$deb"
