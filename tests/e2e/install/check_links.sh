#!/usr/bin/env bash
# Reads the shortcuts that the install test left behind with lnkinfo, a
# reader independent of Windows, and checks target and working directory:
# the wizard's three in the folder itself, and each unattended install's
# three in a subfolder beside its expected.txt (target, then working
# directory, code page 932).
set -euo pipefail
dir=$1

# Where the install test could not run, what lies there is an older run's.
if [ "${TESSAL_32BIT_PROGRAMS:-OFF}" = ON ] && ! why=$("$(dirname "$0")/../../../scripts/runs-32bit.sh"); then
  echo "check_links: skipped: the install test ran no 32-bit program, as $why"
  exit 77
fi

# check_set FOLDER TARGET WORKING_DIRECTORY
check_set() {
  local count=0 link info
  for link in "$1"/*.lnk; do
    [ -e "$link" ] || continue
    info=$(lnkinfo -c windows-932 "$link")
    grep -qF "Working directory		: $3" <<<"$info" || { echo "$link: working directory"; echo "$info"; exit 1; }
    grep -qF "$2" <<<"$info" || { echo "$link: target"; echo "$info"; exit 1; }
    count=$((count + 1))
  done
  [ "$count" -eq 3 ] || { echo "expected 3 shortcuts in $1, found $count"; exit 1; }
  echo "3 shortcuts in $1 read back with lnkinfo: target $2, working directory $3"
}

check_set "$dir" 'C:\Program Files\tessal\tessal.exe' 'C:\Program Files\tessal'
sets=0
for expected in "$dir"/*/expected.txt; do
  [ -e "$expected" ] || continue
  mapfile -t lines < <(iconv -f CP932 -t UTF-8 "$expected")
  check_set "$(dirname "$expected")" "${lines[0]}" "${lines[1]}"
  sets=$((sets + 1))
done
[ "$sets" -eq 2 ] || { echo "expected 2 sets of the unattended installs in $dir, found $sets"; exit 1; }
