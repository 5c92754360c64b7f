#!/usr/bin/env bash
# Signs Windows files (programs, installers, MSI packages) in place with the code-signing
# certificate the environment names, with osslsigncode (Debian 12 has 2.5: only its options
# are used):
#     TRIANGLE_SIGN_PFX        the certificate with its private key, a PKCS#12 (.pfx) file
#     TRIANGLE_SIGN_PASSWORD   the file's password
#     TRIANGLE_SIGN_TIMESTAMP  optional: the URL of an RFC 3161 time-stamping server
#     OSSLSIGNCODE             optional: the osslsigncode to run
# Without TRIANGLE_SIGN_PFX it leaves the files as they are; the packaging says once that
# nothing is signed (packaging/windows/cpack_sign_program.cmake).
#     scripts/sign-windows.sh FILE...
set -euo pipefail
[ -n "${TRIANGLE_SIGN_PFX:-}" ] || exit 0
[ -f "$TRIANGLE_SIGN_PFX" ] || { echo "sign-windows.sh: no file $TRIANGLE_SIGN_PFX" >&2; exit 1; }

for file in "$@"; do
    # The description is what Windows' elevation prompt shows as the program's name;
    # osslsigncode stores it as ASCII, so it is the English name. The password goes through
    # a pipe, never on a command line.
    options=(sign -pkcs12 "$TRIANGLE_SIGN_PFX" -readpass /dev/stdin -h sha256
             -n "Triangle Solver" -i "https://triangle.example.org")
    if [ -n "${TRIANGLE_SIGN_TIMESTAMP:-}" ]; then
        options+=(-ts "$TRIANGLE_SIGN_TIMESTAMP")
    fi
    rm -f "$file.signed"
    printf '%s' "${TRIANGLE_SIGN_PASSWORD:-}" |
        "${OSSLSIGNCODE:-osslsigncode}" "${options[@]}" -in "$file" -out "$file.signed" >/dev/null ||
        { rm -f "$file.signed"; echo "sign-windows.sh: could not sign $file" >&2; exit 1; }
    mv "$file.signed" "$file"
    echo "Signed $(basename "$file")"
done
