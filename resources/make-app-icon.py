#!/usr/bin/env python3
"""Draws the program icon (icon 128): a rounded violet-to-blue tile with a
large and a small four-pointed sparkle, anti-aliased by supersampling, in
16, 20, 24, 32, 40, 48, 64 and 256 pixels. The small sizes are stored as
32-bit bitmaps with alpha (and an AND mask), 256 as PNG, as Windows expects.

    python3 resources/make-app-icon.py resources/Glimmerpatch.ico
"""
import struct
import sys
import zlib

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
SAMPLES = 4  # supersampling per axis


def lerp(a, b, t):
    return a + (b - a) * t


def tile_cover(x, y, radius):
    """How far (0..1) the point lies inside the rounded unit square."""
    cx = min(max(x, radius), 1 - radius)
    cy = min(max(y, radius), 1 - radius)
    dx, dy = x - cx, y - cy
    return 1.0 if dx * dx + dy * dy <= radius * radius else 0.0


def sparkle(x, y, cx, cy, r):
    """Inside a four-pointed star |dx|^0.5 + |dy|^0.5 <= r^0.5."""
    dx, dy = abs(x - cx), abs(y - cy)
    return dx ** 0.5 + dy ** 0.5 <= r ** 0.5


def shade(x, y, size):
    """Colour (r, g, b, a) of one sample point in unit coordinates."""
    radius = 0.2
    if not tile_cover(x, y, radius):
        return (0, 0, 0, 0)
    # Tile: violet at the top left to blue at the bottom right, with a thin
    # darker rim so that the tile stands out on white and on dark desktops.
    t = (x + y) / 2
    top, bottom = (124, 77, 214), (36, 112, 214)
    colour = [lerp(top[i], bottom[i], t) for i in range(3)]
    rim = 1.5 / size if size <= 32 else 1.0 / size
    if not tile_cover((x - rim) / (1 - 2 * rim), (y - rim) / (1 - 2 * rim), radius):
        colour = [c * 0.62 for c in colour]
    big = 0.36 if size > 20 else 0.40
    if sparkle(x, y, 0.44, 0.54, big):
        return (255, 251, 226, 255)
    if size >= 24 and sparkle(x, y, 0.76, 0.24, 0.14):
        return (255, 236, 150, 255)
    if size < 24 and sparkle(x, y, 0.78, 0.22, 0.12):
        return (255, 236, 150, 255)
    return (int(colour[0]), int(colour[1]), int(colour[2]), 255)


def render(size):
    """Rows top to bottom of (r, g, b, a), premultiplied while averaging."""
    rows = []
    n = SAMPLES * SAMPLES
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) / size
                    y = (py + (sy + 0.5) / SAMPLES) / size
                    r, g, b, a = shade(x, y, size)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            a = acc[3] / n
            if acc[3] > 0:
                r, g, b = (acc[i] / acc[3] for i in range(3))
            else:
                r = g = b = 0
            row.append((int(round(r)), int(round(g)), int(round(b)), int(round(a))))
        rows.append(row)
    return rows


def bitmap_entry(size, rows):
    """A BITMAPINFOHEADER image: BGRA bottom-up, then the 1-bit AND mask."""
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(pixels) + bytes(mask)


def png_entry(size, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body) & 0xFFFFFFFF)
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for pixel in row:
            raw += bytes(pixel)
    return (b'\x89PNG\r\n\x1a\n' +
            chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(bytes(raw), 9)) +
            chunk(b'IEND', b''))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else 'Glimmerpatch.ico'
    images = []
    for size in SIZES:
        rows = render(size)
        images.append((size, png_entry(size, rows) if size >= 256 else bitmap_entry(size, rows)))
    data = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, blob in images:
        dim = 0 if size >= 256 else size
        data += struct.pack('<BBBBHHII', dim, dim, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    for _, blob in images:
        data += blob
    with open(out, 'wb') as f:
        f.write(data)


if __name__ == '__main__':
    main()
