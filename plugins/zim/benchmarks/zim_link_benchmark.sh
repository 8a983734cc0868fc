#!/usr/bin/env bash
# Measures zim's whole-image upgrade and flash dump of 1 MB against the
# simulated set-top box pacing its side of the line to 115,200 baud, 10 bits
# a byte: serves COM10 in a Wine prefix of its own and runs
# zim_link_benchmark.exe there. Not a test: it prints figures (each transfer
# takes about a minute and a half).
#
#   zim_link_benchmark.sh BUILD
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
build=$(cd "$1" && pwd)
number=10
baud=115200
size=$((0x100000))

# shellcheck source=/dev/null
. "$root/tools/wine-session.sh"
session="$build/zim-link-bench"
wine_session_env "$session"
work="$WINEPREFIX/zim-link-bench"
flash_out="$work/flash-out.bin"
image="$work/image.bin"

mkdir -p "$work"
rm -f "$flash_out" "$image" "$image.gz" "$work/dump.bin"
# Random bytes: gzip cannot shrink them, so the upgrade moves a full 1 MB.
head -c "$size" /dev/urandom >"$image"
gzip -kf "$image"
wine_serving_session_start "$build" "$session" "$number" --pace "$baud" --flash-size "$size" --flash-out "$flash_out"

status=0
timeout 900 "$session/wine-run" "$build/test-bin/zim_link_benchmark.exe" "COM$number" \
  "$baud" "$(windows_path "$image")" "$(windows_path "$image.gz")" "$(windows_path "$work/dump.bin")" || status=$?
if [ $status -eq 0 ]; then
  cmp "$image" "$flash_out" || { echo "the simulator's flash differs from the image"; status=1; }
fi
if [ $status -ne 0 ]; then
  tail -n 40 "$WINEPREFIX/stbsim/com$number/stbsim.log" || true
fi
exit $status
