#!/usr/bin/env python3
"""Draws the toolbar strip (bitmap 204): five 32 x 32 pictures side by side,
160 x 32 pixels, 24 bits, on the mask colour RGB(192, 192, 192). Given a
scale in percent it draws the same pictures for that scale (150: five
48 x 48 pictures, 200: five 64 x 64, 300: five 96 x 96), each shape drawn at the larger size
rather than the small picture stretched.

Pictures, in button order: open (a folder), revert (an arrow turning back),
save (a disk), show code (a page with angle brackets), donate (a heart).

Each picture is drawn on a 4 x finer grid and reduced: a pixel that is mostly
background stays exactly the mask colour (so no grey fringe shows on other
backgrounds), every other pixel takes the mean of its drawn sub-pixels.

    python3 resources/make-toolbar-bitmap.py resources/Toolbar.bmp
    python3 resources/make-toolbar-bitmap.py resources/Toolbar150.bmp 150
    python3 resources/make-toolbar-bitmap.py resources/Toolbar200.bmp 200
    python3 resources/make-toolbar-bitmap.py resources/Toolbar300.bmp 300
"""
import math
import sys

from bitmapfile import bmp_bytes

DESIGN = 32  # the pictures are drawn in the units of the 32-pixel picture
SCALE = 4
MASK = (192, 192, 192)


class Canvas:
    def __init__(self, size):
        self.size = size
        self.fine = size * SCALE
        # Fine sub-pixels per design unit: 4 at 32 pixels, 6 at 48, 8 at 64.
        self.unit = SCALE * size / DESIGN
        self.pixels = [[None] * self.fine for _ in range(self.fine)]

    def fill(self, colour, inside):
        """Paints every fine sub-pixel whose centre (in 32-pixel units) is inside."""
        for fy in range(self.fine):
            y = (fy + 0.5) / self.unit
            row = self.pixels[fy]
            for fx in range(self.fine):
                if inside((fx + 0.5) / self.unit, y):
                    row[fx] = colour

    def reduce(self):
        out = []
        for y in range(self.size):
            row = []
            for x in range(self.size):
                drawn = [self.pixels[y * SCALE + j][x * SCALE + i] for j in range(SCALE) for i in range(SCALE)]
                drawn = [p for p in drawn if p is not None]
                if len(drawn) * 2 < SCALE * SCALE:
                    row.append(MASK)
                else:
                    mean = tuple(round(sum(p[k] for p in drawn) / len(drawn)) for k in range(3))
                    # A drawn pixel must never equal the mask colour by chance.
                    row.append((mean[0], mean[1], mean[2] + 1) if mean == MASK else mean)
            out.append(row)
        return out


def polygon(points):
    def inside(x, y):
        result = False
        n = len(points)
        for i in range(n):
            (x1, y1), (x2, y2) = points[i], points[(i + 1) % n]
            if (y1 > y) != (y2 > y) and x < (x2 - x1) * (y - y1) / (y2 - y1) + x1:
                result = not result
        return result
    return inside


def rect(left, top, right, bottom):
    return lambda x, y: left <= x < right and top <= y < bottom


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def segment(x1, y1, x2, y2, width):
    def inside(x, y):
        dx, dy = x2 - x1, y2 - y1
        t = max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / (dx * dx + dy * dy)))
        px, py = x1 + t * dx, y1 + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= (width / 2) ** 2
    return inside


def ring_arc(cx, cy, r_outer, r_inner, start_deg, end_deg):
    """Part of a ring, angles counted clockwise from 3 o'clock in screen terms."""
    def inside(x, y):
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        if not r_inner * r_inner <= d2 <= r_outer * r_outer:
            return False
        a = math.degrees(math.atan2(y - cy, x - cx)) % 360
        s, e = start_deg % 360, end_deg % 360
        return s <= a <= e if s <= e else a >= s or a <= e
    return inside


def grow(points, cx, cy, by):
    """The polygon pushed outwards from (cx, cy) by `by`: for outlines."""
    out = []
    for x, y in points:
        dx, dy = x - cx, y - cy
        d = math.hypot(dx, dy) or 1
        out.append((x + dx / d * by, y + dy / d * by))
    return out


