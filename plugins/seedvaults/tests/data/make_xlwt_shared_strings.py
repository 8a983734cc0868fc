#!/usr/bin/python3
"""Writes xlwt_shared_strings.xls with python3-xlwt: long narrow and wide
strings enough for a shared string table split by many CONTINUE records,
with strings cut at their boundaries, beside booleans, errors and blanks.

Run again only to change the fixture; the tests read the committed file.
"""
import os
import xlwt

book = xlwt.Workbook(encoding="utf-8")
sheet = book.add_sheet("Long strings")
for row in range(250):
    sheet.write(row, 0, "Transponder %03d " % row + "0123456789" * (3 + row % 11))
    sheet.write(row, 1, "".join(chr(0x4E00 + (row * 31 + i) % 3000) for i in range(15 + row % 50)))
    sheet.write(row, 2, row * 3 - 100)
sheet.write(0, 3, "x" * 20000)
sheet.write(1, 3, "\u00e9t\u00e9 " * 3000)
sheet.write(2, 3, "mixed \u00fc and \u4e2d " * 900)
flags = book.add_sheet("Flags")
for row, value in enumerate([True, False, True]):
    flags.write(row, 0, value)
for row, error in enumerate(["#NULL!", "#DIV/0!", "#VALUE!", "#REF!", "#NAME?", "#NUM!", 0x2A]):
    flags.row(row).set_cell_error(1, error)
flags.write(0, 2, "")
flags.write(1, 2, 0.1)
flags.write(2, 2, -2.5e-300)
flags.write(3, 2, 2 ** 40)
book.save(os.path.join(os.path.dirname(os.path.abspath(__file__)), "xlwt_shared_strings.xls"))
