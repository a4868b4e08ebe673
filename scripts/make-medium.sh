#!/usr/bin/env bash
# Assembles the distribution medium from the Windows build and medium/:
# the two programs (stripped), the uninstaller when it is built, the read-me
# in Shift-JIS with CRLF line ends, boot.ini, the workspace picture, the
# application archive and the help library built with the JDK; then a zip.
#
#   scripts/make-medium.sh WIN32_BUILD_DIR OUTPUT_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
out=$2
rm -rf "$out"
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

strip_to() { i686-w64-mingw32-strip -o "$2" "$1"; }
strip_to "$build/setup/Setup.exe" "$out/Setup.exe"
strip_to "$build/launcher/tessal.exe" "$out/tessal.exe"
if [ -f "$build/uninstall/Uninstall.exe" ]; then
  strip_to "$build/uninstall/Uninstall.exe" "$out/Uninstall.exe"
fi

to_windows_text() { iconv -f UTF-8 -t CP932 "$1" | sed 's/$/\r/' >"$2"; }
to_windows_text "$here/medium/readme.txt" "$out/readme.txt"
to_windows_text "$here/medium/boot.ini" "$out/boot.ini"
python3 "$here/medium/make_setup_bmp.py" "$out/Setup.bmp"

mkdir -p "$work/app" "$work/lib"
javac -nowarn --release 7 -Xlint:-options -encoding UTF-8 -d "$work/app" $(find "$here/medium/java/app" -name '*.java')
javac -nowarn --release 7 -Xlint:-options -encoding UTF-8 -d "$work/lib" $(find "$here/medium/java/lib" -name '*.java')
jar --create --file "$out/tessal.jar" --main-class tessal.TessalApp -C "$work/app" .
jar --create --file "$out/jh.jar" -C "$work/lib" .

rm -f "$out.zip"
(cd "$out" && python3 -m zipfile -c "$out.zip" *)
echo "medium: $out ($(ls "$out" | tr '\n' ' '))"
echo "zip:    $out.zip"
