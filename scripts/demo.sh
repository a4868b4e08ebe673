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

cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$(nproc)" --target Setup tessal demo_walk stand_in_java >/dev/null
if cmake --build --preset win32 --target help 2>/dev/null | grep -q '\bUninstall\b'; then
  cmake --build --preset win32 --target Uninstall >/dev/null
fi
bash scripts/make-medium.sh build/win32 build/medium

walker=$root/build/win32/tests/e2e/road/demo_walk.exe
stand_in=$root/build/win32/tests/e2e/launcher/stand_in_java.exe
export TESSAL_WINE_DIR=$root/build/win32/wine TESSAL_TIMEOUT=3600

if [ -n "${DISPLAY:-}" ]; then
  echo "demo: Setup.exe is starting on your display; click through the wizard."
  TESSAL_USE_DISPLAY=1 TESSAL_KEEP_PREFIX=1 scripts/wine-run.sh "$walker" "$root/build/medium" "$stand_in" --interactive
  echo "demo: start the installed Tessal with: WINEPREFIX=<the prefix above> wine 'C:\\Program Files\\tessal\\tessal.exe'"
  exit 0
fi

demo=$root/build/demo
rm -rf "$demo"
mkdir -p "$demo"
TESSAL_ARTIFACTS=$demo TESSAL_TIMEOUT=600 scripts/wine-run.sh "$walker" "$root/build/medium" "$stand_in"
iconv -f CP932 -t UTF-8 "$demo/report.txt" | tr -d '\r' >"$demo/report.utf8" && mv "$demo/report.utf8" "$demo/report.txt"
echo
cat "$demo/report.txt"
echo
echo "demo: the screenshots of every step and report.txt are in $demo"
