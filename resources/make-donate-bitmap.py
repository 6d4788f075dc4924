#!/usr/bin/env python3
"""Draws the About dialog's donation button (bitmap 221): two 122 x 72
pictures side by side, 244 x 72 pixels, 24 bits, on the mask colour
RGB(192, 192, 192), which the dialog makes transparent. Given a scale in
percent it draws the same button for that scale (150: two 183 x 108
pictures, 200: two 244 x 144, 300: two 366 x 216), every shape drawn at the
larger size.

Picture 0 is the button at rest: a golden rounded plate with a dark blue
"Donate" and a small heart. Picture 1 is the same plate pressed: shifted
down and right by two pixels, a little darker, without its shadow.

Shapes are drawn on a 4 x finer grid and reduced: a pixel that is mostly
background stays exactly the mask colour (so no grey fringe shows), every
other pixel takes the mean of its drawn sub-pixels.

    python3 resources/make-donate-bitmap.py resources/DonateButton.bmp
    python3 resources/make-donate-bitmap.py resources/DonateButton150.bmp 150
    python3 resources/make-donate-bitmap.py resources/DonateButton200.bmp 200
    python3 resources/make-donate-bitmap.py resources/DonateButton300.bmp 300
"""
import sys

from bitmapfile import write_bmp

WIDTH, HEIGHT = 122, 72
SCALE = 4
MASK = (192, 192, 192)

# A 5 x 7 pixel font for the few letters needed.
GLYPHS = {
    "D": ["1110.", "1..1.", "1...1", "1...1", "1...1", "1..1.", "1110."],
    "o": [".....", ".....", ".111.", "1...1", "1...1", "1...1", ".111."],
    "n": [".....", ".....", "1.11.", "11..1", "1...1", "1...1", "1...1"],
    "a": [".....", ".....", ".111.", "....1", ".1111", "1...1", ".1111"],
    "t": [".1...", ".1...", "1111.", ".1...", ".1...", ".1..1", "..11."],
    "e": [".....", ".....", ".111.", "1...1", "11111", "1....", ".111."],
}


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def heart(cx, cy, size):
    def inside(x, y):
        u = (x - cx) / size
        v = (cy - y) / size + 0.3
        return (u * u + v * v - 1) ** 3 - u * u * v ** 3 <= 0
    return inside


def text_cells(text, left, top, cell):
    """The squares of the text's pixels, cell units wide, with one blank
    column between letters."""
    squares = []
    x = left
    for ch in text:
        rows = GLYPHS[ch]
        for j, row in enumerate(rows):
            for i, bit in enumerate(row):
                if bit == "1":
                    squares.append((x + i * cell, top + j * cell, cell))
        x += 6 * cell
    return squares


def picture(pressed, percent):
    """Rows of one picture; shapes are given in the units of the 122 x 72
    picture and drawn at percent of that size."""
    width, height = WIDTH * percent // 100, HEIGHT * percent // 100
    unit = SCALE * percent / 100  # fine sub-pixels per unit
    fine_w, fine_h = width * SCALE, height * SCALE
    pixels = [[None] * fine_w for _ in range(fine_h)]

    def fill(colour, inside, box):
        bx0, by0, bx1, by1 = [int(v * unit) for v in box]
        for fy in range(max(by0, 0), min(by1 + 2 * SCALE, fine_h)):
            y = (fy + 0.5) / unit
            for fx in range(max(bx0, 0), min(bx1 + 2 * SCALE, fine_w)):
                if inside((fx + 0.5) / unit, y):
                    pixels[fy][fx] = colour

    shift = 2 if pressed else 0
    dark = 0.88 if pressed else 1.0

    def tone(c):
        return tuple(int(v * dark) for v in c)

    x0, y0, x1, y1 = 4 + shift, 8 + shift, 114 + shift, 60 + shift
    if not pressed:
        fill((120, 120, 120), rounded_rect(x0 + 3, y0 + 3, x1 + 3, y1 + 3, 12), (x0, y0, x1 + 4, y1 + 4))
    fill(tone((150, 105, 20)), rounded_rect(x0, y0, x1, y1, 12), (x0, y0, x1, y1))
    fill(tone((255, 196, 57)), rounded_rect(x0 + 2, y0 + 2, x1 - 2, y1 - 2, 10), (x0, y0, x1, y1))
    # The upper half a little lighter, as if lit from above.
    fill(tone((255, 214, 110)), rounded_rect(x0 + 4, y0 + 3, x1 - 4, y0 + 22, 8), (x0, y0, x1, y0 + 24))

    ink = tone((16, 45, 110))
    cell = 2.0
    for (sx, sy, size) in text_cells("Donate", x0 + 12, y0 + 19, cell):
        fill(ink, rounded_rect(sx, sy, sx + size, sy + size, 0.4), (sx, sy, sx + size, sy + size))
    fill(tone((200, 30, 60)), heart(x1 - 16, y0 + 27, 7), (x1 - 26, y0 + 16, x1 - 6, y0 + 38))

    out = []
    for y in range(height):
        row = []
        for x in range(width):
            drawn = [pixels[y * SCALE + j][x * SCALE + i] for j in range(SCALE) for i in range(SCALE)]
            drawn = [p for p in drawn if p is not None]
            if len(drawn) * 2 < SCALE * SCALE:
                row.append(MASK)
            else:
                mean = tuple(round(sum(p[k] for p in drawn) / len(drawn)) for k in range(3))
                # A drawn pixel must never equal the mask colour by chance.
                row.append((mean[0], mean[1], mean[2] + 1) if mean == MASK else mean)
        out.append(row)
    return out


def main():
    percent = int(sys.argv[2]) if len(sys.argv) > 2 else 100
    normal = picture(False, percent)
    pressed = picture(True, percent)
    rows = [normal[y] + pressed[y] for y in range(len(normal))]
    write_bmp(sys.argv[1] if len(sys.argv) > 1 else "DonateButton.bmp", rows)


if __name__ == "__main__":
    main()
