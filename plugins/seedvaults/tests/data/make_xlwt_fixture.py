#!/usr/bin/python3
"""Writes xlwt_fixture.xls with an independent writer (python3-xlwt).

Run again only to change the fixture; the tests read the committed file.
"""
import os
import xlwt

book = xlwt.Workbook(encoding="utf-8")
sheet = book.add_sheet("Sheet1")
sheet.write(0, 0, "Name")
sheet.write(0, 1, "Frequency")
sheet.write(2, 0, "*Astra 19.2E")
sheet.write(2, 3, 192)
sheet.write(3, 0, "Das Erste")
sheet.write(3, 7, 11836)
sheet.write(3, 8, 27500)
sheet.write(3, 9, "H")
sheet.write(4, 0, "\u4e2d\u6587\u53f0")
sheet.write(4, 2, 3.75)
sheet.write(4, 3, -3.75)
sheet.write(4, 4, 123456789)
sheet.write(4, 5, True)
sheet.write(5, 0, "Das Erste")
other = book.add_sheet("Other")
other.write(1, 1, "second sheet")
book.save(os.path.join(os.path.dirname(os.path.abspath(__file__)), "xlwt_fixture.xls"))
