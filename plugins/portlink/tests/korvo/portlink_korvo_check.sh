#!/usr/bin/env bash
# Runs korvo.exe with portlink.dll against the simulated set-top box: COM6 is
# served, COM7 is listed without a device. The ports live in a Wine prefix of
# this check's own, and Wine lists its COM ports when the wineserver starts,
# so they are made before this prefix's wineserver. The driver runs in a Wine
# virtual desktop; its picture is kept as BUILD/artifacts/portlink-korvo.png.
#
#   portlink_korvo_check.sh ROOT BUILD BIN DRIVER
set -euo pipefail
root=$1
build=$2
bin=$3
driver=$4
served=6
missing=7

# shellcheck source=/dev/null
. "$root/tools/wine-session.sh"
session="$build/portlink-korvo-check"
wine_session_env "$session"
state="$WINEPREFIX/stbsim/com$served"
rm -f "$state/stbsim.log"

control_port=$(free_tcp_port)
wine_list_com_port "$missing" "$WINEPREFIX/stbsim/com$missing/no-device"
wine_serving_session_start "$build" "$session" "$served" --control-port "$control_port"

export KORVO_TEST_PORT="COM$served" KORVO_TEST_MISSING_PORT="COM$missing"
export KORVO_TEST_SIM_LOG="$(windows_path "$state/stbsim.log")" KORVO_TEST_SIM_CONTROL="$control_port"
status=0
sh "$root/tools/run-desktop-driver.sh" "$session/wine-run" "$bin" "$build/artifacts" portlink-korvo "$driver" \
  || status=$?
if [ $status -ne 0 ]; then
  tail -n 30 "$state/stbsim.log" || true
fi
exit $status
