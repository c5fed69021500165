#!/usr/bin/env python3
"""Draws the icons of the options pages (page tabs and the pictures beside the
headings) at 16 and 32 pixels and writes them as .ico files into
src/resources:

  folders.ico       icon 120: a folder holding a shortcut
  scrolling.ico     icon 126: a list with a scroll arrow
  fading.ico        icon 135: a panel fading in
  activation.ico    icon 137: a mouse pointer calling up a panel
  transparency.ico  icon 155: a panel through which a window shows
  sounds.ico        icon 166: a speaker with sound waves
  other.ico         icon 119: a list of check boxes
  blocked.ico       icon 134: a window with a no-entry sign
  design.ico        icon 200: a painter's palette over a panel

The pictures keep to the 16 VGA colours, because the sheet loads its tab
icons in 16 colours and the sound page's tree holds them in a 4-bit image
list. Deterministic: running it again writes the same bytes."""
import struct
import sys
from pathlib import Path

VGA = {
    'k': (0, 0, 0), 'm': (128, 0, 0), 'h': (0, 128, 0), 'o': (128, 128, 0),
    'n': (0, 0, 128), 'p': (128, 0, 128), 't': (0, 128, 128), 'g': (128, 128, 128),
    'l': (192, 192, 192), 'r': (255, 0, 0), 'G': (0, 255, 0), 'y': (255, 255, 0),
    'b': (0, 0, 255), 'P': (255, 0, 255), 'c': (0, 255, 255), 'w': (255, 255, 255),
}


