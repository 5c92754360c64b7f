# Sourced by the package tests, with WINEPREFIX set: makes that throwaway Wine prefix afresh
# (on a virtual display of its own where there is none) and removes it when the test's shell
# ends, and the test's folder $wine_scratch with it where the test names one. The shortcuts
# an installer makes give no desktop entries in the user's own menus.
wine_session="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../scripts" && pwd)/wine-session.sh"
export WINEPREFIX
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" WINEDEBUG=-all
trap '"$wine_session" stop; [ -z "${wine_scratch:-}" ] || rm -rf "$wine_scratch"' EXIT
"$wine_session" start
if [ -f "$WINEPREFIX/display" ]; then
    DISPLAY="$(cat "$WINEPREFIX/display")"
    export DISPLAY
fi
