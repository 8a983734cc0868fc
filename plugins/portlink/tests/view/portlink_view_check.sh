#!/usr/bin/env bash
# Drives portlink.dll in its test host against the simulated set-top box on
# a COM port of a Wine prefix of its own, on an X display, in a Wine virtual
# desktop (where frames are drawn), and keeps the picture as
# BUILD/artifacts/portlink.png. Wine lists its COM ports when the wineserver
# starts, so the pty pair is made before this prefix's wineserver.
#
#   portlink_view_check.sh ROOT BUILD CHECK_EXE
set -euo pipefail
root=$1
build=$2
check=$3
number=8

# shellcheck source=/dev/null
. "$root/tools/wine-session.sh"
session="$build/portlink-view-check"
wine_session_env "$session"
state="$WINEPREFIX/stbsim/com$number"
results="$session/results"

stop_all() {
  wine_stop_com_port "$number"
  wine_session_stop
  wineserver -w >/dev/null 2>&1 || true
}
trap stop_all EXIT

# Leftovers of an interrupted run of this check, in this prefix only.
wine_stop_com_port "$number"
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
wine_serve_com_port "$number"
wine_session_start "$session"

windows_path() { printf 'Z:%s' "$1" | sed 's|/|\\|g'; }
rm -rf "$results"
mkdir -p "$results" "$build/artifacts"
status=0
# Each suite in a process of its own: the plug-in makes one view per process.
for suite in PortlinkView PortlinkViewHighSpeedOff; do
  WINEPATH="$(windows_path "$build/dist")" KORVO_TEST_PORT="COM$number" \
    KORVO_TEST_SIM_LOG="$(windows_path "$state/stbsim.log")" \
    KORVO_TEST_SHOT="$(windows_path "$results/portlink.bmp")" \
    timeout 300 wine explorer /desktop=portlinkview,800x600 "$check" \
      --gtest_filter="$suite.*" --gtest_output="xml:$(windows_path "$results/$suite.xml")" \
      >/dev/null 2>&1 || true
  xml="$results/$suite.xml"
  if [ ! -f "$xml" ]; then
    echo "$suite left no results"
    status=1
  elif grep -q '<testsuites [^>]*failures="0"' "$xml" && grep -q '<testsuites [^>]*errors="0"' "$xml" &&
       ! grep -q '<testsuites [^>]*tests="0"' "$xml"; then
    grep -o '<testcase name="[^"]*"' "$xml" | sed "s/<testcase name=/passed: $suite./"
  else
    cat "$xml"
    status=1
  fi
done
if [ -f "$results/portlink.bmp" ]; then
  convert "$results/portlink.bmp" "$build/artifacts/portlink.png"
  echo "picture: $build/artifacts/portlink.png"
fi
exit $status
