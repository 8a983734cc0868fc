#!/usr/bin/python3
"""The workbook exchange through our "Excel.Application" server, checked by
independent readers and writers: the client builds and saves the exchange's
sheets through the server and xlrd reads the file; xlwt writes a workbook
and the client reads it back through the server as Value2 arrays. Where
LibreOffice is installed, it reads the saved workbook too, and workbooks it
writes are read back through the server."""
import csv
import os
import shutil
import subprocess
import sys
import tempfile

import xlrd
import xlwt


def windows_path(path):
    # Wine sees the Linux root as drive Z:.
    return "Z:" + path.replace("/", "\\")


class Checks:
    def __init__(self):
        self.failures = []
        self.count = 0

    def expect(self, what, actual, wanted):
        self.count += 1
        if actual != wanted:
            self.failures.append(f"{what}: {actual!r} != {wanted!r}")


def run_client(wine_run, client, mode, path):
    return subprocess.run([wine_run, client, mode, windows_path(path)], stdin=subprocess.DEVNULL,
                          capture_output=True, timeout=120)


EXPORTED_PROGRAM = [["*Astra 19.2E", "", "H"], ["\u4e2d\u6587\u53f0", 11836.0, -3.5], ["", "Caf\u00e9", 27500.0]]


def exported_field_row(index):
    return ["field", float(4294967296 + index), 0.0, 255.0, "a description"]


def dump(checks, wine_run, client, path):
    """The sheets (name, used rows, used columns) and the cells that the
    client reads through the server, keyed by sheet name and 0-based place."""
    done = run_client(wine_run, client, "dump", path)
    checks.expect(f"dump of {os.path.basename(path)} exit code", done.returncode, 0)
    if done.returncode != 0:
        print(done.stderr.decode(errors="replace"))
    sheets, read = [], {}
    for line in done.stdout.decode("utf-8").splitlines():
        fields = line.split("\t")
        if fields[0] == "sheet":
            sheets.append((fields[1], int(fields[2]), int(fields[3])))
            read[fields[1]] = {}
        elif fields[0] == "cell":
            value = float(fields[4]) if fields[3] == "n" else fields[4]
            read[sheets[-1][0]][(int(fields[1]) - 1, int(fields[2]) - 1)] = value
    return sheets, read


def cells_of(rows):
    return {(r, c): value for r, row in enumerate(rows) for c, value in enumerate(row) if value != ""}


def check_export(checks, wine_run, client, folder):
    path = os.path.join(folder, "export.xls")
    done = run_client(wine_run, client, "export", path)
    checks.expect("export exit code", done.returncode, 0)
    if done.returncode != 0:
        print(done.stderr.decode(errors="replace"))
        return None
    book = xlrd.open_workbook(path)
    checks.expect("sheet names", book.sheet_names(), ["Program", "IR_FP_Key", "Sys_Config", "File_Path"])
    program = book.sheet_by_name("Program")
    checks.expect("Program size", (program.nrows, program.ncols), (3, 3))
    checks.expect("Program cells", [program.row_values(r) for r in range(3)], EXPORTED_PROGRAM)
    checks.expect("Program empty cell", program.cell_type(0, 1), xlrd.XL_CELL_EMPTY)
    for index, name in enumerate(["IR_FP_Key", "Sys_Config", "File_Path"]):
        sheet = book.sheet_by_name(name)
        checks.expect(f"{name} size", (sheet.nrows, sheet.ncols), (3, 5))
        checks.expect(f"{name} titles", sheet.row_values(0)[:2], ["Name", "Value"])
        checks.expect(f"{name} block row", sheet.row_values(1), [f"*block{index}", "", "", "", ""])
        checks.expect(f"{name} field row", sheet.row_values(2), exported_field_row(index))
        checks.expect(f"{name} value is a number", sheet.cell_type(2, 1), xlrd.XL_CELL_NUMBER)
    return path


