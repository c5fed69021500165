#!/usr/bin/env python3
"""Draws the image strips of the popup menu and the dialog controls and writes
them as 24-bit BMP files into src/resources:

  menu_images.bmp     bitmap 109: 8 menu cells on light grey (192, 192, 192)
  mouse_images.bmp    bitmap 163: 11 mouse pictures on magenta
  button_images.bmp   bitmap 164: 11 button icons on light grey
  heading_images.bmp  bitmap 174: 18 check-list heading icons on magenta

Every cell is 16 x 16. The background colour of each strip is its transparent
colour, so nothing drawn may use it. Run again after changing a picture."""
import math
import struct
import sys
from pathlib import Path

GREY_KEY = (192, 192, 192)
MAGENTA_KEY = (255, 0, 255)

PALETTE = {
    'k': (0, 0, 0),
    'd': (64, 64, 64),
    'g': (128, 128, 128),
    'l': (212, 208, 200),
    'e': (232, 232, 232),
    'w': (255, 255, 255),
    'r': (208, 0, 0),
    'R': (255, 96, 96),
    'm': (128, 0, 0),
    'G': (40, 170, 40),
    'h': (0, 100, 0),
    'L': (140, 220, 120),
    'b': (0, 48, 200),
    'B': (96, 150, 240),
    'n': (0, 0, 128),
    'y': (255, 216, 64),
    'Y': (200, 150, 0),
    'o': (255, 160, 32),
    'c': (255, 250, 224),
    'p': (160, 80, 200),
}


