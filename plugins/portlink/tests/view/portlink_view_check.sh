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
wine_session_env "$session"
state="$WINEPREFIX/stbsim/com$number"

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
# The desktop runner takes a script that runs Wine in the right prefix.
cat >"$session/wine-run" <<EOF
#!/bin/sh
export WINEPREFIX='$WINEPREFIX' WINEARCH=win32 WINEDEBUG='$WINEDEBUG' WINEDLLOVERRIDES='$WINEDLLOVERRIDES'
export WINEPATH='$(windows_path "$build/dist")'
exec wine "\$@"
EOF
chmod +x "$session/wine-run"

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
