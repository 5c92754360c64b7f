#!/usr/bin/env bash
# Makes the Windows Installer package from the staged program with Debian's wixl and
# msitools, unsigned (cpack_msi.cmake signs it when a certificate is given):
#     packaging/windows/make-msi.sh STAGED_DIR VERSION ICON OUTPUT.msi
# VERSION is the numeric one Windows Installer compares: 1.00 is written 1.0.0.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
[ $# -eq 4 ] || { echo "usage: $0 STAGED_DIR VERSION ICON OUTPUT.msi" >&2; exit 2; }
staged="$(cd "$1" && pwd)"
version="$2"
icon="$(cd "$(dirname "$3")" && pwd)/$(basename "$3")"
output="$4"
fail() { echo "make-msi.sh: $*" >&2; exit 1; }
[[ "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "the version must be numeric, as 1.0.0"

source="$here/triangle-solver.wxs"
if LC_ALL=C grep -n '[^[:print:][:space:]]' "$source" >&2; then
    fail "$source must stay ASCII: wixl drops other text"
fi

# The Bulgarian texts of the tables, written over wixl's English stand-ins once the database
# has the Cyrillic codepage.
name='Правоъгълен триъгълник'
comment='Изчислява катет, хипотенуза, периметър и лице на правоъгълен триъгълник по два от тях'
downgrade='На този компютър вече има по-нова версия на „Правоъгълен триъгълник“.'

# One ProductCode for each version, always the same: a name-based UUID of the version.
upgrade_code="$(sed -n 's/.*UpgradeCode="\([^"]*\)".*/\1/p' "$source")"
product_code="$(python3 -c 'import sys, uuid
print(str(uuid.uuid5(uuid.UUID(sys.argv[1]), "triangle-solver " + sys.argv[2])).upper())' \
    "$upgrade_code" "$version")"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# wixl takes its sources' paths relative to the folder it runs in.
mkdir "$work/program"
cp "$staged/triangle-solver.exe" "$staged/THIRD-PARTY-NOTICES.txt" "$work/program/"
cp "$icon" "$work/triangle-solver.ico"
(cd "$work" && wixl -a x64 -o package.msi -D ProductCode="$product_code" \
    -D Version="$version" -D SourceDir=program -D Icon=triangle-solver.ico "$source")

# The database's codepage, then its Bulgarian strings.
printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
(cd "$work" && msibuild package.msi -i _ForceCodepage.idt)
msibuild "$work/package.msi" \
    -q "UPDATE \`Property\` SET \`Value\` = '$name' WHERE \`Property\` = 'ProductName'" \
    -q "UPDATE \`Shortcut\` SET \`Name\` = 'TRIANGLE|$name', \`Description\` = '$comment'
        WHERE \`Shortcut\` = 'StartMenuShortcut'" \
    -q "UPDATE \`LaunchCondition\` SET \`Description\` = '$downgrade'
        WHERE \`Condition\` = 'NOT WIX_DOWNGRADE_DETECTED'"
table() { msiinfo export "$work/package.msi" "$1" | tr -d '\r'; }
table Property | grep -qxF "ProductName	$name" || fail "the product's name did not take"
table Shortcut | grep -qF "	TRIANGLE|$name	Program	Program		$comment	" ||
    fail "the shortcut's name did not take"
table LaunchCondition | grep -qxF "NOT WIX_DOWNGRADE_DETECTED	$downgrade" ||
    fail "the downgrade message did not take"

# The summary information stays ASCII: msitools writes its strings in UTF-8 under the
# codepage 1251 it declares, which Windows would read as 1251. Its template names the
# package's language, Bulgarian (wixl writes 1033 whatever the package says).
package_code="$(msiinfo suminfo "$work/package.msi" | sed -n 's/^Revision number (UUID): //p')"
msibuild "$work/package.msi" -s "Triangle Solver" "Triangle solver developers" "x64;1026" \
    "$package_code"

mv "$work/package.msi" "$output"
