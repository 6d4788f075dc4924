#!/usr/bin/env python3
"""Draws the section pages' picture (bitmap 211) for a larger scale: a small
window with a blue title bar, two white dots, coloured text lines and five
colour swatches, standing on a light blue-to-white background with a soft
shadow. 104 x 90 pixels at 100 %, 24 bits.

PagePicture.bmp itself (100 %) is the original picture and stays as it is;
this script draws the same design, shape by shape, at 150 % (156 x 135),
200 % (208 x 180) and 300 % (312 x 270), so that a page at 144, 192 or 288
DPI shows a picture drawn for its size instead of the small one stretched. Each pixel is the mean of
4 x 4 sub-pixels. Asked for 100 % it draws its own version of the small
picture, for comparing the design with the original.

    python3 resources/make-page-picture.py resources/PagePicture150.bmp 150
    python3 resources/make-page-picture.py resources/PagePicture200.bmp 200
    python3 resources/make-page-picture.py resources/PagePicture300.bmp 300
"""
import sys

from bitmapfile import write_bmp

WIDTH, HEIGHT = 104, 90
SCALE = 4  # sub-pixels per pixel and axis

TOP, BOTTOM = (216, 230, 248), (255, 255, 255)
FRAME = (127, 143, 166)
TITLE = (51, 102, 153)
SHADOW = (216, 218, 220)
INK = (74, 74, 74)
SWATCH_EDGE = (85, 85, 85)
SWATCH_SHADOW = (244, 244, 244)
SWATCHES = ((229, 43, 43), (255, 173, 91), (50, 205, 50), (51, 102, 204), (128, 0, 128))
# The lines of "text" in the window: left, top, right, bottom and colour.
LINES = (
    (15, 29, 63, 34, (255, 102, 0)),
    (15, 38, 85, 41, INK),
    (15, 44, 79, 47, INK),
    (15, 50, 82, 53, INK),
    (15, 56, 51, 59, (204, 0, 0)),
)
# The window: left, top, right, bottom, corner radius; its title bar ends at
# TITLE_BOTTOM. All in pixels of the 100 % picture.
WINDOW = (8, 8, 96, 81, 5.5)
TITLE_BOTTOM = 23


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


class Canvas:
    """Sub-pixels at percent of the 100 % picture; shapes are given in
    pixels of the 100 % picture."""

    def __init__(self, percent):
        self.width = WIDTH * percent // 100
        self.height = HEIGHT * percent // 100
        self.unit = SCALE * percent / 100  # sub-pixels per 100 % pixel
        fine_h = self.height * SCALE
        self.pixels = []
        for fy in range(fine_h):
            t = min(max(((fy + 0.5) / self.unit - 0.5) / (HEIGHT - 1), 0.0), 1.0)
            self.pixels.append([mix(TOP, BOTTOM, t)] * (self.width * SCALE))

    def fill(self, colour, inside, box):
        x0, y0, x1, y1 = box
        for fy in range(max(int(y0 * self.unit) - 1, 0), min(int(y1 * self.unit) + 2, len(self.pixels))):
            y = (fy + 0.5) / self.unit
            row = self.pixels[fy]
            for fx in range(max(int(x0 * self.unit) - 1, 0), min(int(x1 * self.unit) + 2, len(row))):
                if inside((fx + 0.5) / self.unit, y):
                    row[fx] = colour

    def reduce(self):
        out = []
        n = SCALE * SCALE
        for y in range(self.height):
            row = []
            for x in range(self.width):
                acc = [0.0, 0.0, 0.0]
                for j in range(SCALE):
                    fine = self.pixels[y * SCALE + j]
                    for i in range(SCALE):
                        p = fine[x * SCALE + i]
                        acc[0] += p[0]
                        acc[1] += p[1]
                        acc[2] += p[2]
                row.append(tuple(int(round(v / n)) for v in acc))
            out.append(row)
        return out


def draw(c):
    x0, y0, x1, y1, r = WINDOW
    # A shadow below and to the right, then the frame line, the title bar
    # and the white body inside it.
    c.fill(SHADOW, rounded_rect(x0 + 3, y0 + 3, x1 + 3, y1 + 3, r + 1), (x0 + 3, y0 + 3, x1 + 3, y1 + 3))
    c.fill(FRAME, rounded_rect(x0, y0, x1, y1, r), (x0, y0, x1, y1))
    body = rounded_rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, r - 1)
    c.fill(TITLE, lambda x, y: y < TITLE_BOTTOM and body(x, y), (x0, y0, x1, TITLE_BOTTOM))
    c.fill((247, 248, 249), lambda x, y: y >= TITLE_BOTTOM and body(x, y), (x0, TITLE_BOTTOM, x1, y1))
    c.fill((255, 255, 255), rounded_rect(x0 + 2, y0 + 1, x1 - 2, y1 - 2, r - 1.5), (x0, TITLE_BOTTOM, x1, y1))
    # The title bar's two round buttons.
    for cx in (15.5, 22.5):
        c.fill((255, 255, 255), circle(cx, 15.5, 2.7), (cx - 3, 12, cx + 3, 19))
    for (left, top, right, bottom, colour) in LINES:
        c.fill(colour, rect(left, top, right, bottom), (left, top, right, bottom))
    # The colour swatches: a dark edge, a slightly darker rim inside it and
    # a faint shadow.
    for i, colour in enumerate(SWATCHES):
        left = 15 + 14 * i
        c.fill(SWATCH_SHADOW, rect(left + 1, 66, left + 12, 76), (left + 1, 66, left + 12, 76))
        c.fill(SWATCH_EDGE, rect(left, 65, left + 11, 75), (left, 65, left + 11, 75))
        c.fill(mix(colour, SWATCH_EDGE, 0.07), rect(left + 1, 66, left + 10, 74), (left + 1, 66, left + 10, 74))
        c.fill(colour, rect(left + 2, 67, left + 9, 73), (left + 2, 67, left + 9, 73))


def main():
    percent = int(sys.argv[2]) if len(sys.argv) > 2 else 150
    canvas = Canvas(percent)
    draw(canvas)
    write_bmp(sys.argv[1], canvas.reduce(), pixels_per_metre=0)


if __name__ == "__main__":
    main()
