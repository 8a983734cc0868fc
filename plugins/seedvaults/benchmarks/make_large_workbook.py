#!/usr/bin/python3
"""Writes a workbook of the given rows (15 columns: a text, then numbers)
with python3-xlwt: usage make_large_workbook.py <path> <rows>."""
import sys
import xlwt

path, rows = sys.argv[1], int(sys.argv[2])
book = xlwt.Workbook(encoding="utf-8")
sheet = book.add_sheet("Sheet1")
for row in range(rows):
    sheet.write(row, 0, "*Satellite %d" % row if row % 50 == 0 else "Program %d" % (row % 997))
    for column in range(1, 15):
        sheet.write(row, column, row * column if column % 3 else row * column + 0.5)
book.save(path)
