#!/usr/bin/python3
"""Reads .xls files written by other programs (LibreOffice, xlwt) with our
reader under Wine (seedvaults_xls_dump) and with xlrd, an independent reader,
and checks every cell of every sheet, and every formula's cached result.

Where our reader differs from xlrd by its own rules, the rule is checked
exactly: a formula leaves its cell undefined, so do an error cell and an
empty text; a boolean is the integer 0 or 1; an RK integer scaled by 0.01
is truncated toward zero.
Usage: xlrd_agrees_with_our_reader.py <wine-run> <dump.exe> <file.xls>...
"""
import math
import subprocess
import sys

import xlrd


def text_of(kind, hex_text):
    raw = b"" if hex_text == "-" else bytes.fromhex(hex_text)
    # Narrow texts are the file's 8-bit characters, Latin-1 by the format.
    return raw.decode("utf-16-le") if kind == "wide" else raw.decode("latin-1")


def our_reading(wine_run, dump, path):
    output = subprocess.run([wine_run, dump, "Z:" + path], check=True, stdin=subprocess.DEVNULL,
                            stdout=subprocess.PIPE).stdout.decode("ascii")
    sheets, cells, formulas = [], {}, {}
    for line in output.splitlines():
        words = line.split()
        if not words:
            continue
        if words[0] == "sheet":
            sheets.append(text_of(words[2], words[3]))
            continue
        place = tuple(int(word) for word in words[1:4])
        kind, rest = words[4], words[5:]
        if kind in ("narrow", "wide"):
            value = ("text", text_of(kind, rest[0]))
        elif kind == "text" and rest[0] != "missing":
            value = ("text", text_of(rest[0], rest[1]))
        elif kind in ("integer", "boolean", "error"):
            value = (kind, int(rest[0]))
        elif kind in ("float", "number"):
            value = ("number", float(rest[0]))
        else:
            value = (kind, None)
        if words[0] == "cell":
            if kind != "undefined":
                cells[place] = value
        else:
            formulas[place] = value
    return sheets, cells, formulas


def formula_agrees(ours, cell):
    kind, value = ours
    if cell.ctype == xlrd.XL_CELL_NUMBER:
        return kind == "number" and value == cell.value
    if cell.ctype == xlrd.XL_CELL_TEXT:
        return kind == "text" and value == cell.value
    if cell.ctype == xlrd.XL_CELL_BOOLEAN:
        return kind == "boolean" and value == cell.value
    if cell.ctype == xlrd.XL_CELL_ERROR:
        return kind == "error" and value == cell.value
    return False


def cell_agrees(ours, cell):
    if cell.ctype in (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK, xlrd.XL_CELL_ERROR) or (
            cell.ctype == xlrd.XL_CELL_TEXT and cell.value == ""):
        return ours is None
    if ours is None:
        return False
    kind, value = ours
    if cell.ctype == xlrd.XL_CELL_TEXT:
        return kind == "text" and value == cell.value
    if cell.ctype == xlrd.XL_CELL_BOOLEAN:
        return kind == "integer" and value == cell.value
    if cell.ctype == xlrd.XL_CELL_NUMBER:
        if kind == "number":
            return value == cell.value
        scaled = cell.value * 100
        return kind == "integer" and (value == cell.value or (
            scaled == round(scaled) and value == math.trunc(cell.value)))
    return False


def check(wine_run, dump, path, failures):
    sheets, cells, formulas = our_reading(wine_run, dump, path)
    book = xlrd.open_workbook(path)
    name = path.rsplit("/", 1)[-1]
    if sheets != book.sheet_names():
        failures.append(f"{name}: sheets {sheets!r}, xlrd {book.sheet_names()!r}")
        return
    seen = set()
    for index, sheet in enumerate(book.sheets()):
        for row in range(sheet.nrows):
            for column in range(sheet.ncols):
                place = (index, row, column)
                seen.add(place)
                cell = sheet.cell(row, column)
                if place in formulas:
                    if place in cells or not formula_agrees(formulas[place], cell):
                        failures.append(f"{name} {place} formula: ours {formulas[place]!r} "
                                        f"cell {cells.get(place)!r}, xlrd {cell!r}")
                elif not cell_agrees(cells.get(place), cell):
                    failures.append(f"{name} {place}: ours {cells.get(place)!r}, xlrd {cell!r}")
    for place in (set(cells) | set(formulas)) - seen:
        failures.append(f"{name} {place}: ours has a cell where xlrd has none")
    print(f"{name}: {len(sheets)} sheets, {len(seen)} places, {len(cells)} cells "
          f"and {len(formulas)} formulas checked")


def main():
    wine_run, dump, paths = sys.argv[1], sys.argv[2], sys.argv[3:]
    failed = 0
    for path in paths:
        failures = []
        check(wine_run, dump, path, failures)
        for failure in failures[:30]:
            print(failure)
        failed += 1 if failures else 0
    print(f"{len(paths) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
