#!/usr/bin/env bash
# `make test` after the packages are in: builds the native tree and both
# Windows trees and runs every suite of each, whatever failed before, then
# says in one line per tree what ran and what was skipped, and why.
#
# Where this machine cannot run 32-bit code (scripts/runs-32bit.sh; or
# TESSAL_NO_32BIT=1 anywhere), the win32 tree is still built and its static
# and medium checks run, but each of its Windows suites is skipped; the
# win64 tree's suites run under 64-bit Wine.
set -uo pipefail
cd "$(dirname "$0")/.."
jobs=${JOBS:-$(nproc)}
logs=build/test-logs
mkdir -p "$logs"

if why=$(scripts/runs-32bit.sh); then
  machine="this machine runs 32-bit and 64-bit code: the Windows suites of both trees run"
else
  machine="32-bit Windows suites skipped: $why; the win64 tree's suites run under 64-bit Wine"
fi
echo "make test: $machine"

failed_trees=()
passed=0 failed=0 skipped=0
summary=()
for tree in native win32 win64; do
  log=$logs/$tree.log
  if ! { cmake --preset "$tree" >/dev/null && cmake --build --preset "$tree" -j "$jobs"; } >"$log.build" 2>&1; then
    tail -n 40 "$log.build"
    echo "make test: the $tree tree did not build (all of it in $log.build)"
    failed_trees+=("$tree")
    summary+=("$tree: did not build")
    continue
  fi
  ctest --preset "$tree" -j "$jobs" 2>&1 | tee "$log"
  [ "${PIPESTATUS[0]}" -eq 0 ] || failed_trees+=("$tree")
  # ctest counts a skipped test among the passed ones.
  total=$(sed -n 's/.* tests failed out of \([0-9]*\)$/\1/p' "$log")
  bad=$(sed -n 's/.*, \([0-9]*\) tests failed out of .*/\1/p' "$log")
  skip=$(grep -c '\*\*\*Skipped' "$log")
  total=${total:-0} bad=${bad:-0}
  passed=$((passed + total - bad - skip)) failed=$((failed + bad)) skipped=$((skipped + skip))
  line="$tree: $((total - bad - skip)) passed, $bad failed"
  [ "$skip" -gt 0 ] && line+=", $skip skipped ($(grep -m1 -ho 'skipped: .*' "build/$tree/Testing/Temporary/LastTest.log" | sed 's/^skipped: //'))"
  summary+=("$line")
done

echo
echo "make test: $machine"
printf 'make test: %s\n' "${summary[@]}"
echo "total: $passed passed, $failed failed, $skipped skipped"
[ "${#failed_trees[@]}" -eq 0 ] || { echo "make test: failed in ${failed_trees[*]}"; exit 1; }
