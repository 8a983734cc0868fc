#!/usr/bin/env bash
# Measures how fast console text from the simulated set-top box reaches
# korvo's console and daily log: serves COM6 in a Wine prefix of its own and
# runs portlink_korvo_benchmark.exe there. Not a test: it prints figures.
#
#   korvo_console_benchmark.sh BUILD [BYTES]     (default 20000000)
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
build=$(cd "$1" && pwd)
bytes=${2:-20000000}
number=6

# shellcheck source=/dev/null
. "$root/tools/wine-session.sh"
session="$build/portlink-korvo-bench"
wine_session_env "$session"

stop_all() {
  wine_stop_com_port "$number"
  wine_session_stop
  wineserver -w >/dev/null 2>&1 || true
}
trap stop_all EXIT

wine_stop_com_port "$number"
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
wine_serve_com_port "$number"
wine_session_start "$session"

cd "$build/test-bin"
WINEPATH="Z:$(printf '%s' "$build/dist" | sed 's|/|\\|g')" KORVO_TEST_PORT="COM$number" \
  timeout 900 wine portlink_korvo_benchmark.exe "$bytes"
