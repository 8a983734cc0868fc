#!/usr/bin/python3
"""Writes the libreoffice_*.xls fixtures with another program than ours:
LibreOffice Calc, driven headless through its UNO bridge (Debian packages
libreoffice-calc-nogui and python3-uno), saving as Excel 97-2003.

Run again only to change the fixtures; the tests read the committed files.
Nothing in the build or the tests needs LibreOffice.
"""
import os
import subprocess
import tempfile
import time

import olefile
import uno
from com.sun.star.awt import Rectangle
from com.sun.star.beans import PropertyValue
from com.sun.star.table import CellRangeAddress

HERE = os.path.dirname(os.path.abspath(__file__))


def prop(name, value):
    p = PropertyValue()
    p.Name, p.Value = name, value
    return p


class Calc:
    def __init__(self):
        self.profile = tempfile.TemporaryDirectory()
        self.office = subprocess.Popen(
            ["soffice", "--headless", "--norestore", "--nologo", "--nodefault",
             "-env:UserInstallation=file://" + self.profile.name,
             "--accept=pipe,name=korvo_fixtures;urp;"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        local = uno.getComponentContext()
        resolver = local.ServiceManager.createInstanceWithContext(
            "com.sun.star.bridge.UnoUrlResolver", local)
        for _ in range(120):
            try:
                context = resolver.resolve(
                    "uno:pipe,name=korvo_fixtures;urp;StarOffice.ComponentContext")
                break
            except Exception:
                time.sleep(0.5)
        else:
            raise SystemExit("LibreOffice did not answer")
        self.desktop = context.ServiceManager.createInstanceWithContext(
            "com.sun.star.frame.Desktop", context)

    def new_book(self, sheet_names):
        book = self.desktop.loadComponentFromURL(
            "private:factory/scalc", "_blank", 0, (prop("Hidden", True),))
        sheets = book.getSheets()
        sheets.getByIndex(0).setName(sheet_names[0])
        for index, name in enumerate(sheet_names[1:], 1):
            sheets.insertNewByName(name, index)
        return book

    @staticmethod
    def save(book, name):
        path = os.path.join(HERE, name)
        book.storeToURL(uno.systemPathToFileUrl(path), (prop("FilterName", "MS Excel 97"),))
        book.close(True)
        return path

    def quit(self):
        try:
            self.desktop.terminate()
        except Exception:
            pass
        self.office.wait(timeout=60)
        self.profile.cleanup()


def workbook_stream_size(path):
    with olefile.OleFileIO(path) as storage:
        return storage.get_size("Workbook")


def shared_strings(calc):
    """Many long strings, narrow and wide, and one of 10,000 characters: the
    shared string table runs over several CONTINUE records, with strings cut
    at their boundaries."""
    book = calc.new_book(["Strings", "Numbers"])
    sheet = book.getSheets().getByName("Strings")
    for row in range(300):
        sheet.getCellByPosition(0, row).setString(
            "Programme %04d " % row + "abcdefghijklmnopqrstuvwxyz" * (1 + row % 7))
        sheet.getCellByPosition(1, row).setString(
            "".join(chr(0x4E00 + (row * 37 + i) % 2000) for i in range(20 + row % 40)))
        sheet.getCellByPosition(2, row).setValue(row * 1.25)
    sheet.getCellByPosition(3, 0).setString("".join(chr(0x41 + i % 26) for i in range(10000)))
    sheet.getCellByPosition(3, 1).setString("Caf\u00e9 \u00fcber " * 700)
    numbers = book.getSheets().getByName("Numbers")
    for row in range(40):
        numbers.getCellByPosition(0, row).setValue(row - 20)
        numbers.getCellByPosition(1, row).setValue(row / 8.0)
        numbers.getCellByPosition(2, row).setValue(123456789.0 * (row + 1))
    calc.save(book, "libreoffice_shared_strings.xls")


def formulas_and_chart(calc):
    """Formulas whose results are numbers, texts, booleans and errors, and a
    chart on the first sheet (its own substream inside the worksheet's)."""
    book = calc.new_book(["Formulas", "After chart"])
    sheet = book.getSheets().getByName("Formulas")
    for row in range(10):
        sheet.getCellByPosition(0, row).setValue(row + 1)
        sheet.getCellByPosition(1, row).setValue((row + 1) * 2.5)
    formulas = [
        "=A1*2", "=SUM(A1:A10)", "=B2/3", "=A1&\" and \"&A2", "=IF(A3>2;\"big\";\"small\")",
        "=A1>5", "=A10>5", "=1/0", "=NA()", "=\"\"", "=UPPER(\"wide \u4e2d\u6587\")",
        "=SQRT(-1)", "=A4-A4",
    ]
    for row, formula in enumerate(formulas):
        sheet.getCellByPosition(3, row).setFormula(formula)
        sheet.getCellByPosition(4, row).setString(formula)
    charts = sheet.getCharts()
    area = CellRangeAddress()
    area.Sheet, area.StartColumn, area.StartRow, area.EndColumn, area.EndRow = 0, 0, 0, 1, 9
    place = Rectangle()
    place.X, place.Y, place.Width, place.Height = 9000, 500, 12000, 7000
    charts.addNewByName("Levels", place, (area,), False, False)
    after = book.getSheets().getByName("After chart")
    after.getCellByPosition(0, 0).setString("read past the chart")
    after.getCellByPosition(1, 2).setValue(42)
    calc.save(book, "libreoffice_formulas_chart.xls")


def stream_of_size(calc, wanted):
    """A workbook stream of exactly wanted bytes, reached by lengthening one
    text cell: the compound file keeps streams below 4096 bytes in its mini
    stream and the others in sectors of their own."""
    name = "libreoffice_stream_%d.xls" % wanted
    padding = 100
    for _ in range(40):
        book = calc.new_book(["Sized"])
        sheet = book.getSheets().getByName("Sized")
        sheet.getCellByPosition(0, 0).setString("Stream size")
        sheet.getCellByPosition(1, 0).setValue(wanted)
        sheet.getCellByPosition(0, 1).setString("p" * padding)
        path = calc.save(book, name)
        size = workbook_stream_size(path)
        if size == wanted:
            return
        padding += wanted - size
        if padding < 1:
            raise SystemExit("%s: the workbook is already larger than %d bytes" % (name, wanted))
    raise SystemExit("%s: no padding gives a stream of %d bytes" % (name, wanted))


def main():
    calc = Calc()
    try:
        shared_strings(calc)
        formulas_and_chart(calc)
        stream_of_size(calc, 4095)
        stream_of_size(calc, 4096)
    finally:
        calc.quit()
    for name in sorted(os.listdir(HERE)):
        if name.startswith("libreoffice_"):
            print(name, "workbook stream", workbook_stream_size(os.path.join(HERE, name)), "bytes")


if __name__ == "__main__":
    main()
