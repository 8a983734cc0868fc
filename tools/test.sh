#!/usr/bin/env bash
# Installs what is missing, builds korvo and its tests for both architectures,
# and runs every test under Wine: on the 64-bit build always, and on the
# 32-bit build (the shipped one) where this machine runs 32-bit programs.
# Extra arguments go to ctest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
builds=${KORVO_BUILD_DIR:-$root/build}
"$root/tools/setup.sh"
# The 32-bit deliverable is always built, so it never stops compiling.
"$root/tools/build.sh" i686 "$builds/i686"
"$root/tools/build.sh" x86_64 "$builds/x86_64"
# shellcheck source=tools/wine-session.sh
. "$root/tools/wine-session.sh"

architectures=(x86_64)
if wine_win32_runs; then
  architectures+=(i686)
else
  echo "This machine does not run 32-bit programs: the tests run on the 64-bit build only."
fi

status=0
# The portable cores natively, under the sanitizers, with a short fuzz run each.
"$root/tools/native-test.sh" || status=$?

for arch in "${architectures[@]}"; do
  echo "Tests on the $arch build ($builds/$arch):"
  (
    wine_session_start "$builds/$arch"
    trap wine_session_stop EXIT
    ctest --test-dir "$builds/$arch" --output-on-failure -j"$(nproc)" "$@"
  ) || status=$?
done
exit $status
