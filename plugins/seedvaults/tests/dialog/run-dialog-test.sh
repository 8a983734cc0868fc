#!/bin/sh
# Runs the dialog driver in a Wine virtual desktop and keeps its picture.
# Arguments: wine-run, the test-bin folder, the artifacts folder, the fixture.
set -eu
wine_run=$1
bin=$2
artifacts=$3
fixture=$4

cd "$bin"
rm -f seedvaults_dialog_results.xml seedvaults.bmp
timeout 300 "$wine_run" explorer /desktop=seedvaults,1024x768 seedvaults_dialog_tests.exe \
    --gtest_output=xml:seedvaults_dialog_results.xml --shot=seedvaults.bmp "--fixture=Z:$fixture" \
    >/dev/null 2>&1 || true
if [ ! -f seedvaults_dialog_results.xml ]; then
    echo "the dialog driver left no results" >&2
    exit 1
fi
mkdir -p "$artifacts"
if [ -f seedvaults.bmp ]; then
    convert seedvaults.bmp "$artifacts/seedvaults.png"
    echo "picture: $artifacts/seedvaults.png"
fi
if grep -q '<testsuites [^>]*failures="0"' seedvaults_dialog_results.xml &&
    grep -q '<testsuites [^>]*errors="0"' seedvaults_dialog_results.xml; then
    grep -o '<testcase name="[^"]*"' seedvaults_dialog_results.xml | sed 's/<testcase name=/passed: /'
    exit 0
fi
cat seedvaults_dialog_results.xml
exit 1
