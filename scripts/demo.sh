#!/usr/bin/env bash
# `make demo`: builds the distribution medium, makes a Wine prefix with a
# Java runtime (the tests' recording stand-in) and runs Setup.exe from the
# medium with the medium as current directory.
#   With a display: the wizard is yours to click through; the prefix is
#   kept so that the installed Tessal can be started afterwards.
#   Without one: the wizard is walked with the default folder and every
#   option on, the installed launcher is started through the desktop
#   shortcut's target with a sample XML document, and every step is left as
#   a screenshot in build/demo/ with a report of what was installed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

# The programs that ship are the 32-bit build. A machine that runs only
# 64-bit code cannot start them, not even under Wine: there the demo walks
# the same sources built as 64-bit programs, and its report says so.
if why=$(scripts/runs-32bit.sh); then
  tree=win32 medium=build/medium note=
else
  tree=win64 medium=build/win64/medium
  note="This demo ran the 64-bit build (build/win64), as $why; the medium that ships is the 32-bit one (make medium)."
  echo "demo: $note"
fi
cmake --preset "$tree" >/dev/null
cmake --build --preset "$tree" -j "$(nproc)" --target Setup tessal Uninstall demo_walk stand_in_java >/dev/null
bash scripts/make-medium.sh "build/$tree" "$medium"

walker=$root/build/$tree/tests/e2e/road/demo_walk.exe
stand_in=$root/build/$tree/tests/e2e/launcher/stand_in_java.exe
export TESSAL_WINE_DIR=$root/build/$tree/wine TESSAL_TIMEOUT=3600

if [ -n "${DISPLAY:-}" ]; then
  echo "demo: Setup.exe is starting on your display; click through the wizard."
  TESSAL_USE_DISPLAY=1 TESSAL_KEEP_PREFIX=1 scripts/wine-run.sh "$walker" "$root/$medium" "$stand_in" --interactive
  loader=wine
  [ "$tree" = win64 ] && loader=/usr/lib/wine/wine64
  echo "demo: start the installed Tessal with: WINEPREFIX=<the prefix above> $loader 'C:\\Program Files\\tessal\\tessal.exe'"
  exit 0
fi

demo=$root/build/demo
rm -rf "$demo"
mkdir -p "$demo"
TESSAL_ARTIFACTS=$demo TESSAL_TIMEOUT=600 scripts/wine-run.sh "$walker" "$root/$medium" "$stand_in"
{
  [ -n "$note" ] && printf '%s\n\n' "$note"
  iconv -f CP932 -t UTF-8 "$demo/report.txt" | tr -d '\r'
} >"$demo/report.utf8" && mv "$demo/report.utf8" "$demo/report.txt"
echo
cat "$demo/report.txt"
echo
echo "demo: the screenshots of every step and report.txt are in $demo"