def draw_open(c):
    dark = (120, 80, 10)
    back = [(2, 7), (12, 7), (14, 10), (28, 10), (28, 27), (2, 27)]
    c.fill(dark, polygon(grow(back, 15, 17, 1.0)))
    c.fill((222, 170, 50), polygon(back))
    # A sheet of paper inside the folder.
    c.fill((90, 90, 90), rect(6, 12, 25, 22))
    c.fill((255, 255, 255), rect(7, 13, 24, 22))
    front = [(6, 15), (31, 15), (26, 28), (1, 28)]
    c.fill(dark, polygon(grow(front, 16, 21, 1.0)))
    c.fill((250, 206, 90), polygon(front))


def draw_revert(c):
    blue = (20, 90, 200)
    dark = (10, 45, 120)
    cx, cy = 17, 17
    # A ring turning counter-clockwise: open at the left, its arrow head at
    # the upper-left end pointing down.
    c.fill(dark, ring_arc(cx, cy, 12.5, 5.5, 200, 150))
    c.fill(blue, ring_arc(cx, cy, 11.5, 6.5, 201, 149))
    a = math.radians(200)
    mx, my = cx + 9 * math.cos(a), cy + 9 * math.sin(a)
    rx, ry = math.cos(a), math.sin(a)
    tx, ty = math.sin(a), -math.cos(a)
    head = [(mx - rx * 7, my - ry * 7), (mx + rx * 7, my + ry * 7), (mx + tx * 8, my + ty * 8)]
    c.fill(dark, polygon(grow(head, mx + tx * 2.5, my + ty * 2.5, 1.2)))
    c.fill(blue, polygon(head))


def draw_save(c):
    body = [(3, 3), (25, 3), (29, 7), (29, 29), (3, 29)]
    c.fill((10, 30, 80), polygon(body))
    c.fill((40, 80, 170), polygon(grow(body, 16, 16, -1.2)))
    # Metal shutter at the top, label at the bottom.
    c.fill((150, 155, 165), rect(9, 4, 23, 12))
    c.fill((60, 60, 70), rect(18, 5, 21, 11))
    c.fill((250, 250, 250), rect(7, 17, 25, 28))
    for y in (20, 23, 26):
        c.fill((170, 170, 200), rect(9, y, 23, y + 1))


def draw_code(c):
    page = [(5, 2), (21, 2), (27, 8), (27, 30), (5, 30)]
    c.fill((80, 80, 80), polygon(page))
    c.fill((255, 255, 255), polygon(grow(page, 16, 16, -1.0)))
    c.fill((80, 80, 80), polygon([(20, 2), (27, 9), (20, 9)]))
    c.fill((220, 220, 220), polygon([(21, 3.5), (25.5, 8), (21, 8)]))
    green = (0, 130, 60)
    c.fill(green, segment(12, 13, 7.5, 18, 2.4))
    c.fill(green, segment(7.5, 18, 12, 23, 2.4))
    c.fill(green, segment(20, 13, 24.5, 18, 2.4))
    c.fill(green, segment(24.5, 18, 20, 23, 2.4))
    c.fill((200, 60, 30), segment(18, 11.5, 14, 24.5, 2.2))


def draw_donate(c):
    def heart(scale):
        def inside(x, y):
            # The classic heart curve, centred at (16, 15).
            u = (x - 16) / (13.5 * scale)
            v = -(y - 15.5) / (13.5 * scale)
            return (u * u + v * v - 0.35) ** 3 - u * u * v ** 3 * 1.0 <= 0 and v > -1.2
        return inside
    c.fill((120, 0, 20), heart(1.08))
    c.fill((220, 30, 50), heart(1.0))
    c.fill((255, 150, 160), circle(11, 11.5, 2.2))


def main():
    percent = int(sys.argv[2]) if len(sys.argv) > 2 else 100
    size = DESIGN * percent // 100
    pictures = [draw_open, draw_revert, draw_save, draw_code, draw_donate]
    strip = [[] for _ in range(size)]
    for draw in pictures:
        canvas = Canvas(size)
        draw(canvas)
        for y, row in enumerate(canvas.reduce()):
            strip[y] += row
    with open(sys.argv[1], "wb") as f:
        f.write(bmp_bytes(strip))


if __name__ == "__main__":
    main()
