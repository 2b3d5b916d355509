#!/usr/bin/env python3
"""Writes the tiny pictures the platform tests embed: a 23x17 24-bit bitmap, blue with a red
top-left pixel (so a flipped picture shows), and a 16x16 icon."""
import struct
from pathlib import Path

HERE = Path(__file__).resolve().parent


def bitmap(width, height):
    row_size = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):  # bottom-up
        row = bytearray()
        for x in range(width):
            row += bytes((40, 30, 200) if (x, y) == (0, 0) else (200, 60, 20))  # BGR
        rows.append(bytes(row) + b"\0" * (row_size - len(row)))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


def icon(size):
    xor = b"".join(bytes((0, 160, 0, 255)) * size for _ in range(size))
    and_mask = b"\0" * (((size + 31) // 32) * 4 * size)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(and_mask),
                       0, 0, 0, 0)
    image = info + xor + and_mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack(
        "<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + image


(HERE / "test_bitmap.bmp").write_bytes(bitmap(23, 17))
(HERE / "test_icon.ico").write_bytes(icon(16))
