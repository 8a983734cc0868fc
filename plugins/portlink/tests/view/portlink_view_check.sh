#!/usr/bin/env bash
# Drives portlink.dll in its test host against the simulated set-top box on
# COM8 of a Wine prefix of its own, in a Wine virtual desktop (where frames
# are drawn), and keeps the picture as BUILD/artifacts/portlink-view.png. Wine
# lists its COM ports when the wineserver starts, so the pty pair is made
# before this prefix's wineserver.
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
wine_serving_session_start "$build" "$session" "$number"
state="$WINEPREFIX/stbsim/com$number"

bin=$(dirname "$check")
export KORVO_TEST_PORT="COM$number" KORVO_TEST_SIM_LOG="$(windows_path "$state/stbsim.log")"
export KORVO_TEST_SHOT="$(windows_path "$bin/portlink-view.bmp")"
status=0
# Each suite in a process of its own: the plug-in makes one view per process.
for suite in PortlinkView PortlinkViewHighSpeedOff; do
  GTEST_FILTER="$suite.*" sh "$root/tools/run-desktop-driver.sh" "$session/wine-run" "$bin" "$build/artifacts" \
    "$(printf 'portlink-view-%s' "$suite")" "$(basename "$check")" || status=1
done
# The picture is taken by the first suite.
if [ -f "$bin/portlink-view.bmp" ]; then
  convert "$bin/portlink-view.bmp" "$build/artifacts/portlink-view.png"
  echo "picture: $build/artifacts/portlink-view.png"
fi
exit $status
