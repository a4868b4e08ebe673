#!/usr/bin/env bash
# `make test` after the packages are in: builds the native tree and both
# Windows trees and runs every suite of each, whatever failed before, then
# says in one line per tree what ran, what was skipped and why, and how
# long its build and its suites took.
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

# build TREE: configures and builds it, its output in build/test-logs/TREE.build.
build() {
  local start=$SECONDS status
  { cmake --preset "$1" >/dev/null && cmake --build --preset "$1" -j "$jobs"; } >"$logs/$1.build" 2>&1
  status=$?
  echo $((SECONDS - start)) >"$logs/$1.build-seconds"
  return $status
}

passed=0 failed=0 skipped=0
summary=() failed_trees=()
# run TREE BUILD_STATUS: runs its suites and adds its line to the summary.
run() {
  local tree=$1 log=$logs/$1.log start=$SECONDS
  if [ "$2" -ne 0 ]; then
    tail -n 40 "$logs/$tree.build"
    failed_trees+=("$tree")
    summary+=("$tree: did not build (all of it in $logs/$tree.build)")
    return
  fi
  ctest --preset "$tree" -j "$jobs" 2>&1 | tee "$log"
  [ "${PIPESTATUS[0]}" -eq 0 ] || failed_trees+=("$tree")
  # ctest counts a skipped test among the passed ones.
  local total bad skip line
  total=$(sed -n 's/.* tests failed out of \([0-9]*\)$/\1/p' "$log")
  bad=$(sed -n 's/.*, \([0-9]*\) tests failed out of .*/\1/p' "$log")
  skip=$(grep -c '\*\*\*Skipped' "$log")
  total=${total:-0} bad=${bad:-0}
  passed=$((passed + total - bad - skip)) failed=$((failed + bad)) skipped=$((skipped + skip))
  line="$tree: $((total - bad - skip)) passed, $bad failed"
  [ "$skip" -gt 0 ] &&
    line+=", $skip skipped ($(grep -m1 -ho 'skipped: .*' "build/$tree/Testing/Temporary/LastTest.log" | sed 's/^skipped: //'))"
  summary+=("$line; build $(cat "$logs/$tree.build-seconds") s, suites $((SECONDS - start)) s")
}

# One tree after the other: the whole road once waited a minute in vain for
# the wizard's next page while the next tree compiled beside the suites.
started=$SECONDS
for tree in native win32 win64; do
  build "$tree"
  run "$tree" $?
done

echo
echo "make test: $machine"
printf 'make test: %s\n' "${summary[@]}"
echo "make test: $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s in all"
echo "total: $passed passed, $failed failed, $skipped skipped"
[ "${#failed_trees[@]}" -eq 0 ] || { echo "make test: failed in ${failed_trees[*]}"; exit 1; }
