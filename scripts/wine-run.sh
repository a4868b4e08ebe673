#!/usr/bin/env bash
# Runs one Windows program under Wine, the way every test of the Windows
# trees runs: in a fresh copy of a project-local template prefix (never the
# user's ~/.wine), in the Japanese locale (ANSI code page 932) unless told
# otherwise, on a private Xvfb display, with no window manager (Managed=N).
# The program's exit code is passed back; the prefix copy, the display and
# the wineserver are gone afterwards.
#
# The program's own architecture picks the Wine: a 64-bit program runs in
# the 64-bit loader in a 64-bit prefix; a 32-bit one in the 32-bit loader.
# Where this machine cannot run 32-bit code (scripts/runs-32bit.sh), a
# 32-bit program is not started: the run prints why and ends with 77, which
# the tests report as skipped.
#
#   scripts/wine-run.sh PROGRAM.exe [ARGS...]
#
# Environment:
#   TESSAL_WINE_DIR   where the template and the run prefixes live
#                     (default: build/wine beside this script's checkout)
#   TESSAL_WINEARCH=win64  a 32-bit program runs in a 64-bit template
#                     instead, under WoW64, and sees the registry's 32-bit
#                     view (64-bit programs always do)
#   TESSAL_KEEP_PREFIX=1  keep the run's prefix and print where it is
#   TESSAL_ARTIFACTS  folder for screenshots; the program asks for one by
#                     writing NAME.req there and waits for NAME.png
#   TESSAL_TIMEOUT    seconds before the program is stopped (default 300)
#   TESSAL_USE_DISPLAY=1  run on the caller's $DISPLAY instead of a private
#                     Xvfb (for a person to watch and click)
#   TESSAL_LOCALE     the glibc locale the program runs in (default
#                     ja_JP.UTF-8, ANSI code page 932); en_US.UTF-8 gives
#                     a Western Windows (ANSI code page 1252)
#   TESSAL_NO_32BIT=1 behave as on a machine that runs only 64-bit code
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
wine_dir=${TESSAL_WINE_DIR:-$here/../build/wine}
mkdir -p "$wine_dir"
wine_dir=$(cd "$wine_dir" && pwd)
program=${1:?usage: wine-run.sh PROGRAM [ARGS...]}
shift

# The machine field of the PE header: 014c for i386, 8664 for x86-64.
pe_machine() {
  local header
  header=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
  [ -n "$header" ] && od -An -tx2 -j$((header + 4)) -N2 "$1" 2>/dev/null | tr -d ' '
}
case $(pe_machine "$program") in
  8664)
    program_loader=/usr/lib/wine/wine64
    export WINEARCH=win64 ;;
  014c)
    if ! why=$("$here/runs-32bit.sh"); then
      echo "wine-run: skipped: a 32-bit program, and $why"
      exit 77
    fi
    program_loader=/usr/lib/wine/wine
    export WINEARCH=${TESSAL_WINEARCH:-win32} ;;
  *) echo "wine-run: $program is not a Windows program for x86 or x86-64" >&2; exit 125 ;;
esac
case "$WINEARCH" in
  win32) template_name=template; loader=/usr/lib/wine/wine ;;
  # Made and served by the 64-bit loader, which starts where 32-bit code cannot.
  win64) template_name=template64; loader=/usr/lib/wine/wine64 ;;
  *) echo "wine-run: TESSAL_WINEARCH is win32 or win64" >&2; exit 125 ;;
esac
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset WINESERVER WINELOADER

# Non-ASCII arguments and file names need the glibc locale itself, not only
# Wine's code page: use the system's or generate one beside the prefixes.
use_locale() {
  local name=$1
  unset LOCPATH
  if ! locale -a 2>/dev/null | grep -qix "$(echo "$name" | sed 's/\.UTF-8$/.utf8/I')"; then
    if [ ! -d "$wine_dir/locale/$name" ]; then
      mkdir -p "$wine_dir/locale"
      localedef -i "${name%%.*}" -f UTF-8 "$wine_dir/locale/$name" 2>/dev/null || true
    fi
    export LOCPATH=$wine_dir/locale
  fi
  export LC_ALL=$name
}
use_locale "${TESSAL_LOCALE:-ja_JP.UTF-8}"

