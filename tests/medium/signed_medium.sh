#!/usr/bin/env bash
# Signs the medium with a certificate made here and checks each program's
# Authenticode signature, that the password shows nowhere in the output,
# that a wrong password stops the medium, and that the checksums and the
# zip hold the signed programs.
#
#   signed_medium.sh SOURCE_DIR WIN32_BUILD_DIR OUTPUT_DIR
set -euo pipefail
src=$1 build=$2 out=$3
unset SIGN_TIMESTAMP_URL  # no network in the tests
keys=$(mktemp -d)
trap 'rm -rf "$keys"' EXIT
password="pass-$$-$RANDOM-word"
printf '%s\n' "$password" >"$keys/pass.txt"
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$keys/key.pem" -out "$keys/cert.pem" -days 2 \
  -subj "/CN=Tessal Test Publisher" -addext extendedKeyUsage=codeSigning 2>/dev/null
openssl pkcs12 -export -inkey "$keys/key.pem" -in "$keys/cert.pem" -out "$keys/cert.pfx" \
  -passout "file:$keys/pass.txt"

fail() { echo "FAIL: $*"; exit 1; }
printf 'wrong-%s\n' "$password" >"$keys/wrong.txt"
if SIGN_PFX=$keys/cert.pfx SIGN_PASS_FILE=$keys/wrong.txt bash "$src/scripts/make-medium.sh" "$build" "$out" \
  >"$keys/wrong.log" 2>&1; then
  fail "a wrong password made a medium"
fi
! grep -qF "$password" "$keys/wrong.log" || fail "the password in the output"

SIGN_PFX=$keys/cert.pfx SIGN_PASS_FILE=$keys/pass.txt bash "$src/scripts/make-medium.sh" "$build" "$out" \
  >"$keys/sign.log" 2>&1 || { cat "$keys/sign.log"; fail "signing"; }
! grep -qF "$password" "$keys/sign.log" || fail "the password in the output"
for program in Setup.exe tessal.exe Uninstall.exe; do
  osslsigncode verify -CAfile "$keys/cert.pem" -in "$out/$program" >"$keys/verify.log" 2>&1 ||
    { cat "$keys/verify.log"; fail "$program is not signed"; }
  grep -q "Message digest algorithm  : SHA256" "$keys/verify.log" || fail "$program: not SHA-256"
done
(cd "$out" && sha256sum --check --strict --quiet SHA256SUMS) || fail "SHA256SUMS"
python3 - "$out.zip" "$out" <<'PY' || fail "the zip differs from the folder"
import os, sys, zipfile
archive, folder = sys.argv[1:]
with zipfile.ZipFile(archive) as z:
    assert sorted(z.namelist()) == sorted(os.listdir(folder))
    for name in z.namelist():
        assert z.read(name) == open(os.path.join(folder, name), 'rb').read(), name
PY
echo "signed and verified: Setup.exe tessal.exe Uninstall.exe"
