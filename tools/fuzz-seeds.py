#!/usr/bin/python3
"""Writes the fuzz harnesses' seed corpora (<module>/tests/fuzz/corpus/<harness>/)
from independent writers of the formats. Run it again after a harness's input
layout changes; the seeds are kept in the repository."""
import os
import struct
import sys
import zlib

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def put(module, harness, name, data):
    folder = os.path.join(root, module, 'tests', 'fuzz', 'corpus', harness)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), 'wb') as f:
        f.write(data.encode('latin-1') if isinstance(data, str) else data)


def frame(type_, length, payload=b'', little=True):
    return b'#' + struct.pack('<II' if little else '>II', type_, length) + payload


def crc(data):
    # The target's check: start 0xFFFFFFFF, no final complement.
    return struct.pack('<I', zlib.crc32(data) ^ 0xFFFFFFFF)


# reply_parser_fuzz: [type index | 0x80 big-endian][piece] bytes
put('plugins/portlink', 'reply_parser_fuzz', 'memory-read', bytes([1, 0]) + b'ok> ' + frame(3, 6, b'abcdef') + b'tail')
put('plugins/portlink', 'reply_parser_fuzz', 'os-apps-blocks',
    bytes([4, 1]) + frame(7, 4, b'WXYZ') + frame(7, 0xFFFE) + frame(7, 2, b'qq') + frame(7, 0xFFFF) + b'stb> ')
put('plugins/portlink', 'reply_parser_fuzz', 'big-endian-end',
    bytes([0x80 | 8, 3]) + frame(11, 3, b'abc', False) + frame(11, 0, b'', False))
put('plugins/portlink', 'reply_parser_fuzz', 'request5', bytes([3, 0]) + frame(5, 2, b'AB') + frame(5, 2, b'CD'))

# memory_reader_fuzz: [type index | 0x80 big-endian][length lo][length hi][piece] bytes
data = b'0123456789'
put('plugins/portlink', 'memory_reader_fuzz', 'memory-read-ok', bytes([0, 14, 0, 0]) + frame(3, 14, data + crc(data)))
put('plugins/portlink', 'memory_reader_fuzz', 'memory-read-short', bytes([0, 14, 0, 1]) + frame(3, 5, b'01234'))
put('plugins/portlink', 'memory_reader_fuzz', 'memory-read-empty', bytes([0, 14, 0, 0]) + frame(3, 0))
tasks = (struct.pack('<BBHHH', 1, 0, 3, 2, 8) + b'idle'.ljust(20, b'\0') + struct.pack('<I', 0x10))
put('plugins/portlink', 'memory_reader_fuzz', 'os-apps', bytes([1, 0, 16, 2]) + frame(7, len(tasks), tasks) +
    frame(7, 0xFFFE) + frame(7, 12, struct.pack('<III', 0x21, 1, 2)) + frame(7, 0xFFFD) + frame(7, 0xFFFF))
put('plugins/portlink', 'memory_reader_fuzz', 'os-stacks', bytes([5, 200, 0, 0]) +
    frame(11, 12, struct.pack('<IIHH', 0x80100000, 4096, 1024, 3072)) + frame(11, 0xFFFF))
put('plugins/portlink', 'memory_reader_fuzz', 'os-task-status', bytes([3, 0, 4, 3]) +
    frame(9, 12, struct.pack('<HBBBBBBBBBB', 18, 1, 1, 0, 0, 0, 3, 3, 1, 50, 0)) + frame(9, 0))
put('plugins/portlink', 'memory_reader_fuzz', 'os-text-big-endian', bytes([0x80 | 4, 64, 0, 0]) +
    frame(10, 5, b'up 3d', False) + frame(10, 0xFFFF, b'', False))

# symbol_map_fuzz: a link map's text
line = lambda address, name: ' ' * 16 + address.ljust(10) + ' ' * 16 + name
put('host', 'symbol_map_fuzz', 'map', 'Linker map\r\n' + line('0x80001000', 'main') + '\r\n' +
    line('0x80004000', 'idle') + '\n' + line('00002000', 'start') + '\n' + line('0x00000000', 'zero') + '\n')

