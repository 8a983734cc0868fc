#!/usr/bin/env python3
"""Draws the library's default user-tool icon (16 x 16, 32 bits per pixel): a
wrench, made of a ring and a handle, and writes UserTool16931.ico.

Usage: make_user_tool_icon.py OUTPUT_DIRECTORY
"""

import os
import struct
import sys

SIZE = 16
STEEL = (96, 104, 112, 255)
EDGE = (40, 44, 48, 255)


def wrench():
    """Pixels (x, y) -> (r, g, b, a) of the wrench."""
    pixels = {}
    centre_x, centre_y = 4.5, 4.5
    for y in range(SIZE):
        for x in range(SIZE):
            distance = ((x - centre_x) ** 2 + (y - centre_y) ** 2) ** 0.5
            in_ring = 1.5 < distance <= 4.2
            # The ring's open jaw towards the top left.
            in_jaw = x < 5 and y < 5 and abs(x - y) <= 1
            # The handle runs diagonally to the lower right.
            in_handle = abs((x - y)) <= 1 and 5 <= x <= 14 and 5 <= y <= 14
            if (in_ring and not in_jaw) or in_handle:
                pixels[(x, y)] = EDGE if (distance > 3.6 and in_ring) or abs(x - y) == 1 else STEEL
    return pixels


def icon_file(pixels):
    rows = b""
    for y in reversed(range(SIZE)):
        for x in range(SIZE):
            r, g, b, a = pixels.get((x, y), (0, 0, 0, 0))
            rows += struct.pack("<BBBB", b, g, r, a)
    mask_stride = (SIZE + 31) // 32 * 4
    mask = b""
    for y in reversed(range(SIZE)):
        bits = 0
        for x in range(SIZE):
            if (x, y) not in pixels:
                bits |= 1 << (mask_stride * 8 - 1 - x)
        mask += bits.to_bytes(mask_stride, "big")
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(rows) + len(mask), 0, 0, 0, 0)
    image = header + rows + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(os.path.join(sys.argv[1], "UserTool16931.ico"), "wb") as out:
        out.write(icon_file(wrench()))
