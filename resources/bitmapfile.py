"""Writes 24-bit bottom-up Windows bitmap files for the drawing scripts here.

rows: a list of rows, top row first, each a list of (r, g, b) tuples.
pixels_per_metre: the resolution written into the header (2835 is 72 DPI;
0 says none, as in the original page picture).
"""
import struct


def bmp_bytes(rows, pixels_per_metre=2835):
    width, height = len(rows[0]), len(rows)
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        data += line
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data),
                       pixels_per_metre, pixels_per_metre, 0, 0)
    return header + info + bytes(data)


def write_bmp(path, rows, pixels_per_metre=2835):
    with open(path, "wb") as f:
        f.write(bmp_bytes(rows, pixels_per_metre))
