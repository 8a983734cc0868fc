#!/bin/sh
# Reads one 60,000-row workbook (written by python3-xlwt) with our reader and
# with python3-xlrd, several runs each (5 unless a count is given), and
# prints every run's times and ratio, then the median ratio.
# Arguments: the build folder (its wine-run and test-bin are used), the runs.
set -eu
build=$(cd "$1" && pwd)
runs=${2:-5}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
book="$work/rows60000.xls"

/usr/bin/python3 "$here/make_large_workbook.py" "$book" 60000
ls -l "$book" | awk '{print "workbook_bytes " $5}'

run=1
while [ "$run" -le "$runs" ]; do
    /usr/bin/python3 - "$book" > "$work/xlrd.txt" <<'PY'
import sys, time, xlrd
start = time.perf_counter()
book = xlrd.open_workbook(sys.argv[1])
cells = sum(sheet.nrows * sheet.ncols for sheet in book.sheets())
print("xlrd_seconds %.4f" % (time.perf_counter() - start))
print("xlrd_cells %d" % cells)
PY
    "$build/wine-run" "$build/test-bin/seedvaults_read_benchmark.exe" "Z:$book" | tr -d '\r' > "$work/ours.txt"
    ours=$(awk '/^ours_seconds/ {print $2}' "$work/ours.txt")
    xlrd=$(awk '/^xlrd_seconds/ {print $2}' "$work/xlrd.txt")
    echo "run $run: $(cat "$work/xlrd.txt" "$work/ours.txt" | tr '\n' ' ')"
    awk -v a="$xlrd" -v b="$ours" 'BEGIN { printf "%.1f\n", a / b }' >> "$work/ratios.txt"
    run=$((run + 1))
done
sort -n "$work/ratios.txt" | awk '{ r[NR] = $1 } END { printf "median_ratio_xlrd_over_ours %.1f (goal: 20 or more)\n", r[int((NR + 1) / 2)] }'
