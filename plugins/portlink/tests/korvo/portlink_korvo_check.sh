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

stop_all() {
  wine_stop_com_port "$served"
  wine_session_stop
  wineserver -w >/dev/null 2>&1 || true
}
trap stop_all EXIT

# Leftovers of an interrupted run of this check, in this prefix only.
wine_stop_com_port "$served"
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
rm -f "$state/stbsim.log"

control_port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
wine_list_com_port "$missing" "$WINEPREFIX/stbsim/com$missing/no-device"
wine_serve_com_port "$served" --control-port "$control_port"
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

export KORVO_TEST_PORT="COM$served" KORVO_TEST_MISSING_PORT="COM$missing"
export KORVO_TEST_SIM_LOG="$(windows_path "$state/stbsim.log")" KORVO_TEST_SIM_CONTROL="$control_port"
status=0
sh "$root/tools/run-desktop-driver.sh" "$session/wine-run" "$bin" "$build/artifacts" portlink-korvo "$driver" \
  || status=$?
if [ $status -ne 0 ]; then
  tail -n 30 "$state/stbsim.log" || true
fi
exit $status
