#!/usr/bin/env bash
# start: makes a fresh Wine prefix at $WINEPREFIX (Times New Roman mapped to its
# metric-compatible serif, as Windows has it) and, when there is no display, a virtual one
# for it. stop: ends the prefix's Wine processes and that display, and removes the prefix.
set -euo pipefail
: "${WINEPREFIX:?set WINEPREFIX to the throwaway Wine prefix}"
export WINEPREFIX
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=-all

stop() {
    wineserver -k 2>/dev/null || true
    if [ -f "$WINEPREFIX/xvfb.pid" ]; then
        kill "$(cat "$WINEPREFIX/xvfb.pid")" 2>/dev/null || true
    fi
    rm -rf "$WINEPREFIX"
}

start() {
    stop
    mkdir -p "$WINEPREFIX"
    if [ -z "${DISPLAY:-}" ]; then
        # Xvfb writes the number of the display it found free into the pipe.
        exec {fd}<> <(:)
        Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        echo $! >"$WINEPREFIX/xvfb.pid"
        read -r -t 20 number <&"$fd"
        exec {fd}>&-
        echo ":$number" >"$WINEPREFIX/display"
        export DISPLAY=":$number"
    fi
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
        /d 'Liberation Serif' /f >/dev/null 2>&1
    # With no window manager on a virtual display, Wine would wait for one at every window
    # shown and hidden.
    if [ -f "$WINEPREFIX/display" ]; then
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    fi
    wineserver -w
}

case "${1:-}" in
start) start ;;
stop) stop ;;
*)
    echo "usage: $0 start|stop" >&2
    exit 2
    ;;
esac
