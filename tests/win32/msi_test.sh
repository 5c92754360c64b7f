#!/usr/bin/env bash
# Installs the MSI package as a school's network would, silently, in a throwaway Wine prefix:
# first a package of an earlier version (0.9.0, made here from the same program by the same
# script), then 1.00, which must replace it. Checks the program in Program Files, the Start
# menu's shortcut (the program started through it), the one entry in the list of installed
# programs with its name, publisher, version and icon; that the same version installed again
# and the earlier one installed over it change nothing; then uninstalls silently and checks
# that no file, shortcut or registry entry of the program is left.
#     tests/win32/msi_test.sh build/windows
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "$1" && pwd)"
msi="$build/triangle-solver-1.00-win64.msi"
[ -f "$msi" ] || { echo "no MSI package: run cpack --preset windows first" >&2; exit 1; }
name='Правоъгълен триъгълник'
fail() { echo "FAIL: $*" >&2; exit 1; }

work="$build/msi-test"
rm -rf "$work"
mkdir -p "$work/staged"
unzip -q "$build/triangle-solver-1.00-win64.zip" -d "$work/staged"
# The program the package holds, to compare with what it installs.
mkdir "$work/packaged"
(cd "$work/packaged" && msiextract "$msi" >/dev/null)
packaged="$work/packaged/Triangle Solver/triangle-solver.exe"
earlier="$work/triangle-solver-0.9.0-win64.msi"
"$root/packaging/windows/make-msi.sh" "$work/staged" 0.9.0 \
    "$build/window/win32/triangle-solver.ico" "$earlier"

WINEPREFIX="$work/prefix"
wine_scratch="$work"
source "$root/tests/win32/wine_prefix.sh"

drive="$WINEPREFIX/drive_c"
program="$drive/Program Files/Triangle Solver/triangle-solver.exe"
# Windows puts a per-machine package's shortcut into the Start menu of all users (ProgramData);
# Wine 8.0's msiexec into the installing user's ("FIXME: set to AllUsers profile path if
# ALLUSERS is set"): either will do here.
shortcut() { find "$drive" -path "*/Start Menu/Programs/$name.lnk" | head -1; }
# Every file and folder, but Windows Installer's own folder of cached packages, which it makes
# at its first use (Windows has it from the start), and temporary files.
files() {
    (cd "$drive" && find . -path './users/*/Temp' -prune -o -print | grep -vxF ./windows/Installer |
        sort)
}
# Every key of the registry as text, UTF-8.
registry() {
    local hive
    for hive in HKLM HKCU; do
        wine reg export "$hive" "$work/registry.reg" /y >/dev/null 2>&1
        iconv -f utf-16 -t utf-8 "$work/registry.reg"
    done
}
# The entries of the list of installed programs named as the program, one a line: key,
# version, publisher. (Windows Installer also sets EstimatedSize there, the size; Wine 8.0
# writes 0.)
entries() {
    wine reg export 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' \
        "$work/uninstall.reg" /y >/dev/null 2>&1 || return 0
    iconv -f utf-16 -t utf-8 "$work/uninstall.reg" | python3 -c '
import sys
entries, key = {}, None
for line in sys.stdin.read().replace("\\\r\n", "").splitlines():
    if line.startswith("["):
        key = line.strip("[]").rsplit("\\", 1)[-1]
        entries[key] = {}
    elif key and "=" in line:
        value_name, value = line.split("=", 1)
        if value.startswith("dword:"):
            value = str(int(value[6:], 16))
        entries[key][value_name.strip("\"")] = value.strip("\"").replace("\\\\", "\\")
for key, values in entries.items():
    if values.get("DisplayName") == sys.argv[1]:
        print("\t".join([key, values.get("DisplayVersion", ""), values.get("Publisher", "")]))
' "$name"
}
product_code() { msiinfo export "$1" Property | sed -n 's/^ProductCode\t//p' | tr -d '\r'; }
# A product or upgrade code as Windows Installer files it in the registry.
packed() {
    python3 -c 'import sys, uuid
h = uuid.UUID(sys.argv[1]).hex.upper()
print(h[7::-1] + h[11:7:-1] + h[15:11:-1] + "".join(h[i + 1] + h[i] for i in range(16, 32, 2)))' "$1"
}
# Wine's msiexec installs in its own process: when it ends, the installation has.
msiexec() { wine msiexec "$@"; }
window_open() { xwininfo -root -children 2>/dev/null | grep -q 'triangle.example.org.*("triangle-solver.exe"'; }

