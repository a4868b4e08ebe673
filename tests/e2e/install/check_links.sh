#!/usr/bin/env bash
# Reads the shortcuts that the install test left behind with lnkinfo, a
# reader independent of Windows, and checks target and working directory.
set -euo pipefail
dir=$1
expected_target='C:\Program Files\tessal\tessal.exe'
expected_folder='C:\Program Files\tessal'
count=0
for link in "$dir"/*.lnk; do
  [ -e "$link" ] || continue
  info=$(lnkinfo -c windows-932 "$link")
  grep -qF "Working directory		: $expected_folder" <<<"$info" || { echo "$link: working directory"; echo "$info"; exit 1; }
  grep -qF "$expected_target" <<<"$info" || { echo "$link: target"; echo "$info"; exit 1; }
  count=$((count + 1))
done
[ "$count" -eq 3 ] || { echo "expected 3 shortcuts in $dir, found $count"; exit 1; }
echo "3 shortcuts read back with lnkinfo: target $expected_target, working directory $expected_folder"
