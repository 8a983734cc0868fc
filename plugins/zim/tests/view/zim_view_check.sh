#!/usr/bin/env bash
# Drives korvo.exe with portlink.dll and zim.dll against the simulated
# set-top box on a COM port of a Wine prefix of its own, in a Wine virtual
# desktop, and keeps the picture of the zim form as BUILD/artifacts/zim.png.
# Wine lists its COM ports when the wineserver starts, so the pty pair is
# made before this prefix's wineserver.
#
#   zim_view_check.sh ROOT BUILD DRIVER_EXE [GTEST_FILTER]
set -euo pipefail
root=$1
build=$2
driver=$3
filter=${4:-*}
number=5

# shellcheck source=/dev/null
. "$root/tools/wine-session.sh"
control_port=$(free_tcp_port)
session="$build/zim-view-check"
work="$session/work"
results="$session/results"
wine_serving_session_start "$build" "$session" "$number" --control-port "$control_port" --burn-step 0.002

rm -rf "$results" "$work"
mkdir -p "$results" "$work" "$build/artifacts"
status=0
xml="$results/zim.xml"
KORVO_TEST_PORT="COM$number" KORVO_TEST_CONTROL="$control_port" \
  KORVO_TEST_WORK="$(windows_path "$work")" KORVO_TEST_WORK_UNIX="$work" \
  timeout 900 "$session/wine-run" explorer /desktop=zimview,1024x768 "$driver" --gtest_filter="$filter" \
    --shot="$(windows_path "$results/zim.bmp")" --gtest_output="xml:$(windows_path "$xml")" \
    >/dev/null 2>&1 || true
if [ ! -f "$xml" ]; then
  echo "the driver left no results"
  status=1
elif grep -q '<testsuites [^>]*failures="0"' "$xml" && grep -q '<testsuites [^>]*errors="0"' "$xml" &&
     ! grep -q '<testsuites [^>]*tests="0"' "$xml"; then
  grep -o '<testcase name="[^"]*"' "$xml" | sed "s/<testcase name=/passed: /"
else
  cat "$xml"
  tail -n 30 "$WINEPREFIX/stbsim/com$number/stbsim.log" 2>/dev/null || true
  status=1
fi
if [ -f "$results/zim.bmp" ]; then
  convert "$results/zim.bmp" "$build/artifacts/zim.png"
  echo "picture: $build/artifacts/zim.png"
fi
exit $status
