#!/usr/bin/env bash
# `make bench`: measures the programs of the medium under Wine and prints a
# table. Every time is the median of nine runs in this one invocation, with
# the fastest and the slowest run; every comparison is measured side by side
# in the same runs.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
# The figures are those of the programs that ship, the 32-bit build.
why=$(scripts/runs-32bit.sh) || { echo "bench: measures the shipped 32-bit programs, and $why" >&2; exit 1; }
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$(nproc)" --target Setup tessal Uninstall bench floor_gui floor_gui_bare stand_in_java >/dev/null
bash scripts/make-medium.sh build/win32 build/medium >/dev/null

results=$(mktemp)
trap 'rm -f "$results"' EXIT
# To a file, not a pipe: GUI children inherit the console's output.
TESSAL_WINE_DIR=$root/build/win32/wine TESSAL_TIMEOUT=1200 \
  scripts/wine-run.sh build/win32/tests/e2e/bench/bench.exe "$root/build/medium" \
  "$root/build/win32/tests/e2e/launcher/stand_in_java.exe" "$root/build/win32/tests/e2e/bench/floor_gui.exe" \
  "$root/build/win32/tests/e2e/bench/floor_gui_bare.exe" \
  >"$results" 2>/dev/null
value() { awk -F'\t' -v key="$1" '$1 == key { print $2 }' "$results"; }
spread() { awk -F'\t' -v key="$1" '$1 == key { printf "%s ms (%s-%s)", $2, $3, $4 }' "$results"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }

launcher=$(value launcher_to_runtime_ms)
floor=$(value floor_gui_to_runtime_ms)
copy_stage=$(value install_copy_stage_ms)
plain_copy=$(value plain_copyfile_100mb_ms)
printf '%-58s %s\n' "Measure ($(wine --version), $(nproc) cores)" "median (min-max) of 9"
printf '%-58s %s\n' "----------------------------------------------------------" "---------------------"
printf '%-58s %s\n' "launcher start -> Java runtime start (tessal.exe)" "$(spread launcher_to_runtime_ms)"
printf '%-58s %s\n' "minimal GUI program, same manifest and imports -> runtime" "$(spread floor_gui_to_runtime_ms)"
printf '%-58s %s\n' "  the same program without the manifest" "$(spread floor_gui_bare_to_runtime_ms)"
printf '%-58s %s\n' "Java runtime started directly (same command)" "$(spread runtime_direct_ms)"
printf '%-58s %sx\n' "  launcher / minimal GUI program (medians)" "$(ratio "$launcher" "$floor")"
printf '%-58s %s\n' "Setup.exe start -> install-folder page" "$(spread setup_to_folder_page_ms)"
printf '%-58s %s\n' "copy stage (Setup's log), 100 MB tessal.jar + 5 files" "$(spread install_copy_stage_ms)"
printf '%-58s %s\n' "plain CopyFileA of the same 100 MB file" "$(spread plain_copyfile_100mb_ms)"
printf '%-58s %sx\n' "  copy stage / plain CopyFileA (medians)" "$(ratio "$copy_stage" "$plain_copy")"
printf '%-58s %s KiB\n' "Setup.exe peak working set (at the folder page)" "$(value setup_peak_working_set_kb)"
printf '%-58s %s KiB\n' "tessal.exe peak working set (splash shown)" "$(value launcher_peak_working_set_kb)"
printf '%-58s %s KiB\n' "Setup.exe size (medium, stripped)" "$(( $(stat -c %s build/medium/Setup.exe) / 1024 ))"
printf '%-58s %s KiB\n' "tessal.exe size (medium, stripped)" "$(( $(stat -c %s build/medium/tessal.exe) / 1024 ))"
