#!/bin/sh
# Runs the demo's driver in a Wine virtual desktop, where windows get their
# frames drawn, then checks the driver's results and keeps its picture of
# the screen as a PNG.
# Arguments: the build's wine-run script, the test-bin folder, the folder
# for the picture.
set -eu
wine_run=$1
bin=$2
artifacts=$3

cd "$bin"
rm -f framework_demo_results.xml framework_demo.bmp
timeout 300 "$wine_run" explorer /desktop=frameworkdemo,1024x768 framework_demo_tests.exe \
    --gtest_output=xml:framework_demo_results.xml --shot=framework_demo.bmp >/dev/null 2>&1 || true

if [ ! -f framework_demo_results.xml ]; then
    echo "the demo driver left no results" >&2
    exit 1
fi
mkdir -p "$artifacts"
if [ -f framework_demo.bmp ]; then
    convert framework_demo.bmp "$artifacts/framework_demo.png"
    echo "picture: $artifacts/framework_demo.png"
fi
if grep -q '<testsuites [^>]*failures="0"' framework_demo_results.xml &&
    grep -q '<testsuites [^>]*errors="0"' framework_demo_results.xml; then
    grep -o '<testcase name="[^"]*"' framework_demo_results.xml | sed 's/<testcase name=/passed: /'
    exit 0
fi
cat framework_demo_results.xml
exit 1
