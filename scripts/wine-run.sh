#!/usr/bin/env bash
# Runs a Windows program under Wine in the prefix $WINEPREFIX, which the Windows test
# preset points into the build directory. Used as CMake's cross-compiling emulator.
# Without a display of its own, it uses the virtual display scripts/wine-session.sh started.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
: "${WINEPREFIX:?set WINEPREFIX to the throwaway Wine prefix}"
export WINEPREFIX
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG="${WINEDEBUG:--all}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$here/wine-session.sh" start
fi
if [ -z "${DISPLAY:-}" ] && [ -f "$WINEPREFIX/display" ]; then
    DISPLAY="$(cat "$WINEPREFIX/display")"
    export DISPLAY
fi
exec wine "$@"
