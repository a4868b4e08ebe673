#!/usr/bin/env bash
# Builds the medium's three programs again from a copy of the working sources
# at another path (another umask, time zone and time), assembles both media
# and compares them byte for byte; checks SHA256SUMS of the first.
#
#   same_medium.sh SOURCE_DIR WIN32_BUILD_DIR WORK_DIR
set -euo pipefail
src=$1 build=$2 work=$3
rm -rf "$work"
mkdir -p "$work/elsewhere"
SOURCE_DATE_EPOCH=$("$src/scripts/source-date-epoch.sh" "$src")
export SOURCE_DATE_EPOCH
unset SIGN_PFX  # a signature holds its signing time

# The files git would commit (tracked and new, not ignored), as they are now.
if git -C "$src" rev-parse --git-dir >/dev/null 2>&1; then
  (cd "$src" && git ls-files -z --cached --others --exclude-standard |
    tar --null --ignore-failed-read -T - -cf - 2>/dev/null) | tar -xf - -C "$work/elsewhere"
else
  tar -C "$src" --exclude=./build -cf - . | tar -xf - -C "$work/elsewhere"
fi

bash "$src/scripts/make-medium.sh" "$build" "$work/here/medium" >/dev/null
(
  umask 077
  export TZ=Asia/Tokyo
  cd "$work/elsewhere"
  cmake --preset win32 >/dev/null
  cmake --build --preset win32 -j "$(nproc)" --target Setup tessal Uninstall >"$work/build.log" 2>&1 ||
    { tail -n 40 "$work/build.log"; exit 1; }
  bash scripts/make-medium.sh build/win32 "$work/there/medium" >/dev/null
)

status=0
for file in "$work"/here/medium/* "$work/here/medium.zip"; do
  other=$work/there/${file#"$work/here/"}
  if ! cmp -s "$file" "$other"; then
    echo "differs when built elsewhere: ${file#"$work/here/"}"
    status=1
  fi
done
[ "$(ls "$work/here/medium")" = "$(ls "$work/there/medium")" ] || { echo "not the same files"; status=1; }
(cd "$work/here/medium" && sha256sum --check --strict --quiet SHA256SUMS) || status=1
listed=$(awk '{ print $2 }' "$work/here/medium/SHA256SUMS" | sort)
[ "$listed" = "$(ls "$work/here/medium" | grep -vx SHA256SUMS | sort)" ] || { echo "SHA256SUMS does not list every file"; status=1; }
[ "$status" = 0 ] && echo "the medium is the same, byte for byte, built at $work/elsewhere"
exit "$status"