# console_fuzz: [filter length] filter, then [piece size] piece ...
put('host', 'console_fuzz', 'filtered', b'\x03err' + b'\x01' + b'line one\r\nerror two\n\x08\x08x\x07' * 3)
put('host', 'console_fuzz', 'plain', b'\x00' + b'\x00' + b'a' + b'\x02' + b'stb> help\r\n' * 8)

# upgrade_link_fuzz: [procedure] the client's replies
for procedure in range(7):
    put('plugins/zim', 'upgrade_link_fuzz', 'procedure-%d' % procedure,
        bytes([procedure]) + b'OK' + struct.pack('<I', 8) + bytes(range(8)) + crc(bytes(range(8))) * 2)

# flash_image_fuzz: [bit 0 expert, bit 1 padded to a whole 512 KB] image.
# The images carry the forms' real headers; padding lets them stay small.
def block_entry(id_, offset, data, name, alignment=0, crc_word=None):
    crc_word = crc_word if crc_word is not None else struct.unpack('<I', crc(data))[0]
    return (struct.pack('<BBHIIII4x', id_, alignment, 0, offset, len(data), crc_word, 0x0102) +
            name.ljust(8, b'\0')[:8] + b'2026-12-11 03:00'[:16].ljust(16, b'\0'))


def dm_header(flash_size, entries, check=b'0'):
    return (b'*^_^*DM(^o^)' + struct.pack('<III', 0, flash_size, 0) + bytes([len(entries), 0]) + check + b'\0' +
            b''.join(entries))


def place(image, position, data):
    image[position:position + len(data)] = data


NO_CRC = 0x4352434E
version = b'KV1.2.3-fuzz\0'.ljust(0x40, b'\0')
loader = bytes(range(256))
settings = bytes((7 * i) & 0xFF for i in range(0x80))
aligned = bytes((3 * i + 1) & 0xFF for i in range(0x80))
tail = b'tail block'.ljust(0x100, b'\xAA')
# Two headers: the version block and a block without CRC, then a block that
# must move to a 64 KB boundary and one it then overlaps.
image = bytearray(0x1600)
place(image, 0, dm_header(0x400000, [block_entry(1, 0x200, version, b'ssdata'),
                                     block_entry(2, 0x300, loader, b'loader', crc_word=NO_CRC)]))
place(image, 0x200, version)
place(image, 0x300, loader)
place(image, 0x1000, dm_header(0x400000, [block_entry(0xA4, 0x234, aligned, b'kernel', 1),
                                          block_entry(5, 0x400, tail, b'appdata')]))
place(image, 0x1234, aligned)
place(image, 0x1400, tail)
put('plugins/tailor', 'flash_image_fuzz', 'dm-two-headers', bytes([2]) + bytes(image))
# Expert mode; a marker with the wrong check byte before the real header.
image = bytearray(0x400)
place(image, 0x20, dm_header(0x200000, [], check=b'1'))
place(image, 0x100, dm_header(0x200000, [block_entry(0xA8, 0x40, settings, b'settings', 1)]))
place(image, 0x140, settings)
put('plugins/tailor', 'flash_image_fuzz', 'dm-expert', bytes([3]) + bytes(image))
# Bank form: the image header points at the configuration area and the bank
# header, whose lengths are split in 16-bit halves.
image = bytearray(0x600)
place(image, 8, struct.pack('<I', 0x100))
place(image, 28, struct.pack('<II', 0x40, 0x20))
place(image, 0x100, struct.pack('<HHHHB', 0, 0x40, 0, 0x8, 2) + b'\0\0\0' +
      block_entry(1, 0x400, version[:0x20], b'ssdata') + block_entry(7, 0x500, tail, b'appdata'))
place(image, 0x400, version[:0x20])
place(image, 0x500, tail)
put('plugins/tailor', 'flash_image_fuzz', 'bank', bytes([2]) + bytes(image))
# Not padded: refused for its size.
put('plugins/tailor', 'flash_image_fuzz', 'wrong-size', bytes([0]) + bytes(image))

# block_script_fuzz: [image length, 4 bytes] script text
put('plugins/tailor', 'block_script_fuzz', 'audio', struct.pack('<I', 0x200000) +
    b'// audio settings\r\nFLASH=2M\r\n\r\nID=0x21\r\nEM=0\r\nname=AUDIO\r\nOFFSET=16\r\n'
    b'##[volume][2][0][8][0][100][5];\r\n[mute][0][8][1]##\r\n')
