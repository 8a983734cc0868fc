#!/bin/sh
# Makes the expected presets of the xlwt-written workbook with python3-xlrd,
# then lets the driver work seedvaults inside korvo.exe in a Wine virtual
# desktop and compare. Arguments: wine-run, the test-bin folder, the
# artifacts folder, the workbook.
set -eu
wine_run=$1
bin=$2
artifacts=$3
workbook=$4
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../../.." && pwd)

cp "$workbook" "$bin/seedvaults_korvo_fixture.xls"
# The driver picks the one of the ANSI code page korvo runs in.
for code_page in 936 1252; do
    /usr/bin/python3 "$here/expected_preset.py" "$bin/seedvaults_korvo_fixture.xls" 6 $code_page \
        "$bin/seedvaults_korvo_preset_$code_page.bin" "$bin/seedvaults_korvo_message.txt"
done
exec sh "$root/tools/run-desktop-driver.sh" "$wine_run" "$bin" "$artifacts" seedvaults_korvo \
    seedvaults_korvo_tests.exe
