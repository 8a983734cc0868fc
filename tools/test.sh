#!/usr/bin/env bash
# Installs what is missing, builds korvo and its tests, and runs every test under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KORVO_BUILD_DIR:-$root/build}
"$root/tools/setup.sh"
"$root/tools/build.sh" "$build"
# shellcheck source=tools/wine-session.sh
. "$root/tools/wine-session.sh"
wine_session_start "$build"
trap wine_session_stop EXIT
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" "$@"
