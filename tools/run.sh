#!/usr/bin/env bash
# Builds korvo and starts it under Wine. Without KORVO_PORT (a host serial
# device such as /dev/ttyUSB0), korvo talks to the simulated set-top box on COM1.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KORVO_BUILD_DIR:-$root/build}
"$root/tools/setup.sh"
"$root/tools/build.sh" "$build"

program=$build/dist/korvo.exe
[ -f "$program" ] || program=$build/test-bin/framework_demo.exe
if [ ! -f "$program" ]; then
  echo "Nothing runnable was built yet." >&2
  exit 1
fi

# shellcheck source=tools/wine-session.sh
. "$root/tools/wine-session.sh"
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
