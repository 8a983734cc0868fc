#!/usr/bin/python3
"""tailor's workbook exchange through "Excel.Application", checked from the
Linux side: the client exports its fixture's records, xlrd reads the
workbook, xlwt writes an edited copy, the client imports it and prints the
records, which are checked against values worked out here."""
import os
import subprocess
import sys
import tempfile

import xlrd
import xlwt


def windows_path(path):
    # Wine sees the Linux root as drive Z:.
    return "Z:" + path.replace("/", "\\")


def pattern(size, step):
    return bytes((0x11 + i * step) & 0xFF for i in range(size))


def fixture_records():
    keys = bytearray(pattern(16, 0x23))
    keys[7:10] = b"IR\0"
    return {"irkey": bytes(keys), "syscfg": pattern(12, 0x35), "hwinfo": bytes([0xEE] * 240),
            "logo": pattern(8, 0x01)}


def read_bits(data, base, offset, length):
    value = int.from_bytes(data[base:], "little")
    return (value >> offset) & ((1 << length) - 1)


def write_bits(data, base, offset, length, value):
    whole = bytearray(data)
    number = int.from_bytes(whole[base:], "little")
    mask = ((1 << length) - 1) << offset
    number = (number & ~mask) | ((value << offset) & mask)
    whole[base:] = number.to_bytes(len(whole) - base, "little")
    return bytes(whole)


PRESET = [["*Astra 19.2E", "", "H"], ["BBC One", "11836", "27500"], ["Caf\u00e9 TV", "12000", ""]]


class Checks:
    def __init__(self):
        self.failures = []
        self.count = 0

    def expect(self, what, actual, wanted):
        self.count += 1
        if actual != wanted:
            self.failures.append(f"{what}: {actual!r} != {wanted!r}")


class Client:
    def __init__(self, build, program, folder):
        self.wine_run = os.path.join(build, "wine-run")
        self.program = program
        self.work = os.path.join(folder, "work")
        os.mkdir(self.work)

    def run(self, *arguments):
        done = subprocess.run([self.wine_run, self.program, *arguments], stdin=subprocess.DEVNULL,
                              capture_output=True, timeout=120)
        lines = [line.split("\t") for line in done.stdout.decode("utf-8", "replace").splitlines()]
        output = {"exit": done.returncode, "messages": [], "records": {}, "fields": {}, "preset": {}}
        for fields in lines:
            if fields[0] == "result":
                output["result"] = int(fields[1])
            elif fields[0] == "hidden":
                output["hidden"] = fields[1] == "1"
            elif fields[0] == "message":
                output["messages"].append(fields[2])
            elif fields[0] == "record":
                output["records"][fields[1]] = (int(fields[2]), bytes.fromhex(fields[3]))
            elif fields[0] == "field":
                output["fields"][(fields[1], fields[2])] = (int(fields[3]), fields[4])
            elif fields[0] == "preset":
                output["preset"][(int(fields[1]), int(fields[2]))] = fields[3]
        if done.returncode != 0:
            print(done.stderr.decode(errors="replace"))
        return output

    def export(self, folder):
        return self.run("export", windows_path(self.work), windows_path(folder))

    def import_(self, path, left_out=None):
        return self.run("import", windows_path(self.work), windows_path(path), *([left_out] if left_out else []))


