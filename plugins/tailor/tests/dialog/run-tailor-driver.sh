#!/bin/sh
# Runs tailor's window driver in a Wine virtual desktop through the shared
# runner, then keeps the customer configuration's picture beside the main one.
# Arguments: the shared runner, the build's wine-run script, the test-bin
# folder, the folder for the pictures.
set -eu
runner=$1
wine_run=$2
bin=$3
artifacts=$4

status=0
sh "$runner" "$wine_run" "$bin" "$artifacts" tailor tailor_dialog_tests.exe || status=$?
if [ -f "$bin/tailor_config.bmp" ]; then
    convert "$bin/tailor_config.bmp" "$artifacts/tailor_config.png"
    echo "picture: $artifacts/tailor_config.png"
fi
exit $status
