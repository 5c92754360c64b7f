#!/usr/bin/env bash
# Makes the Windows packages again with a throwaway self-signed code-signing certificate and
# a time-stamping server of the test's own (openssl ts on the loopback), and checks with
# osslsigncode that the installer, the MSI package, the program in the zip and in the MSI
# package and, installed under Wine, the program and the uninstaller are signed and time
# stamped; that a certificate nobody chose verifies none of them; and that without a
# certificate the packaging says so in one line and signs nothing.
#     tests/win32/signing_test.sh build/windows
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "$1" && pwd)"
osslsigncode="${OSSLSIGNCODE:-osslsigncode}"
fail() { echo "FAIL: $*" >&2; exit 1; }

work="$build/signing-test"
rm -rf "$work"
mkdir -p "$work/keys"
server=
trap '[ -z "$server" ] || kill "$server"; rm -rf "$work"' EXIT
cd "$work/keys"

# The signer, another certificate, the time-stamping authority.
certificate() {
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=$2" -keyout "$1.key" \
        -out "$1.pem" -addext "extendedKeyUsage=critical,$3" \
        -addext "keyUsage=critical,digitalSignature" 2>/dev/null
}
certificate signer "Triangle solver test signer" codeSigning
certificate stranger "Someone else" codeSigning
certificate tsa "Triangle solver test time stamps" timeStamping
openssl pkcs12 -export -inkey signer.key -in signer.pem -out signer.pfx \
    -passout pass:"a test's password"
echo 01 >tsa.serial
cat >tsa.cnf <<'EOF'
[ tsa ]
default_tsa = test
[ test ]
serial = tsa.serial
crypto_device = builtin
signer_cert = tsa.pem
signer_key = tsa.key
signer_digest = sha256
default_policy = 1.2.3.4.1
digests = sha256
ess_cert_id_alg = sha256
EOF
# An RFC 3161 server on a free port of the loopback: each request answered by openssl ts.
cat >tsa.py <<'EOF'
import http.server
import subprocess


class TimeStamps(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        query = self.rfile.read(int(self.headers["Content-Length"]))
        reply = subprocess.run(["openssl", "ts", "-reply", "-config", "tsa.cnf", "-queryfile",
                                "/dev/stdin", "-out", "/dev/stdout"],
                               input=query, capture_output=True, check=True).stdout
        self.send_response(200)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.send_header("Content-Length", str(len(reply)))
        self.end_headers()
        self.wfile.write(reply)

    def log_message(self, *arguments):
        pass


server = http.server.HTTPServer(("127.0.0.1", 0), TimeStamps)
print(server.server_port, flush=True)
server.serve_forever()
EOF
exec {port_pipe}< <(python3 tsa.py)
server=$!
read -r -t 10 port <&"$port_pipe"

packages() { cpack --config "$build/CPackConfig.cmake" -B "$1"; }

echo "Packaging with a certificate and a time-stamping server"
TRIANGLE_SIGN_PFX="$work/keys/signer.pfx" TRIANGLE_SIGN_PASSWORD="a test's password" \
    TRIANGLE_SIGN_TIMESTAMP="http://127.0.0.1:$port" packages "$work/signed" >"$work/signed.log" ||
    { cat "$work/signed.log" >&2; fail "cpack could not sign"; }
signed="$work/signed"
mkdir "$signed/zip" "$signed/msi"
unzip -q "$signed/triangle-solver-1.00-win64.zip" -d "$signed/zip"
(cd "$signed/msi" && msiextract ../triangle-solver-1.00-win64.msi >/dev/null)
files=("$signed/triangle-solver-1.00-win64.exe" "$signed/triangle-solver-1.00-win64.msi"
       "$signed/zip/triangle-solver.exe"
       "$(find "$signed/msi" -name triangle-solver.exe)")
for file in "${files[@]}"; do
    "$osslsigncode" verify -CAfile signer.pem -TSA-CAfile tsa.pem -in "$file" >"$work/verify.log" 2>&1 ||
        { cat "$work/verify.log" >&2; fail "$file: no signature that verifies"; }
    grep -q "Timestamp Server Signature verification: ok" "$work/verify.log" ||
        { cat "$work/verify.log" >&2; fail "$file: no time stamp that verifies"; }
    ! "$osslsigncode" verify -CAfile stranger.pem -TSA-CAfile tsa.pem -in "$file" >/dev/null 2>&1 ||
        fail "$file verifies against a certificate that did not sign it"
    echo "Signed and time stamped: ${file#"$signed/"}"
done
# The program as installed, and the uninstaller that NSIS writes.
TRIANGLE_SIGNED_BY="$work/keys/signer.pem" "$here/installer_test.sh" "$signed"

echo "Packaging without a certificate"
(unset TRIANGLE_SIGN_PFX && packages "$work/unsigned" >"$work/unsigned.log")
[ "$(grep -c "nothing is signed" "$work/unsigned.log")" -eq 1 ] ||
    { cat "$work/unsigned.log" >&2; fail "not one line saying that nothing is signed"; }
for file in "$work"/unsigned/triangle-solver-1.00-win64.{exe,msi}; do
    ! "$osslsigncode" verify -in "$file" >/dev/null 2>&1 || fail "$file is signed"
done
echo "Without a certificate nothing is signed, and the packaging says so once"