def check_export(checks, client, folder):
    out = os.path.join(folder, "export")
    os.mkdir(out)
    done = client.export(out)
    checks.expect("export result", done.get("result"), 1)
    checks.expect("export messages", done["messages"], [])
    checks.expect("workbook hidden", done.get("hidden"), True)
    path = os.path.join(out, "preset.xls")
    book = xlrd.open_workbook(path)
    checks.expect("sheet names", book.sheet_names(), ["Program", "IR_FP_Key", "Sys_Config", "File_Path"])
    program = book.sheet_by_name("Program")
    checks.expect("Program", [program.row_values(r) for r in range(program.nrows)], PRESET)

    records = fixture_records()
    keys, config = records["irkey"], records["syscfg"]
    keys_sheet = book.sheet_by_name("IR_FP_Key")
    checks.expect("IR_FP_Key", [keys_sheet.row_values(r) for r in range(keys_sheet.nrows)], [
        ["Name", "Value", "Min", "Max", "Description"],
        ["*irkey", "", "", "", ""],
        ["power", float(read_bits(keys, 4, 0, 8)), "", "", "power key"],
        ["volume", float(read_bits(keys, 4, 14, 3)), 1.0, 6.0, "volume step"],
        ["label", "IR", "", "", "remote name"]])
    checks.expect("values are numbers", keys_sheet.cell_type(2, 1), xlrd.XL_CELL_NUMBER)
    config_sheet = book.sheet_by_name("Sys_Config")
    checks.expect("Sys_Config", [config_sheet.row_values(r) for r in range(config_sheet.nrows)], [
        ["Name", "Value", "Min", "Max"],
        ["*syscfg", "", "", ""],
        ["baud", float(read_bits(config, 0, 0, 32)), "", ""],
        ["mode", float(read_bits(config, 0, 36, 4)), 0.0, 9.0],
        ["flags", float(read_bits(config, 0, 44, 12)), "", ""]])
    files = book.sheet_by_name("File_Path")
    checks.expect("File_Path", [files.row_values(r) for r in range(files.nrows)],
                  [["Name", "Path"], ["*hwinfo", ""], ["panel", ""], ["*logo", ""], ["image", ""]])
    return book


def edited_copy(book, path, changes):
    """book written again by xlwt with changes: {sheet: {(row, column): value}},
    and sheets to leave out under the key "without"."""
    copy = xlwt.Workbook(encoding="utf-8")
    for sheet in book.sheets():
        if sheet.name in changes.get("without", ()):
            continue
        target = copy.add_sheet(sheet.name)
        cells = {(r, c): sheet.cell_value(r, c) for r in range(sheet.nrows) for c in range(sheet.ncols)
                 if sheet.cell_type(r, c) != xlrd.XL_CELL_EMPTY}
        cells.update(changes.get(sheet.name, {}))
        for (row, column), value in cells.items():
            if value is not None:
                target.write(row, column, value)
    copy.save(path)
    return path


def check_import(checks, client, folder, book):
    info = os.path.join(folder, "panel.txt")
    with open(info, "w") as text:
        text.write("// front panel\npanel starts\n0x01, 0x02, 0x40,\n##\nled starts\n{'0', 0x3F}, {'1', 0x06},\n##\n")
    logo = os.path.join(folder, "logo.bin")
    with open(logo, "wb") as raw:
        raw.write(bytes(range(200)))
    path = edited_copy(book, os.path.join(folder, "edited.xls"), {
        "Program": {(1, 0): "BBC Two", (3, 0): "*Hot Bird 13E", (3, 2): 42.9, (4, 1): "\u4e2d\u6587"},
        "IR_FP_Key": {(2, 1): 0x3A5, (3, 1): 6, (4, 1): 1234, (5, 0): "nosuch", (5, 1): 9},
        "Sys_Config": {(2, 1): 115200, (3, 1): 9, (4, 1): 0xABC},
        "File_Path": {(2, 1): windows_path(info), (4, 1): windows_path(logo), (5, 0): "image", (5, 1): 77},
    })
    done = client.import_(path)
    checks.expect("import result", done.get("result"), 0)
    checks.expect("import messages", done["messages"], [])

    records = fixture_records()
    keys = write_bits(records["irkey"], 4, 0, 8, 0xA5)
    keys = write_bits(keys, 4, 14, 3, 6)
    keys = keys[:7] + b"1234\0" + keys[12:]
    checks.expect("irkey", done["records"].get("irkey"), (16, keys))
    config = write_bits(records["syscfg"], 0, 0, 32, 115200)
    config = write_bits(config, 0, 36, 4, 9)
    config = write_bits(config, 0, 44, 12, 0xABC)
    checks.expect("syscfg", done["records"].get("syscfg"), (12, config))
    panel = bytes([3, 0, 0x01, 0x02, 0x40]).ljust(40, b"\0")
    led = bytes([2, 0, ord("0"), 0x3F, ord("1"), 0x06]).ljust(200, b"\0")
    checks.expect("hwinfo", done["records"].get("hwinfo"), (240, (panel + led).ljust(5120, b"\0")))
    checks.expect("logo", done["records"].get("logo"), (200, bytes(range(200))))
    checks.expect("field values", {key: done["fields"].get(key) for key in [("irkey", "power"), ("irkey", "label")]},
                  {("irkey", "power"): (0xA5, ""), ("irkey", "label"): (0, "1234")})
    preset = {(1, 1): "*Astra 19.2E", (1, 3): "H", (2, 1): "BBC Two", (2, 2): "11836", (2, 3): "27500",
              (3, 1): "Caf\u00e9 TV", (3, 2): "12000", (4, 1): "*Hot Bird 13E", (4, 3): "42", (5, 2): "\u4e2d\u6587"}
    checks.expect("preset table", done["preset"], preset)


