#!/usr/bin/env bash
# Installs the Windows installer silently in a throwaway Wine prefix, checks what it put in
# place (the program in Program Files with the notices beside it, the Start menu's shortcut,
# the entry in the list of installed programs), installs again over it, starts the program
# and closes it, uninstalls silently and checks that nothing is left behind. With
# TRIANGLE_SIGNED_BY=CA.pem (tests/win32/signing_test.sh), also checks that the installed
# program and uninstaller are signed by that certificate.
#     tests/win32/installer_test.sh build/windows
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "$1" && pwd)"
installer="$build/triangle-solver-1.00-win64.exe"
[ -f "$installer" ] || { echo "no installer: run cpack --preset windows first" >&2; exit 1; }
# The zip beside it holds the program and the notices of what it carries linked in.
[ "$(unzip -Z1 "$build/triangle-solver-1.00-win64.zip" | sort | tr '\n' ' ')" = \
    "THIRD-PARTY-NOTICES.txt triangle-solver.exe " ] ||
    { echo "FAIL: the zip holds more or less than the program and its notices" >&2; exit 1; }

WINEPREFIX="$build/installer-prefix"
source "$here/wine_prefix.sh"

drive="$WINEPREFIX/drive_c"
program_dir="$drive/Program Files/Triangle Solver"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\TriangleSolver'
fail() { echo "FAIL: $*" >&2; exit 1; }
files() { (cd "$drive" && find . -path './users/*/Temp' -prune -o -path './windows' -prune -o -print | sort); }
registered() { wine reg query "$uninstall_key" /reg:32 >/dev/null 2>&1 || wine reg query "$uninstall_key" /reg:64 >/dev/null 2>&1; }
shortcut() { find "$drive" -name 'Правоъгълен триъгълник.lnk' | head -1; }

before="$(files)"

echo "Installing silently"
wine "$installer" /S
wineserver -w
[ -f "$program_dir/triangle-solver.exe" ] || fail "the program is not in Program Files"
grep -q "Copyright (c) 2011-2016 mingw-w64 project" "$program_dir/THIRD-PARTY-NOTICES.txt" ||
    fail "the notices of winpthreads are not beside the program"
[ -n "$(shortcut)" ] || fail "no Start menu shortcut"
echo "Start menu: ${shortcut_path:=$(shortcut)}"
[[ "$shortcut_path" == *"Start Menu/Programs/"* ]] || fail "the shortcut is not in the Start menu"
registered || fail "no entry in the list of installed programs"

# Over an installation, the installer first runs the earlier uninstaller to its end.
echo "Installing again over it"
wine "$installer" /S
wineserver -w
[ -f "$program_dir/triangle-solver.exe" ] && [ -f "$program_dir/Uninstall.exe" ] ||
    fail "installing again lost the program or the uninstaller"
[ "$(shortcut)" = "$shortcut_path" ] || fail "installing again lost the shortcut"
registered || fail "installing again lost the entry in the list of installed programs"
if [ -n "${TRIANGLE_SIGNED_BY:-}" ]; then
    for file in triangle-solver.exe Uninstall.exe; do
        "${OSSLSIGNCODE:-osslsigncode}" verify -CAfile "$TRIANGLE_SIGNED_BY" \
            -in "$program_dir/$file" >/dev/null 2>&1 || fail "the installed $file is not signed"
    done
    echo "The installed program and uninstaller are signed"
fi

echo "Starting the program"
wine "$program_dir/triangle-solver.exe" &
program=$!
for _ in $(seq 1 100); do
    xwininfo -root -children 2>/dev/null | grep -q 'triangle.example.org.*("triangle-solver.exe"' && break
    sleep 0.2
done
if ! xwininfo -root -children | grep -q 'triangle.example.org.*("triangle-solver.exe"'; then
    xwininfo -root -children >&2
    fail "no window opened"
fi
wine taskkill /im triangle-solver.exe >/dev/null 2>&1
wait "$program" || fail "the program did not end cleanly"

echo "Uninstalling silently"
wine "$program_dir/Uninstall.exe" /S
wineserver -w
[ ! -e "$program_dir" ] || fail "the program's folder is still there"
[ -z "$(shortcut)" ] || fail "the Start menu shortcut is still there"
! registered || fail "still in the list of installed programs"
after="$(files)"
if [ "$before" != "$after" ]; then
    diff <(echo "$before") <(echo "$after") >&2 || true
    fail "files are left behind"
fi
echo "Installed, started and uninstalled: nothing left behind"
