#!/bin/sh
# Runs a GoogleTest window driver in a Wine virtual desktop, where windows get
# their frames drawn, then checks the driver's results and keeps its picture
# of the screen as a PNG.
# Arguments: the build's wine-run script, the test-bin folder, the folder for
# the picture, a name for the desktop, results and picture, the driver.
set -eu
wine_run=$1
bin=$2
artifacts=$3
name=$4
driver=$5

cd "$bin"
rm -f "${name}_results.xml" "$name.bmp" "$name"_*.bmp
timeout 300 "$wine_run" explorer "/desktop=$name,1024x768" "$driver" \
    --gtest_output="xml:${name}_results.xml" --shot="$name.bmp" >/dev/null 2>&1 || true

if [ ! -f "${name}_results.xml" ]; then
    echo "the driver $driver left no results" >&2
    exit 1
fi
mkdir -p "$artifacts"
for picture in "$name.bmp" "$name"_*.bmp; do
    if [ -f "$picture" ]; then
        convert "$picture" "$artifacts/${picture%.bmp}.png"
        echo "picture: $artifacts/${picture%.bmp}.png"
    fi
done
if grep -q '<testsuites [^>]*failures="0"' "${name}_results.xml" &&
    grep -q '<testsuites [^>]*errors="0"' "${name}_results.xml"; then
    grep -o '<testcase name="[^"]*"' "${name}_results.xml" | sed 's/<testcase name=/passed: /'
    exit 0
fi
cat "${name}_results.xml"
exit 1