def check_refusals(checks, client, folder, book):
    out_of_range = "ERROR!! [volume]'s value is out of range,please check it!"
    cases = [
        ("maximum + 1", {"IR_FP_Key": {(3, 1): 7}}, None, -1, [out_of_range]),
        ("minimum - 1", {"IR_FP_Key": {(3, 1): 0}}, None, -1, [out_of_range]),
        ("text longer than its field", {"IR_FP_Key": {(4, 1): "ABCDEFGH"}}, None, -1,
         ["ERROR!! [label]'s value is out of range,please check it!"]),
        ("block not in the image", {}, "syscfg", -1, ["ERROR!! can not find block [syscfg] id[0x22]in dmh!"]),
        ("unknown block stops its rows", {"IR_FP_Key": {(1, 0): "*ghost", (2, 1): 99, (3, 1): 99}},
         None, 0, []),
        ("sheet missing", {"without": ["Sys_Config"], "IR_FP_Key": {(3, 1): 2}}, None, -1,
         ["ERROR!! can not find sheet [Sys_Config] in the workbook!"]),
    ]
    for index, (what, changes, left_out, result, messages) in enumerate(cases):
        # The fixture's own values of the choice fields lie outside their ranges.
        changes.setdefault("Sys_Config", {}).setdefault((3, 1), 2)
        changes.setdefault("IR_FP_Key", {}).setdefault((3, 1), 2)
        path = edited_copy(book, os.path.join(folder, f"refused-{index}.xls"), changes)
        done = client.import_(path, left_out)
        checks.expect(f"{what}: result", done.get("result"), result)
        checks.expect(f"{what}: messages", done["messages"], messages)
        if what == "unknown block stops its rows":
            checks.expect(f"{what}: irkey unchanged", done["records"].get("irkey"), (16, fixture_records()["irkey"]))


def check_without_server(checks, client, build, folder):
    """With no "Excel.Application" registered, both ways fail with the message."""
    server = windows_path(os.path.join(build, "dist", "excel-standin.exe"))
    started = "Couldn't start Excel and get Application object."
    checks.expect("unregistering", subprocess.run([client.wine_run, server, "/UnregServer"],
                                                  stdin=subprocess.DEVNULL, timeout=60).returncode, 0)
    try:
        out = os.path.join(folder, "unregistered")
        os.mkdir(out)
        done = client.export(out)
        checks.expect("export without server", (done.get("result"), done["messages"]), (0, [started]))
        checks.expect("no workbook without server", os.listdir(out), [])
        done = client.import_(os.path.join(folder, "edited.xls"))
        checks.expect("import without server", (done.get("result"), done["messages"]), (-1, [started]))
    finally:
        checks.expect("registering again", subprocess.run([client.wine_run, server, "/RegServer"],
                                                          stdin=subprocess.DEVNULL, timeout=60).returncode, 0)


def main():
    build, program = sys.argv[1], sys.argv[2]
    checks = Checks()
    with tempfile.TemporaryDirectory(prefix="tailor-excel-") as folder:
        client = Client(build, program, folder)
        book = check_export(checks, client, folder)
        check_import(checks, client, folder, book)
        check_refusals(checks, client, folder, book)
        check_without_server(checks, client, build, folder)
    for failure in checks.failures:
        print("FAILED", failure)
    print(f"{checks.count - len(checks.failures)} passed, {len(checks.failures)} failed")
    return 1 if checks.failures else 0


if __name__ == "__main__":
    sys.exit(main())
