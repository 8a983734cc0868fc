#!/usr/bin/env bash
# Runs zim's upgrade link check against the simulated set-top box, on a COM
# port of a Wine prefix of its own: a block upgrade and a dump, whose file
# must equal the simulator's flash, then a whole-image upgrade, after which
# the simulator's flash must equal the image.
#
#   upgrade_link_check.sh ROOT BUILD CHECK_EXE
set -euo pipefail
root=$1
build=$2
check=$3
number=4

# shellcheck source=/dev/null
. "$root/tools/wine-session.sh"
wine_session_env "$build/zim-link-check"
work="$WINEPREFIX/zim-link-check"
flash_out="$work/flash-out.bin"
dump="$work/dump.bin"
image="$work/image.bin"

stop_all() {
  wine_stop_com_port "$number"
  wineserver -k >/dev/null 2>&1 || true
}
trap stop_all EXIT

# Leftovers of an interrupted run of this check, in this prefix only.
stop_all
mkdir -p "$work"
rm -f "$flash_out" "$dump" "$image" "$image.gz"
wine_serve_com_port "$number" --flash-out "$flash_out"
wineserver -p >/dev/null 2>&1 </dev/null
wine_prefix_create

run_check() {  # run_check FILTER
  WINEPATH="$(windows_path "$build/dist")" KORVO_TEST_PORT="COM$number" KORVO_TEST_DUMP="$(windows_path "$dump")" \
    KORVO_TEST_IMAGE="$(windows_path "$image")" KORVO_TEST_IMAGE_GZ="$(windows_path "$image.gz")" \
    timeout 270 "$KORVO_WINE" "$check" --gtest_filter="$1"
}

status=0
# A block upgrade, then a dump that must show the simulator's flash as it is.
run_check '*BlockUpgradeThenDump*' || status=$?
if [ $status -eq 0 ]; then
  cmp "$dump" "$flash_out" || { echo "the dump differs from the simulator's flash"; status=1; }
fi
# The dumped flash, changed, upgraded whole: the flash must become it.
if [ $status -eq 0 ]; then
  python3 -c 'import sys; d = bytearray(open(sys.argv[1], "rb").read()); d[0x40000:0x40010] = b"whole image test"; open(sys.argv[2], "wb").write(d)' \
    "$dump" "$image"
  gzip -kf "$image"
  # The dump client stays until a reset: reset the target and let its
  # application start, so that the check can reboot it by its console.
  python3 "$root/tools/stbsim/stbsim.py" --control "$WINEPREFIX/stbsim/com$number/control" --command reset >/dev/null
  sleep 3
  run_check '*WholeImageUpgrade*' || status=$?
  if [ $status -eq 0 ]; then
    cmp "$image" "$flash_out" || { echo "the simulator's flash differs from the image"; status=1; }
  fi
fi
if [ $status -ne 0 ]; then
  tail -n 40 "$WINEPREFIX/stbsim/com$number/stbsim.log" || true
fi
exit $status
