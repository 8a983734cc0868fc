#!/usr/bin/python3
"""Runs our sample writer under Wine and reads its .xls with xlrd, an
independent reader, checking every cell the writer put there."""
import os
import subprocess
import sys
import tempfile

import xlrd


def main():
    wine_run, writer = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([wine_run, writer, "sample.xls"], cwd=folder, check=True,
                       stdin=subprocess.DEVNULL)
        book = xlrd.open_workbook(os.path.join(folder, "sample.xls"))
    failures = []

    def expect(what, actual, wanted):
        if actual != wanted:
            failures.append(f"{what}: {actual!r} != {wanted!r}")

    expect("sheet names", book.sheet_names(), ["Sheet1", "Sheet2"])
    sheet = book.sheet_by_name("Sheet1")
    expect("rows", sheet.nrows, 53)
    long_text = "".join(chr(0x4E00 + i % 500) for i in range(10000))
    cells = {
        (0, 0): "Name", (0, 1): "Value", (2, 0): "*Astra 19.2E", (2, 3): 192.0,
        (3, 0): "\u4e2d\u6587\u53f0", (3, 7): 11836.0, (3, 8): -27500.0, (3, 9): "H",
        (4, 2): 3.75, (4, 3): float(1 << 30), (4, 4): "Caf\u00e9",
        (50, 0): long_text, (51, 0): "n" * 9000, (52, 0): "Name",
    }
    for row in range(5, 45):
        cells[(row, 1)] = float(row * 10)
    for (row, column), wanted in cells.items():
        expect(f"Sheet1 cell ({row},{column})", sheet.cell_value(row, column), wanted)
    expect("empty cell", sheet.cell_type(1, 0), xlrd.XL_CELL_EMPTY)
    expect("Sheet2 cell (1,1)", book.sheet_by_name("Sheet2").cell_value(1, 1), "second sheet")

    checked = len(cells) + 2
    for failure in failures:
        print("FAILED", failure)
    print(f"{checked - len(failures)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
