#!/usr/bin/env python3
"""Draws UEscape's icon (a "\\u" in white on a blue tile) at 16, 32 and 48
pixels and writes them as one .ico file of 32-bit images.

Usage: make_icon.py OUTPUT.ico
"""
import struct
import sys

SIZES = (16, 32, 48)
TILE = (0x2B, 0x6C, 0xD6)      # RGB
TILE_EDGE = (0x1A, 0x4A, 0x9C)
INK = (0xFF, 0xFF, 0xFF)


def coverage(x, y, size):
    """How much of the glyph covers the unit-square pixel centre (x, y),
    in 0..1, with coordinates scaled to a 48-pixel design."""
    s = 48.0 / size
    px, py = (x + 0.5) * s, (y + 0.5) * s
    best = 0.0
    half = 2.6  # stroke half width in design pixels

    def segment(ax, ay, bx, by):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
        cx, cy = ax + t * dx, ay + t * dy
        d = ((px - cx) ** 2 + (py - cy) ** 2) ** 0.5
        return max(0.0, min(1.0, half - d + 0.5 * s))

    # the backslash
    best = max(best, segment(8, 11, 20, 37))
    # the u: two stems and a bowl
    best = max(best, segment(25, 20, 25, 30))
    best = max(best, segment(39, 20, 39, 37))
    for i in range(12):
        import math
        a0 = math.pi * i / 12
        a1 = math.pi * (i + 1) / 12
        best = max(best, segment(32 - 7 * math.cos(a0), 30 + 7 * math.sin(a0),
                                 32 - 7 * math.cos(a1), 30 + 7 * math.sin(a1)))
    return best


def pixel(x, y, size):
    r = size * 0.18
    # rounded tile: outside the corners is transparent
    cx = min(max(x + 0.5, r), size - r)
    cy = min(max(y + 0.5, r), size - r)
    d = ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5
    alpha = max(0.0, min(1.0, r - d + 0.5))
    edge = d > r - 1.2 or x == 0 or y == 0 or x == size - 1 or y == size - 1
    base = TILE_EDGE if edge else TILE
    c = coverage(x, y, size)
    rgb = tuple(round(b * (1 - c) + i * c) for b, i in zip(base, INK))
    return rgb + (round(alpha * 255),)


def image(size):
    rows = []
    for y in reversed(range(size)):  # bottom-up
        row = b""
        for x in range(size):
            r, g, b, a = pixel(x, y, size)
            row += bytes((b, g, r, a))
        rows.append(row)
    mask_row = ((size + 31) // 32) * 4
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    return header + b"".join(rows) + b"\0" * (mask_row * size)


def main(argv):
    if len(argv) != 2:
        raise SystemExit(__doc__)
    images = [image(s) for s in SIZES]
    out = struct.pack("<HHH", 0, 1, len(SIZES))
    offset = 6 + 16 * len(SIZES)
    for size, data in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(argv[1], "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv)
