#!/usr/bin/env python3
"""Writes the seed corpus of bmp_fuzz: one tiny BMP of every kind the loader
reads, plus a few it must reject or that end early. Run from anywhere:
    python3 tests/fuzz/make_bmp_corpus.py
"""
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "bmp_fuzz")
W, H = 5, 3


def stride(width, bpp):
    return (width * bpp + 31) // 32 * 4


def rows(bpp, width=W, height=H):
    """Stored rows with varied bytes, padded to 4 bytes."""
    s = stride(width, bpp)
    return bytes((7 * i + 3 * (i // s)) & 0xFF for i in range(s * height))


def palette(count, core=False):
    out = b""
    for i in range(count):
        b, g, r = (i * 37) & 0xFF, (i * 91) & 0xFF, (i * 13) & 0xFF
        out += bytes([b, g, r]) if core else bytes([b, g, r, 0])
    return out


def bmp(header, table, pixels, masks=b""):
    offset = 14 + len(header) + len(masks) + len(table)
    size = offset + len(pixels)
    return b"BM" + struct.pack("<IHHI", size, 0, 0, offset) + header + masks + table + pixels


def core(bpp, width=W, height=H):
    header = struct.pack("<IHHHH", 12, width, height, 1, bpp)
    table = palette(1 << bpp, core=True) if bpp <= 8 else b""
    return bmp(header, table, rows(bpp, width, height))


def info(bpp, compression=0, width=W, height=H, size=40, used=0, masks=(0, 0, 0), pixels=None):
    header = struct.pack("<IiiHHIIiiII", size, width, height, 1, bpp, compression, 0, 2835, 2835, used, 0)
    extra = b""
    if size >= 108:
        header += struct.pack("<IIII", *masks, 0) + b"BGRs" + bytes(36 + 12)
    if size == 124:
        header += struct.pack("<IIII", 4, 0, 0, 0)
    if size == 40 and compression == 3:
        extra = struct.pack("<III", *masks)
    entries = used or (1 << bpp if bpp <= 8 else 0)
    if pixels is None:
        pixels = rows(bpp, width, abs(height))
    return bmp(header, palette(entries), pixels, extra)


RLE8 = bytes([3, 1, 0, 3, 9, 8, 7, 0, 0, 0, 0, 2, 1, 1, 2, 5, 0, 0, 5, 4, 0, 1])
RLE4 = bytes([3, 0x12, 0, 5, 0x34, 0x56, 0x70, 0, 0, 0, 0, 2, 1, 1, 4, 0xAB, 0, 1])

SEEDS = {
    "core_1": core(1), "core_4": core(4), "core_8": core(8), "core_24": core(24),
    "core_16": core(16), "core_32": core(32),
    "info_1": info(1), "info_4": info(4), "info_8": info(8), "info_16": info(16),
    "info_24": info(24), "info_32": info(32),
    "info_24_topdown": info(24, height=-H), "info_8_topdown": info(8, height=-H, used=16),
    "info_8_used3": info(8, used=3), "info_24_used2": info(24, used=2),
    "bitfields_16_565": info(16, 3, masks=(0xF800, 0x07E0, 0x001F)),
    "bitfields_32_10bit": info(32, 3, masks=(0x3FF00000, 0x000FFC00, 0x3FF)),
    "bitfields_32_odd_masks": info(32, 3, masks=(0x0000000A, 0x00FFFF00, 0x80000001)),
    "rle8": info(8, 1, pixels=RLE8), "rle4": info(4, 2, pixels=RLE4),
    "v4_32_bitfields": info(32, 3, size=108, masks=(0xFF0000, 0xFF00, 0xFF)),
    "v4_24": info(24, size=108), "v5_16_bitfields": info(16, 3, size=124, masks=(0x7C00, 0x3E0, 0x1F)),
    "v5_rle8": info(8, 1, size=124, used=16, pixels=RLE8), "v5_8": info(8, size=124, used=16),
    "short_pixels_24": info(24)[:-7], "zero_width": info(24, width=0), "zero_height": info(24, height=0),
}


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, data in SEEDS.items():
        with open(os.path.join(OUT, name + ".bmp"), "wb") as f:
            f.write(data)
    print("wrote %d seeds to %s" % (len(SEEDS), OUT))


if __name__ == "__main__":
    main()
