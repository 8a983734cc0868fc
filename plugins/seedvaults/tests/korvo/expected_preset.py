#!/usr/bin/python3
"""Writes the preset that the 52-byte project group (Pelkor, Orbex, Nemic)
must make of a workbook's "Sheet1" up to row N, read with python3-xlrd, so
that the plug-in's output is checked against a second reader and writer.

usage: expected_preset.py <workbook.xls> <N> <code page> <preset.bin> <message.txt>
Texts outside Latin-1 are stored in the given ANSI code page (e.g. 936).
"""
import math
import struct
import sys

import xlrd

NAME_SIZE = 16


def text_bytes(text, code_page):
    # A text whose characters all fit 8 bits is stored 8-bit in the file and
    # copied as it is; a wider one goes through the ANSI code page.
    if all(ord(c) < 256 for c in text):
        return text.encode("latin-1")
    out = b""
    for c in text:
        piece = c.encode("cp%s" % code_page, errors="replace")
        if len(out) + len(piece) > NAME_SIZE:
            break
        out += piece
    return out


def name_field(data):
    data = data[:NAME_SIZE]
    return data + b"\0" * (NAME_SIZE - len(data))


def number(cell):
    if cell.ctype in (xlrd.XL_CELL_NUMBER, xlrd.XL_CELL_DATE, xlrd.XL_CELL_BOOLEAN):
        return int(math.trunc(cell.value))
    return 0


def main():
    path, last_row, code_page, preset_path, message_path = sys.argv[1:6]
    sheet = xlrd.open_workbook(path).sheet_by_name("Sheet1")
    last_row = int(last_row)
    out = bytearray(4)
    satellites = transponders = programs = unique = 0
    kind = 0
    seen = []
    transponder = [2, 0, 0, 0]
    handled = 0
    for row in range(2, sheet.nrows):
        satellite = {}
        program = {}
        name = b""
        cells = [sheet.cell(row, column) for column in range(sheet.ncols)]
        first = cells[0] if cells else None
        if first is not None and first.ctype == xlrd.XL_CELL_TEXT and first.value:
            kind = 0 if first.value.startswith("*") else 1
            name = text_bytes(first.value[1:] if kind == 0 else first.value, code_page)
        for column, cell in enumerate(cells):
            value = number(cell)
            if kind == 0 and 1 <= column <= 8:
                satellite[column] = value
            elif kind == 1:
                if column == 9:
                    polarisation = value
                    if cell.ctype == xlrd.XL_CELL_TEXT and cell.value[:1] in ("H", "V"):
                        polarisation = 0 if cell.value[0] == "H" else 1
                    transponder[1] = polarisation
                elif column in (7, 8):
                    transponder[column - 5] = value
                elif column == 13:
                    side = cell.value[:1] if cell.ctype == xlrd.XL_CELL_TEXT else ""
                    program[13] = {"L": 1, "R": 2}.get(side, 0)
                elif column in (2, 3, 4, 5, 6, 14, 15, 16):
                    program[column] = value
        if kind == 0:
            s = satellite.get
            out += struct.pack("<8i", 0, s(3, 0), s(2, 0), s(1, 0), s(7, 0), s(6, 0), s(5, 0), s(4, 0))
            out += name_field(name) + struct.pack("<i", s(8, 0))
            satellites += 1
            seen = []
        else:
            record = struct.pack("<4i", *transponder)
            if record not in seen:
                seen.append(record)
                unique += 1
            out += record
            transponders += 1
            if name_field(name) != name_field(b"NONE"):
                p = program.get
                out += struct.pack("<8i", 1, p(3, 0), p(13, 0), p(4, 0), p(2, 0), p(5, 0), p(6, 0), p(14, 0))
                out += struct.pack("<HH", p(15, 0) & 0xFFFF, p(16, 0) & 0xFFFF) + name_field(name)
                programs += 1
        handled += 1
        if handled == last_row - 2:
            out[0:4] = bytes([satellites & 0xFF, transponders & 0xFF, (programs >> 8) & 0xFF, programs & 0xFF])
            break
    with open(preset_path, "wb") as preset:
        preset.write(out)
    with open(message_path, "w") as message:
        message.write("Preset Data generated! %d Satallite %d Tp %d Pro have been generated!"
                      % (satellites, unique, programs))


main()
