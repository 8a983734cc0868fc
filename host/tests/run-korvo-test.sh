#!/bin/sh
# Runs korvo's window driver in a Wine virtual desktop, checks its results
# and keeps its picture of korvo as a PNG.
# Arguments: the build's wine-run script, the test-bin folder, the folder
# for the picture.
set -eu
wine_run=$1
bin=$2
artifacts=$3

cd "$bin"
rm -f korvo_window_results.xml korvo.bmp
timeout 300 "$wine_run" explorer /desktop=korvowindows,1024x768 korvo_window_tests.exe \
    --gtest_output=xml:korvo_window_results.xml --shot=korvo.bmp >/dev/null 2>&1 || true

if [ ! -f korvo_window_results.xml ]; then
    echo "the korvo driver left no results" >&2
    exit 1
fi
mkdir -p "$artifacts"
if [ -f korvo.bmp ]; then
    convert korvo.bmp "$artifacts/korvo.png"
    echo "picture: $artifacts/korvo.png"
fi
if grep -q '<testsuites [^>]*failures="0"' korvo_window_results.xml &&
    grep -q '<testsuites [^>]*errors="0"' korvo_window_results.xml; then
    grep -o '<testcase name="[^"]*"' korvo_window_results.xml | sed 's/<testcase name=/passed: /'
    exit 0
fi
cat korvo_window_results.xml
exit 1
