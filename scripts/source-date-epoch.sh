#!/usr/bin/env bash
# Prints the time every file of the medium is dated with: SOURCE_DATE_EPOCH
# when the caller set it, else the last commit's time, else (a tree without
# git, as from `git archive`, whose files carry the commit's time) the
# newest modification time of the sources. Never the clock of the build.
#
#   scripts/source-date-epoch.sh [SOURCE_DIR]
set -euo pipefail
source_dir=${1:-$(cd "$(dirname "$0")/.." && pwd)}
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
  echo "$SOURCE_DATE_EPOCH"
elif epoch=$(git -C "$source_dir" log -1 --format=%ct 2>/dev/null) && [ -n "$epoch" ]; then
  echo "$epoch"
else
  find "$source_dir" -path "$source_dir/build" -prune -o -type f -printf '%T@\n' |
    LC_ALL=C sort -n | tail -n 1 | cut -d. -f1
fi
