#!/usr/bin/env bash
# Assembles the distribution medium from the Windows build and medium/:
# the three programs (stripped, and signed when asked), the read-me in
# Shift-JIS with CRLF line ends, boot.ini, the workspace picture, the
# application archive and the help library built with the JDK, SHA256SUMS of
# all of them; then a zip of the whole.
#
# The same commit gives the same bytes wherever and whenever it is built:
# every date written is SOURCE_DATE_EPOCH (scripts/source-date-epoch.sh),
# every list is sorted bytewise, no path of the build enters a file.
#
#   scripts/make-medium.sh WINDOWS_BUILD_DIR OUTPUT_DIR
#
# The build tree is build/win32 for the medium that ships, or build/win64
# for the same medium of 64-bit programs that the tests on 64-bit-only
# machines use (never shipped).
#
# Environment, to sign the programs (Authenticode, SHA-256):
#   SIGN_PFX            the certificate with its private key (PKCS#12)
#   SIGN_PASS_FILE      a file holding the PFX's password (read by
#                       osslsigncode itself: it is never on a command line)
#   SIGN_TIMESTAMP_URL  an RFC 3161 time-stamp server (optional)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
out=$2
SOURCE_DATE_EPOCH=$("$here/scripts/source-date-epoch.sh" "$here")
export SOURCE_DATE_EPOCH LC_ALL=C TZ=UTC
umask 022
rm -rf "$out"
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# strip (binutils) writes SOURCE_DATE_EPOCH as the PE header's time stamp;
# the build tree's own, for the programs' architecture.
strip=$(sed -n 's/^CMAKE_STRIP:FILEPATH=//p' "$build/CMakeCache.txt" 2>/dev/null)
[ -x "$strip" ] || { echo "make-medium: no strip named in $build/CMakeCache.txt" >&2; exit 1; }
strip_to() { "$strip" -o "$2" "$1"; }
strip_to "$build/setup/Setup.exe" "$out/Setup.exe"
strip_to "$build/launcher/tessal.exe" "$out/tessal.exe"
strip_to "$build/uninstall/Uninstall.exe" "$out/Uninstall.exe"

if [ -n "${SIGN_PFX:-}" ]; then
  [ -r "$SIGN_PFX" ] || { echo "make-medium: cannot read SIGN_PFX $SIGN_PFX" >&2; exit 1; }
  [ -r "${SIGN_PASS_FILE:-}" ] || { echo "make-medium: SIGN_PASS_FILE must name a readable file" >&2; exit 1; }
  for program in Setup.exe tessal.exe Uninstall.exe; do
    stamp=()
    [ -n "${SIGN_TIMESTAMP_URL:-}" ] && stamp=(-ts "$SIGN_TIMESTAMP_URL")
    osslsigncode sign -pkcs12 "$SIGN_PFX" -readpass "$SIGN_PASS_FILE" -h sha256 -n Tessal "${stamp[@]}" \
      -in "$out/$program" -out "$work/$program" >"$work/sign.log" 2>&1 ||
      { cat "$work/sign.log" >&2; exit 1; }
    mv "$work/$program" "$out/$program"
  done
  echo "signed: Setup.exe tessal.exe Uninstall.exe"
fi

to_windows_text() { iconv -f UTF-8 -t CP932 "$1" | sed 's/$/\r/' >"$2"; }
to_windows_text "$here/medium/readme.txt" "$out/readme.txt"
to_windows_text "$here/medium/boot.ini" "$out/boot.ini"
python3 "$here/medium/make_setup_bmp.py" "$out/Setup.bmp"

# A jar of the classes compiled from one folder of medium/java, entries in
# a fixed order and dated SOURCE_DATE_EPOCH.
make_jar() {
  local sources=$1 archive=$2
  shift 2
  mkdir -p "$work/$sources"
  find "$here/medium/java/$sources" -name '*.java' | sort >"$work/$sources.list"
  javac -nowarn --release 7 -Xlint:-options -encoding UTF-8 -d "$work/$sources" "@$work/$sources.list"
  local entries=()
  while IFS= read -r file; do entries+=(-C "$work/$sources" "$file"); done < <(cd "$work/$sources" && find . -type f | sort)
  jar --create --file "$archive" --date="$(date -u -d "@$SOURCE_DATE_EPOCH" +%Y-%m-%dT%H:%M:%SZ)" "$@" "${entries[@]}"
}
make_jar app "$out/tessal.jar" --main-class tessal.TessalApp
make_jar lib "$out/jh.jar"

(cd "$out" && sha256sum -- $(ls) >"$work/SHA256SUMS") && mv "$work/SHA256SUMS" "$out/SHA256SUMS"

rm -f "$out.zip"
python3 "$here/scripts/make_zip.py" "$out.zip" "$out"
echo "medium: $out ($(ls "$out" | tr '\n' ' '))"
echo "zip:    $out.zip"