class Canvas:
    """A square picture in 32-unit coordinates, drawn at size pixels."""

    def __init__(self, size):
        self.size = size
        self.s = size / 32.0
        self.px = [[None] * size for _ in range(size)]

    def _span(self, a0, a1):
        lo = int(round(a0 * self.s))
        hi = max(lo + 1, int(round(a1 * self.s)))
        return range(max(lo, 0), min(hi, self.size))

    def rect(self, x0, y0, x1, y1, c):  # [x0, x1) x [y0, y1) in units
        for y in self._span(y0, y1):
            for x in self._span(x0, x1):
                self.px[y][x] = VGA[c]

    def frame(self, x0, y0, x1, y1, c):
        t = 1 / self.s  # one pixel at any size
        self.rect(x0, y0, x1, y0 + t, c)
        self.rect(x0, y1 - t, x1, y1, c)
        self.rect(x0, y0, x0 + t, y1, c)
        self.rect(x1 - t, y0, x1, y1, c)

    def box(self, x0, y0, x1, y1, face, edge='k'):
        self.rect(x0, y0, x1, y1, face)
        self.frame(x0, y0, x1, y1, edge)

    def poly(self, points, c):
        """Fills a polygon given in units (even-odd rule, pixel centres)."""
        pts = [(x * self.s, y * self.s) for x, y in points]
        for y in range(self.size):
            cy = y + 0.5
            xs = []
            for (xa, ya), (xb, yb) in zip(pts, pts[1:] + pts[:1]):
                if (ya <= cy < yb) or (yb <= cy < ya):
                    xs.append(xa + (cy - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for a, b in zip(xs[0::2], xs[1::2]):
                for x in range(self.size):
                    if a <= x + 0.5 < b:
                        self.px[y][x] = VGA[c]

    def ring(self, cx, cy, r, width, c, right_only=True):
        for y in range(self.size):
            for x in range(self.size):
                dx = (x + 0.5) / self.s - cx
                dy = (y + 0.5) / self.s - cy
                d = (dx * dx + dy * dy) ** 0.5
                if abs(d - r) <= width / 2 and (not right_only or dx > abs(dy) * 0.6):
                    self.px[y][x] = VGA[c]


def panel(c, x0, y0, x1, y1, rows=3, cursor=1, face='w'):
    """The program's panel: a frame, rows with an icon, one under the cursor."""
    c.box(x0, y0, x1, y1, face)
    c.rect(x0 + 1, y0 + 1, x1 - 1, y0 + 4, 'n')
    step = (y1 - y0 - 6) / rows
    for i in range(rows):
        y = y0 + 5 + i * step
        if i == cursor:
            c.rect(x0 + 2, y, x1 - 2, y + step - 1, 'y')
        c.rect(x0 + 3, y + 1, x0 + 3 + step - 3, y + step - 2, 'b' if i != cursor else 'r')
        c.rect(x0 + step + 2, y + step / 2 - 1, x1 - 4, y + step / 2 + 1, 'g' if i != cursor else 'k')


def folders(c):
    c.poly([(2, 8), (12, 8), (15, 11), (30, 11), (30, 27), (2, 27)], 'o')
    c.poly([(3, 12), (29, 12), (29, 26), (3, 26)], 'y')
    c.box(11, 15, 21, 24, 'w')
    c.poly([(13, 22), (18, 17), (18, 19.5), (20, 19.5), (20, 22)], 'b')  # shortcut arrow


def scrolling(c):
    panel(c, 2, 2, 22, 30, rows=4, cursor=2)
    c.box(23, 2, 30, 30, 'l')
    c.poly([(26.5, 5), (29.5, 11), (23.5, 11)], 'k')
    c.poly([(23.5, 21), (29.5, 21), (26.5, 27)], 'k')
    c.rect(24, 13, 29, 19, 'g')


def fading(c):
    panel(c, 2, 2, 30, 30, rows=3, cursor=1, face='w')
    # A dither that thins out to the right: the panel comes up gradually.
    for y in range(c.size):
        for x in range(c.size):
            u = (x + 0.5) / c.s
            if u > 10 and (x + y) % 2 == 0 and u > 10 + (y % 4) * 5:
                c.px[y][x] = VGA['l']


def activation(c):
    panel(c, 10, 2, 30, 24, rows=3, cursor=0)
    c.poly([(2, 10), (2, 28), (6.5, 23.5), (10, 31), (13, 29.5), (9.5, 22.5), (15, 22.5)], 'k')
    c.poly([(3.6, 14), (3.6, 24.5), (7, 21.2), (10.6, 28.8), (11.3, 28.4), (7.8, 21), (11.2, 21)], 'w')


def transparency(c):
    c.box(2, 2, 20, 20, 't')
    c.rect(3, 3, 19, 6, 'n')
    panel(c, 12, 12, 30, 30, rows=2, cursor=0)
    # Where the panel covers the window, the window shows through.
    for y in range(c.size):
        for x in range(c.size):
            u, v = (x + 0.5) / c.s, (y + 0.5) / c.s
            if 13 < u < 19 and 16 < v < 19.5 and (x + y) % 2 == 0:
                c.px[y][x] = VGA['t']


def sounds(c):
    c.poly([(2, 11), (9, 11), (17, 4), (17, 28), (9, 21), (2, 21)], 'n')
    c.rect(3, 12, 8, 20, 't')
    c.ring(16, 16, 7, 2.6, 'b')
    c.ring(16, 16, 12.5, 2.6, 'b')


def other(c):
    c.box(2, 2, 30, 30, 'w')
    for i, ticked in enumerate((True, False, True)):
        y = 5 + i * 8
        if c.size >= 32:
            c.box(5, y, 12, y + 7, 'w')
            if ticked:
                c.rect(7, y + 2, 10, y + 5, 'h')
        else:  # too small for a frame inside a frame
            c.rect(6, y, 12, y + 5, 'h' if ticked else 'l')
        c.rect(14, y + 2.5, 27, y + 4.5, 'k' if ticked else 'g')


def blocked(c):
    c.box(2, 3, 26, 24, 'w')
    c.rect(3, 4, 25, 8, 'n')
    c.rect(5, 11, 20, 12.5, 'g')
    c.rect(5, 15, 17, 16.5, 'g')
    c.ring(21, 21, 7.5, 3, 'r', right_only=False)
    c.poly([(15.5, 24.5), (24.5, 15.5), (26.5, 17.5), (17.5, 26.5)], 'r')


def design(c):
    panel(c, 12, 2, 30, 22, rows=2, cursor=0)
    c.poly([(2, 18), (6, 13), (13, 12), (19, 15), (20, 21), (16, 24), (12, 23), (10, 27), (5, 29), (2, 25)], 'o')
    c.poly([(3, 19), (7, 14.5), (13, 13.5), (18, 16), (18.5, 20.5), (15.5, 22.5), (11, 21.5), (9, 26), (5, 27.5),
            (3, 24.5)], 'y')
    for x, y, colour in ((6, 18, 'r'), (10, 16, 'b'), (14.5, 17.5, 'h'), (5.5, 23, 'p')):
        c.rect(x, y, x + 2.6, y + 2.6, colour)


def dib(c):
    size = c.size
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    body = bytearray()
    for y in range(size - 1, -1, -1):
        for p in c.px[y]:
            r, g, b = p if p else (0, 0, 0)
            body += bytes((b, g, r, 255 if p else 0))
    row = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in range(size - 1, -1, -1):
        bits = bytearray(row)
        for x in range(size):
            if c.px[y][x] is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + body + mask


def icon(draw):
    images = []
    for size in (16, 32):
        c = Canvas(size)
        draw(c)
        images.append((size, dib(c)))
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, img in images:
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    for _, img in images:
        out += img
    return out


ICONS = {
    'folders.ico': folders,
    'scrolling.ico': scrolling,
    'fading.ico': fading,
    'activation.ico': activation,
    'transparency.ico': transparency,
    'sounds.ico': sounds,
    'other.ico': other,
    'blocked.ico': blocked,
    'design.ico': design,
}


def main():
    target = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / 'src/resources'
    for name, draw in ICONS.items():
        (target / name).write_bytes(icon(draw))


if __name__ == '__main__':
    main()
