#!/usr/bin/env python3
"""Draws the library's 36 menu glyphs (9 x 9, black on magenta) from their
shape table and writes the two glyph strips the library loads:

  MenuGlyphs17080.bmp  324 x 9, 24 bits per pixel
  MenuGlyphs16129.bmp  324 x 9, 16 colours

Every glyph is composed of a few shapes (triangles, bars, lines, outlines),
so the strips are made, not drawn by hand.

Usage: make_menu_glyphs.py OUTPUT_DIRECTORY
"""

import os
import struct
import sys

SIZE = 9
BLACK = (0, 0, 0)
MAGENTA = (255, 0, 255)


class Glyph:
    def __init__(self):
        self.pixels = set()

    def dot(self, x, y):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.pixels.add((x, y))

    def erase(self, x, y):
        self.pixels.discard((x, y))

    def bar(self, x0, y0, x1, y1):
        """A filled rectangle, corners included."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y)

    def frame(self, x0, y0, x1, y1):
        """The outline of a rectangle."""
        for x in range(x0, x1 + 1):
            self.dot(x, y0)
            self.dot(x, y1)
        for y in range(y0, y1 + 1):
            self.dot(x0, y)
            self.dot(x1, y)

    def line(self, x0, y0, x1, y1):
        """A straight line, both ends included (lines here are level, upright
        or at 45 degrees)."""
        steps = max(abs(x1 - x0), abs(y1 - y0))
        for i in range(steps + 1):
            self.dot(x0 + (x1 - x0) * i // max(steps, 1), y0 + (y1 - y0) * i // max(steps, 1))

    def triangle(self, direction, apex_x, apex_y, height, outline=False):
        """An isosceles triangle with its apex at the point, pointing in the
        direction, widening by one pixel on each side per step back."""
        for k in range(height):
            for j in range(-k, k + 1):
                if outline and k != height - 1 and abs(j) != k:
                    continue
                if direction == "down":
                    self.dot(apex_x + j, apex_y - k)
                elif direction == "up":
                    self.dot(apex_x + j, apex_y + k)
                elif direction == "right":
                    self.dot(apex_x - k, apex_y + j)
                elif direction == "left":
                    self.dot(apex_x + k, apex_y + j)
                else:
                    raise ValueError(direction)

    def chevron(self, direction, apex_x, apex_y, arm):
        """A two-pixel thick "v" with its point at the apex."""
        for k in range(arm + 1):
            for thickness in (0, 1):
                if direction == "down":
                    self.dot(apex_x - k, apex_y - k - thickness)
                    self.dot(apex_x + k, apex_y - k - thickness)
                elif direction == "right":
                    self.dot(apex_x - k - thickness, apex_y - k)
                    self.dot(apex_x - k - thickness, apex_y + k)
                else:
                    raise ValueError(direction)

    def mirrored(self):
        """The glyph mirrored left to right."""
        result = Glyph()
        result.pixels = {(SIZE - 1 - x, y) for x, y in self.pixels}
        return result

    def stood_up(self):
        """The glyph turned a quarter anticlockwise: what pointed left points
        down."""
        result = Glyph()
        result.pixels = {(y, SIZE - 1 - x) for x, y in self.pixels}
        return result


def cross(thick):
    glyph = Glyph()
    for i in range(1, 8):
        for spread in range(-thick, thick + 1):
            glyph.dot(i + spread, i)
            glyph.dot(SIZE - 1 - i + spread, i)
    return glyph


def small_cross():
    glyph = Glyph()
    glyph.line(2, 2, 6, 6)
    glyph.line(6, 2, 2, 6)
    return glyph


def check_mark():
    glyph = Glyph()
    for thickness in (0, 1):
        glyph.line(1, 4 + thickness, 3, 6 + thickness)
        glyph.line(3, 6 + thickness, 7, 2 + thickness)
    return glyph


def window(x0, y0, x1, y1, glyph=None):
    """A window: its frame with a two-pixel title edge, its inside cleared."""
    glyph = glyph or Glyph()
    for y in range(y0 + 2, y1):
        for x in range(x0 + 1, x1):
            glyph.erase(x, y)
    glyph.frame(x0, y0, x1, y1)
    glyph.bar(x0, y0, x1, y0 + 1)
    return glyph


def restore():
    glyph = window(3, 0, 8, 5)
    return window(0, 3, 5, 8, glyph)


def round_dot():
    glyph = Glyph()
    for y in range(SIZE):
        for x in range(SIZE):
            if (x - 4) ** 2 + (y - 4) ** 2 <= 5:
                glyph.dot(x, y)
    return glyph


def pin_lying():
    glyph = Glyph()
    glyph.line(0, 4, 3, 4)
    glyph.line(3, 1, 3, 7)
    glyph.frame(4, 2, 8, 6)
    glyph.bar(4, 5, 8, 5)
    return glyph


def shape(*parts):
    """A glyph drawn by the given calls on one glyph."""
    glyph = Glyph()
    for method, *arguments in parts:
        getattr(glyph, method)(*arguments)
    return glyph


def window_corner():
    glyph = Glyph()
    glyph.line(0, 0, 5, 0)
    glyph.line(0, 0, 0, 5)
    glyph.line(2, 2, 7, 7)
    glyph.line(7, 4, 7, 7)
    glyph.line(4, 7, 7, 7)
    return glyph


def glyph_table():
    """The 36 glyphs by index, as the shape table names them."""
    arrow_left_bar = shape(("triangle", "left", 1, 4, 4), ("line", 6, 1, 6, 7))
    arrow_left_shaft = shape(("triangle", "left", 1, 4, 4), ("bar", 5, 3, 7, 5))
    first_page = shape(("line", 1, 1, 1, 7), ("triangle", "left", 3, 4, 4))
    tall_right = shape(("triangle", "right", 6, 4, 5))
    outline_right = shape(("triangle", "right", 6, 4, 5, True))
    return [
        shape(("triangle", "down", 4, 5, 3)),                          # 0 small triangle down
        shape(("triangle", "right", 5, 4, 3)),                         # 1 small triangle right
        check_mark(),                                                  # 2 check mark
        shape(("bar", 1, 6, 6, 7)),                                    # 3 minimise bar
        restore(),                                                     # 4 restore
        cross(0),                                                      # 5 close cross
        window(1, 1, 7, 7),                                            # 6 maximise
        shape(("triangle", "up", 4, 3, 3)),                            # 7 small triangle up
        shape(("chevron", "down", 4, 4, 2), ("chevron", "down", 4, 8, 2)),     # 8 double chevron down
        shape(("triangle", "left", 3, 4, 3)),                          # 9 small triangle left
        small_cross(),                                                 # 10 small close cross
        shape(("chevron", "right", 4, 4, 2), ("chevron", "right", 8, 4, 2)),   # 11 double chevron right
        round_dot(),                                                   # 12 radio dot
        shape(("triangle", "down", 4, 6, 4)),                          # 13 large triangle down
        shape(("triangle", "right", 6, 4, 4)),                         # 14 large triangle right
        pin_lying(),                                                   # 15 pin lying (not pinned)
        pin_lying().stood_up(),                                     # 16 pin upright (pinned)
        shape(("triangle", "left", 2, 4, 4)),                          # 17 large triangle left
        first_page,                                                    # 18 bar, triangle left
        first_page.mirrored(),                                         # 19 triangle right, bar
        tall_right,                                                    # 20 tall triangle right
        tall_right.mirrored(),                                         # 21 tall triangle left
        outline_right,                                                 # 22 outlined triangle right
        outline_right.mirrored(),                                      # 23 outlined triangle left
        shape(("triangle", "up", 4, 2, 5)),                            # 24 wide triangle up
        arrow_left_bar,                                                # 25 triangle left, bar right
        arrow_left_bar.mirrored(),                                     # 26 bar, triangle right
        arrow_left_shaft,                                              # 27 arrow left
        arrow_left_shaft.mirrored(),                                   # 28 arrow right
        shape(("bar", 2, 2, 6, 2), ("triangle", "down", 4, 6, 3)),     # 29 bar over triangle down
        shape(("bar", 2, 2, 2, 6), ("triangle", "right", 6, 4, 3)),    # 30 bar, triangle right
        shape(("triangle", "right", 3, 4, 3), ("triangle", "right", 7, 4, 3)),  # 31 two triangles right
        shape(("triangle", "down", 4, 3, 3), ("triangle", "down", 4, 7, 3)),    # 32 two triangles down
        shape(("bar", 1, 1, 7, 2), ("triangle", "down", 4, 7, 4)),     # 33 thick bar over triangle
        cross(1),                                                      # 34 bold cross
        window_corner(),                                               # 35 window corner, arrow
    ]


def strip_pixels(glyphs):
    """Rows top to bottom of the whole strip, True where black."""
    width = SIZE * len(glyphs)
    rows = [[False] * width for _ in range(SIZE)]
    for index, glyph in enumerate(glyphs):
        for x, y in glyph.pixels:
            rows[y][index * SIZE + x] = True
    return rows


def bmp_file(width, height, bits, palette, row_bytes_of):
    """A BITMAPFILEHEADER + BITMAPINFOHEADER + palette + bottom-up rows."""
    stride = (width * bits + 31) // 32 * 4
    rows = b"".join(row_bytes_of(y).ljust(stride, b"\0") for y in reversed(range(height)))
    palette_bytes = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    header_size = 14 + 40 + len(palette_bytes)
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(rows), 0, 0, header_size)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(rows), 2835, 2835,
                              len(palette), 0)
    return file_header + info_header + palette_bytes + rows


# The 16-colour palette: black is entry 0, magenta entry 13.
PALETTE16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
             (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
             (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def write_strips(directory):
    glyphs = glyph_table()
    assert len(glyphs) == 36
    rows = strip_pixels(glyphs)
    width = len(rows[0])

    def row24(y):
        return b"".join(bytes(reversed(BLACK if black else MAGENTA)) for black in rows[y])

    black_index = PALETTE16.index(BLACK)
    magenta_index = PALETTE16.index(MAGENTA)

    def row4(y):
        nibbles = [black_index if black else magenta_index for black in rows[y]]
        if len(nibbles) % 2:
            nibbles.append(0)
        return bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, len(nibbles), 2))

    with open(os.path.join(directory, "MenuGlyphs17080.bmp"), "wb") as out:
        out.write(bmp_file(width, SIZE, 24, [], row24))
    with open(os.path.join(directory, "MenuGlyphs16129.bmp"), "wb") as out:
        out.write(bmp_file(width, SIZE, 4, PALETTE16, row4))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    write_strips(sys.argv[1])