def check_import(checks, wine_run, client, folder):
    path = os.path.join(folder, "import.xls")
    book = xlwt.Workbook(encoding="utf-8")
    cells = {
        "Program": {(0, 0): "*Hot Bird 13E", (0, 3): 13.0, (1, 1): 12.5, (1, 2): -7.25,
                    (2, 0): "\u4e2d\u6587", (4, 29): 2.0 ** 40, (5, 0): "Caf\u00e9", (5, 1): -120000},
        "IR_FP_Key": {(0, 0): "Name", (0, 1): "Value", (1, 0): "*ir", (2, 0): "power", (2, 1): 255},
        "Empty": {},
    }
    for name, sheet_cells in cells.items():
        sheet = book.add_sheet(name)
        for (row, column), value in sheet_cells.items():
            sheet.write(row, column, value)
    book.save(path)

    sheets, read = dump(checks, wine_run, client, path)
    checks.expect("sheets and used ranges", sheets, [("Program", 6, 30), ("IR_FP_Key", 3, 2), ("Empty", 1, 1)])
    for name, sheet_cells in cells.items():
        wanted = {place: float(value) if isinstance(value, (int, float)) else value
                  for place, value in sheet_cells.items()}
        checks.expect(f"{name} values", read.get(name), wanted)


def soffice_convert(soffice, folder, source, target_filter, out_folder):
    profile = "file://" + os.path.join(folder, "soffice-profile")
    # Tables are read as UTF-8 with commas and double quotes.
    subprocess.run([soffice, f"-env:UserInstallation={profile}", "--headless", "--norestore",
                    "--infilter=CSV:44,34,76,1", "--convert-to", target_filter, "--outdir", out_folder, source],
                   stdin=subprocess.DEVNULL, capture_output=True, timeout=300)


def as_text(value):
    if isinstance(value, float):
        return str(int(value)) if value == int(value) else repr(value)
    return value


def check_libreoffice(checks, soffice, wine_run, client, folder, exported):
    # LibreOffice reads every sheet of our workbook.
    sheets_folder = os.path.join(folder, "csv")
    soffice_convert(soffice, folder, exported, "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1",
                    sheets_folder)
    wanted = {"Program": EXPORTED_PROGRAM}
    for index, name in enumerate(["IR_FP_Key", "Sys_Config", "File_Path"]):
        wanted[name] = [["Name", "Value", "", "", ""], [f"*block{index}", "", "", "", ""], exported_field_row(index)]
    for name, rows in wanted.items():
        text = [[as_text(value) for value in row] for row in rows]
        with open(os.path.join(sheets_folder, f"export-{name}.csv"), encoding="utf-8", newline="") as sheet:
            read = [row + [""] * (len(text[0]) - len(row)) for row in csv.reader(sheet)]
        checks.expect(f"LibreOffice's {name}", read, text)

    # A workbook LibreOffice saved again, and one it made from a table, read back through the server.
    saved_folder = os.path.join(folder, "resaved")
    soffice_convert(soffice, folder, exported, "xls", saved_folder)
    sheets, read = dump(checks, wine_run, client, os.path.join(saved_folder, "export.xls"))
    checks.expect("resaved sheet names", [sheet[0] for sheet in sheets], list(wanted))
    for name, rows in wanted.items():
        checks.expect(f"resaved {name}", read.get(name), cells_of(rows))
    table = os.path.join(folder, "edited.csv")
    rows = [["Name", "Value"], ["*keys", ""], ["power", "12.5"], ["\u00e9t\u00e9", "-4000000000"]]
    with open(table, "w", encoding="utf-8", newline="") as sheet:
        csv.writer(sheet).writerows(rows)
    made_folder = os.path.join(folder, "made")
    soffice_convert(soffice, folder, table, "xls", made_folder)
    sheets, read = dump(checks, wine_run, client, os.path.join(made_folder, "edited.xls"))
    checks.expect("made sheets", sheets, [("edited", 4, 2)])
    checks.expect("made cells", read.get("edited"),
                  cells_of([["Name", "Value"], ["*keys", ""], ["power", 12.5], ["\u00e9t\u00e9", -4000000000.0]]))


def main():
    build, client = sys.argv[1], sys.argv[2]
    wine_run = os.path.join(build, "wine-run")
    register = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "register.sh")
    checks = Checks()
    checks.expect("registration exit code", subprocess.run(["sh", register, build]).returncode, 0)
    soffice = shutil.which("soffice")
    with tempfile.TemporaryDirectory() as folder:
        exported = check_export(checks, wine_run, client, folder)
        check_import(checks, wine_run, client, folder)
        if exported and soffice:
            check_libreoffice(checks, soffice, wine_run, client, folder, exported)
    if not soffice:
        print("LibreOffice (soffice) is not installed: its reading and writing were not checked")
    for failure in checks.failures:
        print("FAILED", failure)
    print(f"{checks.count - len(checks.failures)} passed, {len(checks.failures)} failed")
    return 1 if checks.failures else 0


if __name__ == "__main__":
    sys.exit(main())
