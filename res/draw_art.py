#!/usr/bin/env python3
"""Draws the program's pictures and writes them as 256-colour files.

    res/draw_art.py            rewrites browse.bmp, header.bmp, vellumark.ico

Standard library only. Each picture is a grid of RGB tuples, top row first;
the writers build a palette from the colours used (at most 256).
"""
import math
import os
import struct

GREEN = (0, 255, 0)          # the glyph's transparent background
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
RED = (255, 0, 0)
DARK_RED = (128, 0, 0)
NAVY = (0, 0, 128)
GREY = (128, 128, 128)
SILVER = (192, 192, 192)
LIGHT_GREY = (212, 212, 212)
DARK_GREY = (64, 64, 64)
LIGHT_BLUE = (166, 216, 255)
PINK = (255, 168, 200)
GREY_OLIVE = (136, 136, 96)
NONE = None                  # transparent in the icon

# --- the browse glyph: magnifying glass over a sheet of paper ------------

GLYPH_KEY = {
    '.': GREEN, 'k': GREY, 'w': SILVER, 'f': WHITE, 'b': NAVY, 'l': LIGHT_BLUE,
    'h': WHITE, 'd': DARK_GREY, 'n': BLACK,
}
GLYPH = [
    "..kkkkkkkk......",
    ".kfkwwwwwk......",
    "kffkwwwwwk......",
    "kkkkwwbbbk......",
    "kwwwwblhlbb.....",
    "kwwwblhllllb....",
    "kwwwblhllllb....",
    "kwwwbllllllb....",
    "kwwwbllllllb....",
    "kwwwwbllllbn....",
    "kwwwwwbbbbnnn...",
    "kwdddddwwk.nnn..",
    "kwwwwwwwwk..nnn.",
    "kwwwwwwwwk...nn.",
    "kwwwwwwwwk......",
    "kkkkkkkkkk......",
]


def glyph():
    return [[GLYPH_KEY[c] for c in row] for row in GLYPH]


# --- the glow shared by the header image and the icon --------------------

def glow(width, height, centre, radius, colour):
    """A soft disc of `colour` that darkens to black towards its rim, in a
    few steps so that the palette stays small."""
    cx, cy = centre
    grid = []
    for y in range(height):
        row = []
        for x in range(width):
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy) / radius
            level = max(0.0, 1.0 - d)
            level = round(level * 8) / 8
            row.append(tuple(int(c * level) for c in colour))
        grid.append(row)
    return grid


def fill(grid, left, top, right, bottom, colour):
    """Fills columns left..right and rows top..bottom, both inclusive."""
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            grid[y][x] = colour


# --- the header image: a small card on a blue-violet glow ----------------

def header():
    grid = glow(20, 20, (10, 10), 11.5, (120, 80, 255))
    fill(grid, 4, 4, 15, 15, WHITE)           # the card
    fill(grid, 5, 5, 7, 7, RED)               # red square, upper left
    fill(grid, 9, 5, 14, 5, PINK)             # pink bars
    fill(grid, 9, 7, 13, 7, PINK)
    fill(grid, 5, 9, 14, 9, GREY_OLIVE)       # grey-olive bars
    fill(grid, 5, 11, 12, 11, GREY_OLIVE)
    fill(grid, 5, 13, 8, 14, LIGHT_GREY)      # light-grey blocks
    fill(grid, 10, 13, 14, 14, LIGHT_GREY)
    return grid


# --- the program icon ----------------------------------------------------

def cut_corners(grid, size):
    """Leaves the upper-left and lower-right corners transparent."""
    n = len(grid)
    for y in range(n):
        for x in range(n):
            if x + y < size or (n - 1 - x) + (n - 1 - y) < size:
                grid[y][x] = NONE


def frame(grid, colour):
    n = len(grid)
    for i in range(n):
        grid[0][i] = grid[n - 1][i] = grid[i][0] = grid[i][n - 1] = colour


def icon32():
    grid = glow(32, 32, (14, 16), 17, (40, 90, 255))
    frame(grid, GREY)
    fill(grid, 4, 7, 17, 24, WHITE)           # the card
    fill(grid, 6, 9, 10, 13, RED)             # red square at its left
    fill(grid, 12, 10, 15, 10, DARK_RED)      # dark-red lines of text
    fill(grid, 12, 12, 15, 12, DARK_RED)
    for y in (16, 18, 20, 22):                # grey lines of text
        fill(grid, 6, y, 15 if y != 22 else 11, y, GREY)
    for y, length in ((11, 10), (16, 12), (19, 9), (22, 11)):   # streaks
        for i in range(length):
            shade = max(48, 160 - i * 12)
            grid[y][18 + i] = (shade, shade, shade)
    cut_corners(grid, 4)
    return grid


def icon16():
    grid = glow(16, 16, (7, 8), 9, (40, 90, 255))
    frame(grid, GREY)
    fill(grid, 2, 4, 8, 12, WHITE)
    fill(grid, 3, 5, 4, 6, RED)
    fill(grid, 6, 5, 7, 5, DARK_RED)
    fill(grid, 3, 8, 7, 8, GREY)
    fill(grid, 3, 10, 6, 10, GREY)
    for y, length in ((6, 5), (9, 6), (11, 4)):
        for i in range(length):
            shade = max(48, 160 - i * 24)
            grid[y][9 + i] = (shade, shade, shade)
    cut_corners(grid, 2)
    return grid


# --- writers -------------------------------------------------------------

def palette_of(grids):
    colours = sorted({c for g in grids for row in g for c in row if c is not None})
    if len(colours) > 256:
        raise SystemExit("more than 256 colours")
    return colours + [BLACK] * (256 - len(colours))


def palette_bytes(palette):
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)


def index_rows(grid, palette, transparent_index=0):
    """Pixel indices, bottom row first, each row padded to 4 bytes."""
    lookup = {c: i for i, c in reversed(list(enumerate(palette)))}
    out = b""
    for row in reversed(grid):
        data = bytes(transparent_index if c is None else lookup[c] for c in row)
        out += data + b"\0" * (-len(data) % 4)
    return out


def info_header(width, height, size_image):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, size_image,
                       2835, 2835, 256, 0)


def write_bmp(path, grid):
    width, height = len(grid[0]), len(grid)
    palette = palette_of([grid])
    pixels = index_rows(grid, palette)
    offset = 14 + 40 + 256 * 4
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset))
        f.write(info_header(width, height, len(pixels)))
        f.write(palette_bytes(palette))
        f.write(pixels)


def and_mask(grid):
    """1 = transparent; rows bottom first, padded to 32 bits."""
    out = b""
    for row in reversed(grid):
        bits = 0
        for x, c in enumerate(row):
            if c is None:
                bits |= 1 << (len(row) - 1 - x)
        width_bytes = (len(row) + 31) // 32 * 4
        out += bits.to_bytes((len(row) + 7) // 8, "big").ljust(width_bytes, b"\0")
    return out


def write_ico(path, grids):
    images = []
    for grid in grids:
        size = len(grid)
        palette = palette_of([grid])
        xor = index_rows(grid, palette)
        mask = and_mask(grid)
        images.append((size, info_header(size, size * 2, len(xor) + len(mask))
                       + palette_bytes(palette) + xor + mask))
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for size, data in images:
        directory += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 8, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(directory + b"".join(data for _, data in images))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    write_bmp(os.path.join(here, "browse.bmp"), glyph())
    write_bmp(os.path.join(here, "header.bmp"), header())
    write_ico(os.path.join(here, "vellumark.ico"), [icon32(), icon16()])


if __name__ == "__main__":
    main()