files_before="$(files)"

echo "Installing version 0.9.0 silently"
msiexec /i "$(winepath -w "$earlier")" /qn || fail "msiexec could not install 0.9.0"
[ "$(entries | cut -f2)" = "0.9.0" ] || fail "0.9.0 is not in the list of installed programs"

echo "Installing 1.00 over it silently"
msiexec /i "$(winepath -w "$msi")" /qn || fail "msiexec could not install 1.00"
listed="$(entries)"
echo "$listed"
[ "$(echo "$listed" | wc -l)" -eq 1 ] || fail "not one entry in the list of installed programs"
IFS=$'\t' read -r key version publisher <<<"$listed"
[ "$version" = "1.0.0" ] || fail "the entry is of version $version, not 1.0.0"
[ "$publisher" = "Triangle solver developers" ] || fail "the publisher is '$publisher'"
# The list's icon (ARPPRODUCTICON) is the product's registered icon.
icon="$(wine reg query "HKLM\\Software\\Classes\\Installer\\Products\\$(packed "$key")" /v ProductIcon |
    sed -n 's/.*ProductIcon *REG_SZ *//p' | tr -d '\r')"
cmp -s "$(winepath -u "$icon")" "$build/window/win32/triangle-solver.ico" || fail "the entry's icon ($icon) is not the program's"

[ -f "$program" ] || fail "the program is not in Program Files"
grep -q "Copyright (c) 2011-2016 mingw-w64 project" "$(dirname "$program")/THIRD-PARTY-NOTICES.txt" ||
    fail "the notices of winpthreads are not beside the program"
cmp -s "$program" "$packaged" || fail "the program installed is not the one packaged"
[ -n "$(shortcut)" ] || fail "no shortcut '$name' in the Start menu"
echo "Starting the program through its shortcut"
wine start /unix "$(shortcut)"
for _ in $(seq 1 100); do window_open && break; sleep 0.2; done
window_open || { xwininfo -root -children >&2; fail "the shortcut opened no window"; }
wine taskkill /im triangle-solver.exe >/dev/null 2>&1
for _ in $(seq 1 50); do window_open || break; sleep 0.2; done

echo "Installing 1.00 again and then 0.9.0: nothing changes"
msiexec /i "$(winepath -w "$msi")" /qn || true  # whether it answers "installed already" or not
! msiexec /i "$(winepath -w "$earlier")" /qn || fail "0.9.0 installed over 1.00"
[ "$(entries)" = "$listed" ] || { entries >&2; fail "the list of installed programs changed"; }
cmp -s "$program" "$packaged" || fail "the program changed"

echo "Uninstalling silently"
msiexec /x "$(winepath -w "$msi")" /qn || fail "msiexec could not uninstall"
[ -z "$(entries)" ] || fail "still in the list of installed programs"
files_after="$(files)"
if [ "$files_before" != "$files_after" ]; then
    diff <(echo "$files_before") <(echo "$files_after") >&2 || true
    fail "files are left behind"
fi
# No key or value that names the program or either package's codes, plain or packed.
{
    printf '%s\n' 'Triangle Solver' triangle-solver "$name"
    for code in "$(product_code "$msi")" "$(product_code "$earlier")" \
        "$(msiinfo export "$msi" Property | sed -n 's/^UpgradeCode\t//p' | tr -d '\r')"; do
        echo "${code//[\{\}]/}"
        packed "$code"
    done
} >"$work/traces"
left="$(registry | grep -i -F -f "$work/traces" || true)"
[ -z "$left" ] || { echo "$left" >&2; fail "registry entries are left behind"; }
echo "Installed, upgraded, started and uninstalled: nothing left behind"