xvfb_pid=
start_display() {
  local fd_file
  fd_file=$(mktemp "$wine_dir/display.XXXXXX")
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fd_file" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 1 100); do
    [ -s "$fd_file" ] && break
    sleep 0.05
  done
  export DISPLAY=:$(tr -d '\n' <"$fd_file")
  rm -f "$fd_file"
}
stop_display() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=
  fi
}

# The template prefix is made once per build tree; concurrent runs wait for it.
make_template() {
  local staging=$wine_dir/$template_name.new
  rm -rf "$staging" "$wine_dir/home.$template_name"
  mkdir -p "$wine_dir/home.$template_name"
  (
    # One template for every run: made in the Japanese locale, whatever
    # locale the run that makes it asks for.
    use_locale ja_JP.UTF-8
    export HOME=$wine_dir/home.$template_name WINEPREFIX=$staging
    "$loader" wineboot -i >/dev/null 2>&1
    "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # Title-bar buttons are Marlett glyphs; in the Japanese locale Wine does
    # not find the font of fonts-wine unless it lies in the prefix.
    if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
      cp /usr/share/wine/fonts/marlett.ttf "$staging/drive_c/windows/Fonts/"
    fi
    wineserver -w
  )
  [ -f "$staging/system.reg" ] || { echo "wine-run: could not make the template prefix" >&2; return 1; }
  mv "$staging" "$wine_dir/$template_name"
}

exec 9>"$wine_dir/$template_name.lock"
flock 9
if [ ! -f "$wine_dir/$template_name/system.reg" ]; then
  start_display
  make_template || { stop_display; exit 125; }
  stop_display
fi
flock -u 9
exec 9>&-

run=$(mktemp -d "$wine_dir/run.XXXXXX")
cp -a "$wine_dir/$template_name/." "$run/"
# Wine links the profile's Desktop, Documents, Music, ... to $HOME, and the
# copy keeps those links: every run would share one folder outside its
# prefix (and Desktop would be Documents). Each run gets folders of its own.
find "$run/drive_c/users" -mindepth 2 -maxdepth 2 -type l | while read -r link; do
  rm -f "$link" && mkdir -p "$link"
done
mkdir -p "$run/home"
export WINEPREFIX=$run HOME=$run/home

watcher_pid=
cleanup() {
  [ -n "$watcher_pid" ] && kill "$watcher_pid" 2>/dev/null
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  stop_display
  if [ "${TESSAL_KEEP_PREFIX:-0}" = 1 ]; then
    echo "wine-run: prefix kept at $run" >&2
  else
    rm -rf "$run"
  fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ "${TESSAL_USE_DISPLAY:-0}" = 1 ] && [ -n "${DISPLAY:-}" ]; then
  # A person's display has its own window manager: let it manage the windows.
  "$loader" reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1
else
  start_display
fi

# Screenshots on request: a Windows program cannot reach the X server's
# root window, so it asks for one through a file.
if [ -n "${TESSAL_ARTIFACTS:-}" ]; then
  mkdir -p "$TESSAL_ARTIFACTS"
  (
    while sleep 0.1; do
      for req in "$TESSAL_ARTIFACTS"/*.req; do
        [ -e "$req" ] || continue
        name=${req%.req}
        import -window root "png:$name.png.tmp" 2>/dev/null && mv "$name.png.tmp" "$name.png"
        rm -f "$req"
      done
    done
  ) &
  watcher_pid=$!
fi

timeout --kill-after=5 "${TESSAL_TIMEOUT:-300}" "$program_loader" "$program" "$@"
rc=$?
exit $rc
