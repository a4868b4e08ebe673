#!/usr/bin/env bash
# `make bench`: measures the programs of the medium under Wine and prints a
# table. Every figure is the median of five runs in this one invocation;
# every comparison is measured side by side in the same runs.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$(nproc)" --target Setup tessal bench stand_in_java >/dev/null
bash scripts/make-medium.sh build/win32 build/medium >/dev/null

results=$(mktemp)
trap 'rm -f "$results"' EXIT
# To a file, not a pipe: GUI children inherit the console's output.
TESSAL_WINE_DIR=$root/build/win32/wine TESSAL_TIMEOUT=1200 \
  scripts/wine-run.sh build/win32/tests/e2e/bench/bench.exe "$root/build/medium" \
  "$root/build/win32/tests/e2e/launcher/stand_in_java.exe" >"$results" 2>/dev/null
value() { awk -F'\t' -v key="$1" '$1 == key { print $2 }' "$results"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }

launcher=$(value launcher_to_runtime_ms)
direct=$(value runtime_direct_ms)
copy_stage=$(value install_copy_stage_ms)
plain_copy=$(value plain_copyfile_100mb_ms)
printf '%-58s %12s\n' "Measure ($(wine --version), $(nproc) cores)" "value"
printf '%-58s %12s\n' "----------------------------------------------------------" "------------"
printf '%-58s %9s ms\n' "launcher start -> Java runtime start (tessal.exe)" "$launcher"
printf '%-58s %9s ms\n' "Java runtime started directly (same command)" "$direct"
printf '%-58s %12s\n' "  launcher overhead ratio" "$(ratio "$launcher" "$direct")x"
printf '%-58s %9s ms\n' "Setup.exe start -> install-folder page" "$(value setup_to_folder_page_ms)"
printf '%-58s %9s ms\n' "install run copy stage, 100 MB tessal.jar + 5 small files" "$copy_stage"
printf '%-58s %9s ms\n' "plain CopyFileA of the same 100 MB file" "$plain_copy"
printf '%-58s %12s\n' "  copy stage ratio" "$(ratio "$copy_stage" "$plain_copy")x"
printf '%-58s %8s KiB\n' "Setup.exe peak working set (at the folder page)" "$(value setup_peak_working_set_kb)"
printf '%-58s %8s KiB\n' "tessal.exe peak working set (splash shown)" "$(value launcher_peak_working_set_kb)"
printf '%-58s %8s KiB\n' "Setup.exe size (medium, stripped)" "$(( $(stat -c %s build/medium/Setup.exe) / 1024 ))"
printf '%-58s %8s KiB\n' "tessal.exe size (medium, stripped)" "$(( $(stat -c %s build/medium/tessal.exe) / 1024 ))"
