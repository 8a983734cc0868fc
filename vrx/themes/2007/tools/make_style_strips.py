#!/usr/bin/env python3
"""Writes the bitmap strips the 2007 look's tests load, 24 bits per pixel.

  RendererTestStrip.bmp  20 x 48: three 20 x 16 images stacked top to bottom,
                         each cut into corners (left 3, top 3, right 3,
                         bottom 4), sides and interior. Every region of image
                         k is one colour: red = 20 x region (1 top-left,
                         2 top, 3 top-right, 4 left, 5 interior, 6 right,
                         7 bottom-left, 8 bottom, 9 bottom-right),
                         green = 40 + 40 k, blue = 0x80.

  FrameBorder18004.bmp   20 x 32: the frame border, active and inactive
  CaptionBorder18005.bmp  20 x 32: the caption background, active and inactive
                         (a 4-pixel edge around a lighter middle).

  The bars' and menus' strips (<name><id>.bmp) are 20 x 16 images, each a
  3-pixel edge around a middle of its own colour; the table STRIPS below
  gives every image's (edge, middle) colours, which the look's tests probe
  for. A renderer's images are stacked top to bottom, an image list's
  (IMAGE_LISTS) lie side by side.

Usage: make_style_strips.py OUTPUT_DIRECTORY
"""

import os
import struct
import sys


def write_bmp(path, width, height, pixel):
    """pixel(x, y) -> (r, g, b), y counted from the top."""
    row_size = (width * 3 + 3) & ~3
    rows = []
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += bytes(row_size - len(row))
        rows.append(bytes(row))
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def renderer_test_pixel(x, y):
    width, height = 20, 16
    left, top, right, bottom = 3, 3, 3, 4
    k, y = divmod(y, height)
    column = 0 if x < left else (2 if x >= width - right else 1)
    row = 0 if y < top else (2 if y >= height - bottom else 1)
    region = 1 + row * 3 + column
    return (20 * region, 40 + 40 * k, 0x80)


def border_pixel(edge, middle_active, middle_inactive):
    """Two 20 x 16 images: an edge colour 4 pixels wide around a middle."""
    def pixel(x, y):
        k, y = divmod(y, 16)
        if x < 4 or x >= 16 or y < 4 or y >= 12:
            return edge[k]
        return (middle_active, middle_inactive)[k]
    return pixel


# id: (file, [(edge, middle) per image]).
STRIPS = {
    18006: ("MenuHighlighted", [((255, 189, 105), (255, 231, 162))]),
    18007: ("MenuHighlightedDisabled", [((196, 196, 196), (238, 238, 238))]),
    18008: ("MenuItemBack", [((255, 171, 63), (255, 213, 140)), ((170, 170, 170), (230, 230, 230))]),
    18009: ("MenuItemCheck", [((40, 80, 160), (120, 160, 220)), ((120, 120, 120), (200, 200, 200))]),
    18011: ("MenuItemShowAll", [((190, 200, 215), (228, 234, 242)), ((255, 171, 63), (255, 220, 160))]),
    18044: ("StatusSizeBox", [((86, 125, 176), (216, 228, 243))]),
    18216: ("MenuButtonBorder", [((255, 171, 63), (255, 171, 63))]),
    18012: ("MenuBarButton", [((255, 189, 105), (255, 241, 180)), ((142, 129, 101), (255, 177, 109))]),
    18013: ("PopupBorder", [((134, 134, 134), (250, 250, 250))]),
    18058: ("ToolbarButton", [((200, 200, 200), (235, 235, 235)),
                              ((255, 189, 105), (255, 236, 176)),
                              ((251, 140, 60), (254, 177, 100)),
                              ((255, 171, 63), (255, 214, 154)),
                              ((251, 140, 60), (255, 199, 120))]),
}


# Read as image lists rather than renderers.
IMAGE_LISTS = {18009, 18044}


def framed_pixel(images, side_by_side):
    def pixel(x, y):
        if side_by_side:
            k, x = divmod(x, 20)
        else:
            k, y = divmod(y, 16)
        edge, middle = images[k]
        if x < 3 or x >= 17 or y < 3 or y >= 13:
            return edge
        return middle
    return pixel


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    write_bmp(os.path.join(out, "RendererTestStrip.bmp"), 20, 48, renderer_test_pixel)
    write_bmp(os.path.join(out, "FrameBorder18004.bmp"), 20, 32,
              border_pixel(((101, 147, 207), (160, 180, 210)), (191, 219, 255), (215, 228, 242)))
    write_bmp(os.path.join(out, "CaptionBorder18005.bmp"), 20, 32,
              border_pixel(((59, 97, 156), (140, 160, 190)), (175, 210, 255), (213, 226, 243)))
    for bitmap_id, (name, images) in STRIPS.items():
        side_by_side = bitmap_id in IMAGE_LISTS
        width, height = (20 * len(images), 16) if side_by_side else (20, 16 * len(images))
        write_bmp(os.path.join(out, "%s%d.bmp" % (name, bitmap_id)), width, height,
                  framed_pixel(images, side_by_side))


if __name__ == "__main__":
    main()
