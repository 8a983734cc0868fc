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
wine_serving_session_start "$build" "$session" "$number"

cd "$build/test-bin"
KORVO_TEST_PORT="COM$number" timeout 900 "$session/wine-run" portlink_korvo_benchmark.exe "$bytes"