class Cell:
    def __init__(self, key):
        self.key = key
        self.px = [[key] * 16 for _ in range(16)]

    def put(self, x, y, c):
        if 0 <= x < 16 and 0 <= y < 16:
            colour = PALETTE[c] if isinstance(c, str) else c
            assert colour != self.key, 'a drawn pixel would be transparent'
            self.px[y][x] = colour

    def clear(self, x, y):
        if 0 <= x < 16 and 0 <= y < 16:
            self.px[y][x] = self.key

    def rect(self, x0, y0, x1, y1, c):  # inclusive corners
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.put(x, y0, c)
            self.put(x, y1, c)
        for y in range(y0, y1 + 1):
            self.put(x0, y, c)
            self.put(x1, y, c)

    def hline(self, x0, x1, y, c):
        self.rect(x0, y, x1, y, c)

    def vline(self, x, y0, y1, c):
        self.rect(x, y0, x, y1, c)

    def line(self, x0, y0, x1, y1, c):
        n = max(abs(x1 - x0), abs(y1 - y0))
        for i in range(n + 1):
            t = i / n if n else 0
            self.put(round(x0 + (x1 - x0) * t), round(y0 + (y1 - y0) * t), c)

    def art(self, x, y, rows):
        """Overlays a picture in palette letters; '.' leaves the pixel alone."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch != '.':
                    self.put(x + dx, y + dy, ch)

    def disc(self, cx, cy, r, c):
        for y in range(16):
            for x in range(16):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.put(x, y, c)

    def arc(self, cx, cy, r, a0, a1, c, width=1.0):
        """Ring segment from angle a0 to a1 (degrees, counter-clockwise, 0 = right)."""
        for y in range(16):
            for x in range(16):
                d = math.hypot(x - cx, y - cy)
                if abs(d - r) > width / 2:
                    continue
                a = math.degrees(math.atan2(-(y - cy), x - cx)) % 360
                lo, hi = a0 % 360, a1 % 360
                inside = lo <= a <= hi if lo <= hi else (a >= lo or a <= hi)
                if inside:
                    self.put(x, y, c)


# ---- Shared pictures ----

CHECK = [
    '......k',
    '.....kk',
    'k...kkk',
    'kk.kkk.',
    'kkkkk..',
    '.kkk...',
    '..k....',
]

QUESTION = [
    '.bbbb.',
    'bb..bb',
    '....bb',
    '...bb.',
    '..bb..',
    '..bb..',
    '......',
    '..bb..',
]


def red_cross(c, x0=3, y0=3, size=10):
    for i in range(size):
        for w in (0, 1):
            c.put(x0 + i + w, y0 + i, 'r')
            c.put(x0 + size - 1 - i + w, y0 + i, 'r')
    c.put(x0, y0, 'm')
    c.put(x0 + size, y0 + size - 1, 'm')


def up_arrow(c, cx, top, colour, dark):
    for i in range(5):
        c.hline(cx - i, cx + i, top + i, colour)
    c.rect(cx - 2, top + 5, cx + 2, top + 10, colour)
    c.vline(cx + 2, top + 5, top + 10, dark)
    c.hline(cx - 2, cx + 2, top + 10, dark)


def down_arrow(c, cx, top, colour, dark):
    c.rect(cx - 2, top, cx + 2, top + 5, colour)
    c.vline(cx + 2, top, top + 5, dark)
    for i in range(5):
        c.hline(cx - 4 + i, cx + 4 - i, top + 6 + i, colour)
    c.put(cx, top + 10, dark)


def page(c, x0, y0, x1, y1):
    c.rect(x0, y0, x1, y1, 'w')
    c.frame(x0, y0, x1, y1, 'g')
    for i in range(3):  # folded corner
        for x in range(x1 - 2 + i, x1 + 1):
            c.clear(x, y0 + i)
    c.line(x1 - 3, y0, x1, y0 + 3, 'g')
    c.vline(x1 - 3, y0, y0 + 3, 'g')
    c.hline(x1 - 3, x1, y0 + 3, 'g')


def form(c):
    c.rect(1, 2, 14, 13, 'l')
    c.frame(1, 2, 14, 13, 'g')
    c.rect(2, 3, 13, 4, 'n')
    c.put(12, 3, 'w')
    c.rect(3, 6, 5, 8, 'w')
    c.frame(3, 6, 5, 8, 'g')
    c.put(4, 7, 'k')
    c.hline(7, 12, 7, 'd')
    c.rect(3, 10, 12, 11, 'w')
    c.frame(3, 10, 12, 11, 'g')


def folder(c, open_=False):
    c.rect(1, 4, 6, 5, 'Y')
    c.rect(1, 5, 13, 13, 'y')
    c.frame(1, 5, 13, 13, 'Y')
    if open_:
        for y in range(8, 14):
            c.hline(3 + (13 - y) // 2, 15 - (13 - y) // 2 if y > 11 else 15, y, 'y')
        c.hline(3, 15, 8, 'Y')
        c.line(15, 8, 12, 13, 'Y')


def circling_arrows(c, colour, dark):
    c.arc(7.5, 7.5, 5.2, 30, 165, colour, 2.0)
    c.arc(7.5, 7.5, 5.2, 210, 345, colour, 2.0)
    # the upper arrow turns down at the left, the lower one up at the right
    c.art(0, 7, ['.......', '.' + colour * 5 + '.', '..' + colour * 3 + '..', '...' + dark + '...'])
    c.art(9, 5, ['...' + dark + '...', '..' + colour * 3 + '..', '.' + colour * 5 + '.'])


def mouse(c, mark=None, colour='r', x0=4):
    """A mouse seen from above; mark names the buttons drawn in colour."""
    c.rect(x0 + 1, 2, x0 + 6, 13, 'w')
    c.hline(x0 + 2, x0 + 5, 1, 'd')
    c.put(x0 + 1, 2, 'd')
    c.put(x0 + 6, 2, 'd')
    c.vline(x0, 3, 12, 'd')
    c.vline(x0 + 7, 3, 12, 'd')
    c.put(x0 + 1, 13, 'd')
    c.put(x0 + 6, 13, 'd')
    c.hline(x0 + 2, x0 + 5, 14, 'd')
    c.hline(x0 + 1, x0 + 6, 7, 'g')
    c.vline(x0 + 3, 2, 6, 'g')
    c.vline(x0 + 4, 2, 6, 'g')
    left = [(x, y) for y in range(2, 7) for x in range(x0 + 1, x0 + 3)] + [(x0 + 2, 2)]
    right = [(x, y) for y in range(2, 7) for x in range(x0 + 5, x0 + 7)]
    middle = [(x, y) for y in range(3, 6) for x in (x0 + 3, x0 + 4)]
    parts = {'left': left, 'right': right, 'middle': middle}
    if mark:
        for name in mark:
            for x, y in parts[name]:
                c.put(x, y, colour)
    c.put(x0 + 1, 2, 'd')
    c.put(x0 + 6, 2, 'd')


def keyboard(c):
    c.rect(0, 4, 15, 12, 'l')
    c.frame(0, 4, 15, 12, 'd')
    for row, y in enumerate((6, 8)):
        for x in range(2 - row % 2, 14, 2):
            c.put(x, y, 'w')
    c.hline(4, 11, 10, 'w')


def monitor(c):
    c.rect(1, 1, 14, 11, 'l')
    c.frame(1, 1, 14, 11, 'd')
    c.rect(3, 3, 12, 9, 'B')
    c.rect(6, 12, 9, 12, 'g')
    c.hline(4, 11, 13, 'd')


def list_rows(c, selected=None):
    c.rect(1, 1, 14, 14, 'w')
    c.frame(1, 1, 14, 14, 'g')
    for i, y in enumerate((3, 6, 9, 12)):
        if i == selected:
            c.rect(2, y - 1, 13, y + 1, 'o')
        c.rect(3, y, 4, y, 'B')
        c.hline(6, 12, y, 'd')


# ---- The strips ----

def menu_cells():
    cells = []

    c = Cell(GREY_KEY)  # 0: checked item
    c.hline(1, 14, 1, 'g')
    c.vline(1, 1, 14, 'g')
    c.hline(2, 13, 2, 'd')
    c.vline(2, 2, 13, 'd')
    c.hline(1, 14, 14, 'w')
    c.vline(14, 1, 14, 'w')
    c.hline(2, 13, 13, 'l')
    c.vline(13, 2, 13, 'l')
    for y in range(3, 13):
        for x in range(3, 13):
            c.put(x, y, 'w' if (x + y) % 2 == 0 else 'e')
    c.art(4, 4, CHECK)
    cells.append(c)

    c = Cell(GREY_KEY)  # 1: checked and highlighted item
    c.rect(2, 2, 13, 13, 'l')
    c.art(4, 4, CHECK)
    cells.append(c)

    c = Cell(GREY_KEY)  # 2: options, a form
    form(c)
    cells.append(c)

    c = Cell(GREY_KEY)  # 3: About, a question mark in a speech bubble
    c.rect(2, 1, 13, 10, 'w')
    c.hline(3, 12, 0, 'k')
    c.hline(3, 12, 11, 'k')
    c.vline(1, 1, 10, 'k')
    c.vline(14, 1, 10, 'k')
    c.put(2, 1, 'k')
    c.put(13, 1, 'k')
    c.put(2, 10, 'k')
    c.put(13, 10, 'k')
    c.art(3, 11, ['kwk', 'kk.', 'k..'])
    c.art(5, 2, QUESTION)
    cells.append(c)

    c = Cell(GREY_KEY)  # 4: refresh, two green circling arrows
    circling_arrows(c, 'G', 'h')
    cells.append(c)

    c = Cell(GREY_KEY)  # 5: reorder, a page with blue arrows
    page(c, 0, 0, 9, 15)
    for y in (3, 6, 9, 12):
        c.hline(2, 6, y, 'g')
    c.art(10, 0, ['..B..', '.BBB.', 'BBBBB', '.BBb.', '.BBb.', '.BBb.', '.bbb.'])
    c.art(10, 8, ['.BBb.', '.BBb.', '.BBb.', 'BBBBB', '.BBB.', '..b..'])
    cells.append(c)

    c = Cell(GREY_KEY)  # 6: font sign
    c.art(1, 2, [
        'gggggggg',
        'gg.gg.gg',
        'g..gg..g',
        '...gg...',
        '...gg...',
        '...gg...',
        '...gg...',
        '..gggg..',
    ])
    c.art(6, 6, [
        'bbbbbbbbb',
        'bb..bb..b',
        'b...bb...',
        '....bb...',
        '....bb...',
        '....bb...',
        '....bb...',
        '...bbbb..',
    ])
    cells.append(c)

    c = Cell(GREY_KEY)  # 7: red cross
    red_cross(c)
    cells.append(c)
    return cells


def button_cells():
    cells = []

    c = Cell(GREY_KEY)  # 0: close, a window with its close box
    c.rect(1, 2, 14, 13, 'w')
    c.frame(1, 2, 14, 13, 'g')
    c.rect(2, 3, 13, 5, 'n')
    c.rect(10, 3, 12, 5, 'r')
    c.put(10, 3, 'w')
    c.put(12, 3, 'w')
    c.put(11, 4, 'w')
    c.put(10, 5, 'w')
    c.put(12, 5, 'w')
    c.hline(3, 10, 8, 'g')
    c.hline(3, 8, 10, 'g')
    cells.append(c)

    c = Cell(GREY_KEY)  # 1: move up
    up_arrow(c, 7, 2, 'B', 'b')
    cells.append(c)

    c = Cell(GREY_KEY)  # 2: move down
    down_arrow(c, 7, 3, 'B', 'b')
    cells.append(c)

    c = Cell(GREY_KEY)  # 3: delete, clear
    red_cross(c)
    cells.append(c)

    c = Cell(GREY_KEY)  # 4: add
    c.rect(6, 2, 9, 13, 'G')
    c.rect(2, 6, 13, 9, 'G')
    c.vline(9, 2, 13, 'h')
    c.hline(2, 13, 9, 'h')
    c.rect(6, 6, 8, 8, 'L')
    cells.append(c)

    c = Cell(GREY_KEY)  # 5: details, a list under a magnifier
    page(c, 1, 0, 11, 14)
    for y in (3, 5, 7):
        c.hline(3, 8, y, 'g')
    c.arc(10, 10, 3, 0, 360, 'd', 1.2)
    c.disc(10, 10, 2, 'B')
    c.line(12, 12, 15, 15, 'd')
    c.line(13, 12, 15, 14, 'd')
    cells.append(c)

    c = Cell(GREY_KEY)  # 6: play
    for i in range(6):
        c.vline(4 + i, 2 + i, 13 - i, 'G')
    for i in range(6):
        c.put(4 + i, 13 - i, 'h')
    c.vline(4, 2, 13, 'h')
    cells.append(c)

    c = Cell(GREY_KEY)  # 7: browse, an open folder
    folder(c, open_=True)
    cells.append(c)

    c = Cell(GREY_KEY)  # 8: key settings, a keyboard
    keyboard(c)
    cells.append(c)

    c = Cell(GREY_KEY)  # 9: separator between two rows
    c.rect(1, 1, 4, 4, 'B')
    c.hline(6, 14, 2, 'd')
    c.hline(6, 12, 3, 'g')
    c.hline(0, 15, 7, 'g')
    c.hline(0, 15, 8, 'w')
    c.rect(1, 11, 4, 14, 'B')
    c.hline(6, 14, 12, 'd')
    c.hline(6, 12, 13, 'g')
    cells.append(c)

    c = Cell(GREY_KEY)  # 10: reset, a blue circling arrow
    c.arc(7.5, 8, 5.2, 60, 360, 'B', 2.0)
    c.art(9, 0, ['bb...', '.bbb.', '.bbbb', '.bbb.', 'bb...'])
    cells.append(c)
    return cells


def mouse_cells():
    cells = []
    for colour in ('r', 'b'):
        for mark in (('left',), ('right',), ('middle',), ('left', 'right')):
            c = Cell(MAGENTA_KEY)
            mouse(c, mark, colour)
            cells.append(c)
    c = Cell(MAGENTA_KEY)  # 8: wheel scrolling
    mouse(c, ('middle',), 'G', x0=1)
    c.art(11, 1, ['..G..', '.GGG.', 'GGGGG'])
    c.vline(13, 4, 11, 'G')
    c.art(11, 12, ['GGGGG', '.GGG.', '..G..'])
    cells.append(c)
    # 9, 10: a click of the first (rear) or second (front) side button, on
    # the mouse's left flank, the clicked one blue like the other clicks.
    for clicked in (1, 2):
        c = Cell(MAGENTA_KEY)
        mouse(c, x0=6)
        for button, top in ((1, 9), (2, 5)):
            c.rect(3, top, 5, top + 2, 'd')
            c.rect(4, top + 1, 5, top + 1, 'b' if button == clicked else 'l')
            if button == clicked:
                c.rect(4, top, 5, top + 2, 'b')
                c.vline(3, top, top + 2, 'n')
        cells.append(c)
    return cells


def heading_cells():
    cells = []

    c = Cell(MAGENTA_KEY)  # 0: the panel
    c.rect(2, 1, 13, 14, 'w')
    c.frame(2, 1, 13, 14, 'n')
    c.rect(3, 2, 12, 3, 'b')
    c.rect(3, 7, 12, 9, 'o')
    for y in (5, 8, 11):
        c.rect(4, y, 5, y, 'B')
        c.hline(7, 11, y, 'd')
    cells.append(c)

    c = Cell(MAGENTA_KEY)  # 1: other settings, a gear
    c.disc(7.5, 7.5, 5.5, 'g')
    for a in range(0, 360, 45):
        x = 7.5 + 6.6 * math.cos(math.radians(a))
        y = 7.5 + 6.6 * math.sin(math.radians(a))
        c.rect(round(x - 0.5), round(y - 0.5), round(x + 0.5), round(y + 0.5), 'g')
    c.disc(7.5, 7.5, 2.2, 'w')
    c.arc(7.5, 7.5, 5.3, 200, 340, 'd', 1.0)
    cells.append(c)

    c = Cell(MAGENTA_KEY)  # 2: more options, check boxes
    for y, ticked in ((2, True), (9, False)):
        c.rect(1, y, 5, y + 4, 'w')
        c.frame(1, y, 5, y + 4, 'd')
        if ticked:
            c.art(2, y + 1, ['..k', 'k.k', '.k.'])
        c.hline(7, 14, y + 2, 'd')
    cells.append(c)

    c = Cell(MAGENTA_KEY)  # 3: the item list
    list_rows(c)
    cells.append(c)

    c = Cell(MAGENTA_KEY)  # 4: panel design, colour swatches
    for (x, y, col) in ((1, 1, 'r'), (8, 1, 'G'), (1, 8, 'b'), (8, 8, 'y')):
        c.rect(x, y, x + 5, y + 5, col)
        c.frame(x, y, x + 5, y + 5, 'd')
    cells.append(c)

    c = Cell(MAGENTA_KEY)  # 5: display position, a window on a screen
    monitor(c)
    c.rect(7, 4, 11, 8, 'w')
    c.frame(7, 4, 11, 8, 'n')
    cells.append(c)

    c = Cell(MAGENTA_KEY)  # 6: cursor reset position
    list_rows(c, selected=1)
    c.art(0, 4, ['r.', 'rr', 'r.'])
    cells.append(c)

    c = Cell(MAGENTA_KEY)  # 7: list start position
    list_rows(c, selected=0)
    c.art(0, 2, ['r.', 'rr', 'r.'])
    cells.append(c)

    c = Cell(MAGENTA_KEY)  # 8: a star (spare)
    c.art(1, 1, [
        '......y.......',
        '.....yyy......',
        '.....yyy......',
        'yyyyyyyyyyyyy.',
        '.yyyyyyyyyyy..',
        '..yyyyyyyyy...',
        '...yyyyyyy....',
        '...yyyyyyy....',
        '..yyyy.yyyy...',
        '..yyy...yyy...',
        '.yy.......yy..',
    ])
    cells.append(c)

    c = Cell(MAGENTA_KEY)  # 9: sorting, bars in order
    for i, y in enumerate((2, 5, 8, 11)):
        c.rect(1, y, 3 + 2 * i, y + 1, 'B')
    down_arrow(c, 12, 2, 'G', 'h')
    cells.append(c)

    c = Cell(MAGENTA_KEY)  # 10: information (spare)
    c.disc(7.5, 7.5, 6.5, 'b')
    c.rect(7, 3, 8, 4, 'w')
    c.rect(7, 6, 8, 12, 'w')
    cells.append(c)

    c = Cell(MAGENTA_KEY)  # 11: folders opening in the panel
    folder(c)
    c.art(5, 6, ['k..', 'kk.', 'kkk', 'kk.', 'k..'])
    cells.append(c)

    c = Cell(MAGENTA_KEY)  # 12: moving the selection cursor
    c.rect(1, 6, 10, 9, 'o')
    c.frame(1, 6, 10, 9, 'Y')
    c.art(10, 0, ['..b..', '.bbb.', 'bbbbb'])
    c.vline(12, 3, 12, 'b')
    c.art(10, 13, ['bbbbb', '.bbb.', '..b..'])
    cells.append(c)

    c = Cell(MAGENTA_KEY)  # 13: ending the program, a power sign
    c.arc(7.5, 8.5, 5.5, 120, 420, 'r', 1.8)
    c.rect(7, 1, 8, 8, 'r')
    cells.append(c)

    c = Cell(MAGENTA_KEY)  # 14: indentation
    c.hline(1, 13, 2, 'd')
    c.hline(6, 14, 6, 'd')
    c.hline(6, 14, 10, 'd')
    c.hline(1, 13, 14, 'd')
    c.art(1, 6, ['b..', 'bb.', 'bbb', 'bb.', 'b..'])
    cells.append(c)

    c = Cell(MAGENTA_KEY)  # 15: position for mouse activations
    mouse(c, ('left',), 'r')
    cells.append(c)

    c = Cell(MAGENTA_KEY)  # 16: position for other activations
    keyboard(c)
    cells.append(c)

    c = Cell(MAGENTA_KEY)  # 17: display options, a screen with a tick
    monitor(c)
    c.art(5, 3, ['......w', '.....ww', 'w...ww.', 'ww.ww..', '.www...', '..w....'])
    cells.append(c)
    return cells


def write_bmp(path, cells):
    width, height = 16 * len(cells), 16
    stride = (width * 3 + 3) & ~3
    body = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for cell in cells:
            for r, g, b in cell.px[y]:
                row += bytes((b, g, r))
        row += bytes(stride - len(row))
        body += row
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    file_header = struct.pack('<2sIHHI', b'BM', 14 + len(header) + len(body), 0, 0, 14 + len(header))
    path.write_bytes(file_header + header + body)


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / 'src' / 'resources'
    strips = {
        'menu_images.bmp': menu_cells(),
        'mouse_images.bmp': mouse_cells(),
        'button_images.bmp': button_cells(),
        'heading_images.bmp': heading_cells(),
    }
    expected = {'menu_images.bmp': 8, 'mouse_images.bmp': 11, 'button_images.bmp': 11, 'heading_images.bmp': 18}
    for name, cells in strips.items():
        assert len(cells) == expected[name], name
        write_bmp(out / name, cells)
        print(f'{out / name}: {len(cells)} cells')


if __name__ == '__main__':
    main()
