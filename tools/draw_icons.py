#!/usr/bin/env python3
"""Draws Tessaline's 'Q' icon at every size the program ships and writes the PNGs.

The design: a one-pixel black frame (one sixteenth of the side at larger sizes),
a light cyan ground (#B1FFFF) and a blue (#07A2FE) letter 'Q' outlined in black,
fully opaque. The 16 x 16 icon is drawn pixel by pixel below; the larger ones are
rendered from the same shapes with anti-aliased edges.

It also writes the two icon files of the Windows build, each one ICO container
of the sizes the Qt resources give that icon: tessaline.ico (the application)
and tray-q.ico (the tray icon).

Run once after changing the design; the PNGs are kept in resources/icons/ and
the icon files in resources/win32/:
    python3 tools/draw_icons.py resources/icons resources/win32
"""

import math
import os
import struct
import sys
import zlib

BLACK = (0x00, 0x00, 0x00)
GROUND = (0xB1, 0xFF, 0xFF)
BLUE = (0x07, 0xA2, 0xFE)

# The 16 x 16 icon. K black, c ground, B blue.
PIXELS_16 = [
    "KKKKKKKKKKKKKKKK",
    "KcccccKKKKcccccK",
    "KcccKKBBBBKKcccK",
    "KccKBBBBBBBBKccK",
    "KccKBBKKKKBBKccK",
    "KcKBBKccccKBBKcK",
    "KcKBBKccccKBBKcK",
    "KcKBBKccKKKBBKcK",
    "KcKBBKcKBBKBBKcK",
    "KccKBBKKKBBBKccK",
    "KccKBBBBBBBBKccK",
    "KcccKKBBBBKBBKcK",
    "KcccccKKKKcKBBKK",
    "KcccccccccccKKcK",
    "KccccccccccccccK",
    "KKKKKKKKKKKKKKKK",
]
COLOURS_16 = {"K": BLACK, "c": GROUND, "B": BLUE}

# The letter on a 16 x 16 grid, for the larger sizes.
OUTLINE = 1.0
RING_CENTRE = (8.0, 7.0)
RING_RADIUS = 4.0  # middle of the blue stroke
RING_HALF_WIDTH = 1.0
TAIL = ((9.0, 8.5), (13.0, 12.5))
TAIL_HALF_WIDTH = 0.85

SUPERSAMPLING = 4


def segment_distance(px, py, a, b):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def letter_colour_at(x, y):
    """The colour of the letter and its ground at (x, y) on the 16 x 16 grid."""
    ring = abs(math.hypot(x - RING_CENTRE[0], y - RING_CENTRE[1]) - RING_RADIUS) - RING_HALF_WIDTH
    tail = segment_distance(x, y, *TAIL) - TAIL_HALF_WIDTH
    letter = min(ring, tail)
    if letter <= 0:
        return BLUE
    if letter <= OUTLINE:
        return BLACK
    return GROUND


def render(size):
    scale = 16.0 / size
    # Whole pixels, so that the frame stays sharp at every size.
    frame = max(1, size // 16)
    rows = []
    for j in range(size):
        row = []
        for i in range(size):
            if min(i, j, size - 1 - i, size - 1 - j) < frame:
                row.append(BLACK)
                continue
            total = [0, 0, 0]
            for sj in range(SUPERSAMPLING):
                for si in range(SUPERSAMPLING):
                    x = (i + (si + 0.5) / SUPERSAMPLING) * scale
                    y = (j + (sj + 0.5) / SUPERSAMPLING) * scale
                    for k, value in enumerate(letter_colour_at(x, y)):
                        total[k] += value
            samples = SUPERSAMPLING * SUPERSAMPLING
            row.append(tuple((value + samples // 2) // samples for value in total))
        rows.append(row)
    return rows


def pixel_art(lines, colours):
    return [[colours[ch] for ch in line] for line in lines]


def png(rows):
    """An 8-bit RGB PNG of `rows` (lists of (r, g, b))."""
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\x00" + bytes(v for pixel in row for v in pixel) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def dib(rows):
    """An icon image as a device-independent bitmap: a header giving twice the
    picture's height (the picture and its mask), the 32-bit BGRA picture bottom
    row first, and an AND mask of zeros, which shows every pixel."""
    height, width = len(rows), len(rows[0])
    pixels = b"".join(bytes((b, g, r, 0xFF)) for row in reversed(rows) for r, g, b in row)
    mask_row = ((width + 31) // 32) * 4
    mask = bytes(mask_row * height)
    header = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, 32, 0, len(pixels) + len(mask),
                         0, 0, 0, 0)
    return header + pixels + mask


def ico(images):
    """An ICO file of `images` ({size: rows}): bitmaps below 256 pixels, which
    every reader takes, and a PNG at 256, as Windows expects there."""
    entries = [(size, png(rows) if size >= 256 else dib(rows))
               for size, rows in sorted(images.items())]
    offset = 6 + 16 * len(entries)
    directory = struct.pack("<HHH", 0, 1, len(entries))
    for size, data in entries:
        side = size % 256  # 0 stands for 256
        directory += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return directory + b"".join(data for _, data in entries)


# The sizes of each icon, as the Qt resources (resources/icons.qrc) list them.
ICONS = {
    "tessaline": (16, 32, 48, 128, 256),
    "tray-q": (16, 22, 24, 32, 48),
}


def main(folder, ico_folder):
    os.makedirs(folder, exist_ok=True)
    os.makedirs(ico_folder, exist_ok=True)
    images = {16: pixel_art(PIXELS_16, COLOURS_16)}
    for size in (22, 24, 32, 48, 128, 256):
        images[size] = render(size)
    for size, rows in images.items():
        with open(os.path.join(folder, "q-%d.png" % size), "wb") as out:
            out.write(png(rows))
    for name, sizes in ICONS.items():
        with open(os.path.join(ico_folder, name + ".ico"), "wb") as out:
            out.write(ico({size: images[size] for size in sizes}))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "resources/icons",
         sys.argv[2] if len(sys.argv) > 2 else "resources/win32")
