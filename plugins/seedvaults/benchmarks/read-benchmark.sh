#!/bin/sh
# Reads one 60,000-row workbook (written by python3-xlwt) with our reader and
# with python3-xlrd, one run each, and prints both times and their ratio.
# Arguments: the build folder (its wine-run and test-bin are used).
set -eu
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
book="$work/rows60000.xls"

/usr/bin/python3 "$here/make_large_workbook.py" "$book" 60000
ls -l "$book" | awk '{print "workbook_bytes " $5}'

/usr/bin/python3 - "$book" > "$work/xlrd.txt" <<'PY'
import sys, time, xlrd
start = time.perf_counter()
book = xlrd.open_workbook(sys.argv[1])
cells = sum(sheet.nrows * sheet.ncols for sheet in book.sheets())
print("xlrd_seconds %.4f" % (time.perf_counter() - start))
print("xlrd_cells %d" % cells)
PY
"$build/wine-run" "$build/test-bin/seedvaults_read_benchmark.exe" "Z:$book" | tr -d '\r' > "$work/ours.txt"
cat "$work/xlrd.txt" "$work/ours.txt"
ours=$(awk '/^ours_seconds/ {print $2}' "$work/ours.txt")
xlrd=$(awk '/^xlrd_seconds/ {print $2}' "$work/xlrd.txt")
awk -v a="$xlrd" -v b="$ours" 'BEGIN { printf "ratio_xlrd_over_ours %.1f (goal: 20 or more)\n", a / b }'
