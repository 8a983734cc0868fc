#!/usr/bin/env python3
"""Draws the planner's clock artwork and writes the two monochrome strips
(1 bit per pixel, 15 x 15 images) that the clock icons are composed from:

  ClockFaces17060.bmp  720 x 15: 48 faces, face 2h for minutes 0..24 of
                       hour h and face 2h+1 for minutes 25..59, whose hour
                       hand stands half-way to the next hour
  ClockHands17061.bmp  360 x 15: 24 minute hands, hand s for minutes
                       5s..5s+4 of the morning, hand 12+s for the afternoon

The icons lay a hand over a face: a morning hand is black on white and is
ANDed onto a white dial; an afternoon hand is white on black and is ORed
onto a black dial. White in the composed icons is transparent.

Usage: make_clock_strips.py OUTPUT_DIRECTORY
"""

import math
import os
import struct
import sys

SIZE = 15
CENTRE = 7
RADIUS = 7
HOUR_HAND = 4
MINUTE_HAND = 6
TICK_RADIUS = 5


class Image:
    """A 15 x 15 picture of black (0) and white (1) pixels."""

    def __init__(self, white):
        self.pixels = [[1 if white else 0] * SIZE for _ in range(SIZE)]

    def set(self, x, y, white):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.pixels[y][x] = 1 if white else 0

    def hand(self, turns, length, white):
        """A line from the centre, turns of a full circle clockwise from
        twelve o'clock."""
        angle = 2 * math.pi * turns
        x1 = CENTRE + round(length * math.sin(angle))
        y1 = CENTRE - round(length * math.cos(angle))
        steps = max(abs(x1 - CENTRE), abs(y1 - CENTRE))
        for i in range(steps + 1):
            self.set(CENTRE + round((x1 - CENTRE) * i / steps), CENTRE + round((y1 - CENTRE) * i / steps), white)


def inside_dial(x, y):
    return math.hypot(x - CENTRE, y - CENTRE) <= RADIUS + 0.3


def on_rim(x, y):
    return inside_dial(x, y) and math.hypot(x - CENTRE, y - CENTRE) > RADIUS - 0.8


def face(hour, second_half):
    """White outside the dial; a morning dial is white with a black rim,
    ticks and hand, an afternoon dial black with white ticks and hand."""
    morning = hour < 12
    image = Image(True)
    for y in range(SIZE):
        for x in range(SIZE):
            if on_rim(x, y) or (not morning and inside_dial(x, y)):
                image.set(x, y, False)
    # Ticks at twelve, three, six and nine, inside the rim.
    for dx, dy in ((0, -1), (1, 0), (0, 1), (-1, 0)):
        image.set(CENTRE + dx * TICK_RADIUS, CENTRE + dy * TICK_RADIUS, not morning)
    image.hand(((hour % 12) + (0.5 if second_half else 0.0)) / 12, HOUR_HAND, not morning)
    return image


def minute_hand(step, afternoon):
    """Black on white for the morning, white on black for the afternoon."""
    image = Image(not afternoon)
    image.hand(step / 12, MINUTE_HAND, afternoon)
    return image


def write_strip(path, images):
    """A bottom-up 1-bit BMP: palette entry 0 black, 1 white."""
    width = SIZE * len(images)
    row_bytes = (width + 31) // 32 * 4
    rows = []
    for y in reversed(range(SIZE)):
        bits = bytearray(row_bytes)
        for x in range(width):
            if images[x // SIZE].pixels[y][x % SIZE]:
                bits[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(bits))
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    offset = 14 + 40 + len(palette)
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, SIZE, 1, 1, 0, len(data), 2835, 2835, 2, 2)
    with open(path, "wb") as out:
        out.write(header + info + palette + data)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    faces = [face(index // 2, index % 2 == 1) for index in range(48)]
    hands = [minute_hand(index % 12, index >= 12) for index in range(24)]
    write_strip(os.path.join(folder, "ClockFaces17060.bmp"), faces)
    write_strip(os.path.join(folder, "ClockHands17061.bmp"), hands)


if __name__ == "__main__":
    main()