put('plugins/tailor', 'block_script_fuzz', 'two-blocks', struct.pack('<I', 0x100000) +
    b'FLASH=1M\nID=1\nname=A\nOFFSET=0\n##[x][0][0][4]##\nID=2\nEM=1\nname=B\nOFFSET=4\n##[y][1][0][8][desc]##\n')

# hardware_info_fuzz: the text
put('plugins/tailor', 'hardware_info_fuzz', 'panel-and-led',
    '// hw\n-----------\npanel starts\n' + ''.join('0x%d, ' % (10 + i) for i in range(12)) + '\n##\n' +
    'led starts\n' + ''.join("{'%s', 0x%d},\n" % (chr(65 + i), i) for i in range(6)) + '##\n')

# preset_block_fuzz: "seedvaults", rows, columns, then rows of cells
cells = b''
for row in range(3):
    for column in range(3):
        text = ('r%dc%d' % (row, column)).encode('utf-16-le')
        cells += bytes([(0x80 if column == 0 else 0) | column]) + text + b'\0\0'
put('plugins/tailor', 'preset_block_fuzz', 'three-rows', b'seedvaults' + struct.pack('>HH', 3, 3) + cells)

# rebar_layout_fuzz: [RBI length, 2 bytes][IDs length][rebar bands] RBI IDs
# rebar ids. Records as a rebar store writes them: REBARBANDINFO's 32-bit
# layout, the stored mask, one fixed-size band stored 4 wider.
def stored_band(style, min_width, width, id_):
    return struct.pack('<7Ii12I', 80, 0xB61, style, 0, 0, 0, 0, -1, 0, min_width, 22, width, 0, id_, 22, 0, 0, 0, 0, 0)


records = stored_band(0x80, 40, 200, 501) + stored_band(0x2, 64, 68, 502) + stored_band(0x40, 20, 150, 503)
ids = struct.pack('<3I', 501, 502, 503)
put('vrx/foundation', 'rebar_layout_fuzz', 'three-bands-reordered',
    struct.pack('<HBB', len(records), len(ids), 3) + records + ids + struct.pack('<3I', 503, 501, 502))
put('vrx/foundation', 'rebar_layout_fuzz', 'band-count-changed',
    struct.pack('<HBB', len(records), len(ids), 2) + records + ids + struct.pack('<2I', 502, 501))

# compound_file_fuzz, workbook_fuzz, preset_converter_fuzz: spreadsheets
fixture = os.path.join(root, 'plugins/seedvaults/tests/data/xlwt_fixture.xls')
with open(fixture, 'rb') as f:
    xls = f.read()
put('plugins/seedvaults', 'compound_file_fuzz', 'xlwt-fixture', xls)
put('plugins/seedvaults', 'workbook_fuzz', 'xlwt-fixture', b'\x00' + xls)
for converter in range(3):
    put('plugins/seedvaults', 'preset_converter_fuzz', 'xlwt-fixture-%d' % converter, bytes([converter]) + xls)
try:
    import io
    import xlwt
    book = xlwt.Workbook()
    sheet = book.add_sheet('Sheet1')
    rows = [('Satellite', '', ''), ('name', 'freq', 'sym')]
    rows += [('Astra 19.2E', 192, 0), ('T11778V', 11778, 27500), ('Prog One', 101, 1), ('Prog Two', 102, 0)]
    for r, values in enumerate(rows):
        for c, value in enumerate(values):
            sheet.write(r, c, value)
    book.add_sheet('Sheet2').write(0, 0, u'\u4e2d\u6587')
    out = io.BytesIO()
    book.save(out)
    for converter in range(3):
        put('plugins/seedvaults', 'preset_converter_fuzz', 'presets-%d' % converter, bytes([converter]) + out.getvalue())
    put('plugins/seedvaults', 'workbook_fuzz', 'presets', b'\x00' + out.getvalue())
except ImportError:
    print('python3-xlwt is missing: the spreadsheet seeds are the fixture only', file=sys.stderr)
