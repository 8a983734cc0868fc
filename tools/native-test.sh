#!/usr/bin/env bash
# The native build (host clang, no Wine): builds the portable cores, their unit
# tests and fuzz harnesses under AddressSanitizer and UndefinedBehaviorSanitizer
# into build/native (or $KORVO_BUILD_DIR/native), and runs the tests and each
# harness for a few seconds on its seeds. Extra arguments go to ctest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KORVO_BUILD_DIR:-$root/build}/native
jobs=$(( $(nproc) < 4 ? $(nproc) : 4 ))
cmake -S "$root/native" -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j"$jobs"
echo "Native tests and fuzz seed runs ($build):"
ctest --test-dir "$build" --output-on-failure -j"$jobs" "$@"
