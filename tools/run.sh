#!/usr/bin/env bash
# Builds korvo and starts it under Wine: the 32-bit build where this machine
# runs 32-bit programs, else the 64-bit one. Without KORVO_PORT (a host
# serial device such as /dev/ttyUSB0), korvo talks to the simulated set-top
# box on COM1.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
builds=${KORVO_BUILD_DIR:-$root/build}
"$root/tools/setup.sh"
# shellcheck source=tools/wine-session.sh
. "$root/tools/wine-session.sh"
arch=i686
if ! wine_win32_runs; then
  arch=x86_64
  echo "This machine does not run 32-bit programs: korvo runs from the 64-bit build."
fi
build=$builds/$arch
"$root/tools/build.sh" "$arch" "$build"
echo "Running korvo from $build/dist ($arch)."

program=$build/dist/korvo.exe
wine_session_env "$build"
if [ -n "${KORVO_PORT:-}" ]; then
  wine_list_com_port 1 "$KORVO_PORT"
  trap wine_session_stop EXIT
else
  wine_serve_com_port 1
  trap 'wine_stop_com_port 1; wine_session_stop' EXIT
fi
wine_session_start "$build"

cd "$(dirname "$program")"
"$build/wine-run" "$program"
