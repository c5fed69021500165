#!/usr/bin/env python3
"""Draws the demo skins and the program's folder-arrow bitmap.

    scripts/draw_skins.py            writes skins/Aurora, skins/Washi and
                                     src/resources/arrows.bmp
    scripts/draw_skins.py --preview DIR
                                     also writes DIR/<skin>.bmp, each skin's
                                     pieces put together as the panel shows
                                     them (frame, cursor, separator, arrows,
                                     close button; no text)

Aurora is a format-2 skin: a nine-piece frame with rounded corners cut out by
the transparent colour, an overlay with the title, a glassy selection cursor
in nine pieces, a three-piece separator, a six-state close button, its own
folder arrows and both fonts with a shadow. Washi is an older-format skin:
paper, an indigo title band with a wave pattern and a vermilion cursor.

Everything is computed here, pixel by pixel, and written as 24-bit BMP files;
the output is the same on every run.
"""
import math
import struct
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
KEY = (255, 0, 255)  # the skins' transparent colour


# ---- A tiny raster ----

class Canvas:
    def __init__(self, w, h, colour=KEY):
        self.w, self.h = w, h
        self.px = [[tuple(colour) for _ in range(w)] for _ in range(h)]

    def get(self, x, y):
        return self.px[y][x]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = tuple(int(round(max(0, min(255, v)))) for v in c)

    def blend(self, x, y, c, a):
        if a <= 0 or not (0 <= x < self.w and 0 <= y < self.h):
            return
        a = min(1.0, a)
        base = self.px[y][x]
        self.set(x, y, [base[i] + (c[i] - base[i]) * a for i in range(3)])

    def crop(self, x0, y0, x1, y1):
        out = Canvas(x1 - x0, y1 - y0)
        for y in range(y0, y1):
            for x in range(x0, x1):
                out.px[y - y0][x - x0] = self.px[y][x]
        return out

    def paste(self, other, x0, y0):
        for y in range(other.h):
            for x in range(other.w):
                self.set(x0 + x, y0 + y, other.px[y][x])

    def paste_masked(self, other, x0, y0, sx=0, sy=0, w=None, h=None):
        w = other.w - sx if w is None else w
        h = other.h - sy if h is None else h
        for y in range(h):
            for x in range(w):
                c = other.px[sy + y][sx + x]
                if c != KEY:
                    self.set(x0 + x, y0 + y, c)

    def save(self, path):
        row = (self.w * 3 + 3) // 4 * 4
        body = bytearray()
        for y in range(self.h - 1, -1, -1):
            line = bytearray()
            for r, g, b in self.px[y]:
                line += bytes((b, g, r))
            line += bytes(row - len(line))
            body += line
        header = struct.pack('<2sIHHI', b'BM', 54 + len(body), 0, 0, 54)
        info = struct.pack('<IiiHHIIiiII', 40, self.w, self.h, 1, 24, 0, len(body), 2835, 2835, 0, 0)
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(header + info + body)


def side_by_side(*frames):
    out = Canvas(sum(f.w for f in frames), max(f.h for f in frames))
    x = 0
    for f in frames:
        out.paste(f, x, 0)
        x += f.w
    return out


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def hexc(text):
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


def lerp_stops(stops, t):
    """Colour at t (0..1) along [(position, colour), ...]."""
    t = max(0.0, min(1.0, t))
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, 0 if p1 == p0 else (t - p0) / (p1 - p0))
    return stops[-1][1]


def rounded_box_distance(px, py, x0, y0, x1, y1, r):
    """Signed distance from the pixel centre to a rounded rectangle's edge."""
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r
    qx, qy = abs(px + 0.5 - cx) - hx, abs(py + 0.5 - cy) - hy
    outside = math.hypot(max(qx, 0), max(qy, 0))
    return outside + min(max(qx, qy), 0) - r


def coverage(d):
    return max(0.0, min(1.0, 0.5 - d))


def segment_distance(px, py, ax, ay, bx, by):
    px, py = px + 0.5, py + 0.5
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def rng(seed):
    state = seed & 0xFFFFFFFF
    while True:
        state = (state * 1103515245 + 12345) & 0x7FFFFFFF
        yield state / 0x7FFFFFFF


# ---- Small pixel font for the titles ----

GLYPHS = {
    'T': ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    'o': [".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."],
    'v': [".....", ".....", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."],
    'e': [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
    'l': ["#", "#", "#", "#", "#", "#", "#"],
    'p': [".....", ".....", "####.", "#...#", "#...#", "####.", "#....", "#...."],
    'a': [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    'n': [".....", ".....", "####.", "#...#", "#...#", "#...#", "#...#"],
    ' ': ["..", "..", "..", "..", "..", "..", ".."],
}


def text_width(text):
    return sum(len(GLYPHS[ch][0]) + 1 for ch in text) - 1


def draw_text(canvas, text, x, y, colour, shadow=None):
    for dx, dy, c in ([(1, 1, shadow)] if shadow else []) + [(0, 0, colour)]:
        cx = x
        for ch in text:
            rows = GLYPHS[ch]
            for gy, row in enumerate(rows):
                for gx, bit in enumerate(row):
                    if bit == '#':
                        canvas.set(cx + gx + dx, y + gy + dy, c)
            cx += len(rows[0]) + 1


# ---- The program's folder arrows (bitmap resource 194) ----

def arrow_strip(size, colours, backgrounds, key=KEY):
    """Four arrows side by side: closed and open for the selected row, then
    for the other rows. Edge pixels are blended with the background the arrow
    sits on, since the mask is all or nothing."""
    out = Canvas(size * 4, size, key)
    for i in range(4):
        colour, back = colours[i // 2], backgrounds[i // 2]
        opened = i % 2 == 1
        s = size
        if opened:
            tri = [(s * 0.14, s * 0.30), (s * 0.86, s * 0.30), (s * 0.5, s * 0.78)]
        else:
            tri = [(s * 0.30, s * 0.14), (s * 0.78, s * 0.5), (s * 0.30, s * 0.86)]
        for y in range(s):
            for x in range(s):
                hits = 0
                for sy in range(4):
                    for sx in range(4):
                        if inside_triangle(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4, tri):
                            hits += 1
                a = hits / 16
                if a >= 0.85:
                    out.set(i * s + x, y, colour)
                elif a >= 0.3:
                    out.set(i * s + x, y, mix(back, colour, a))
    return out


def inside_triangle(x, y, tri):
    (ax, ay), (bx, by), (cx, cy) = tri
    d1 = (x - bx) * (ay - by) - (ax - bx) * (y - by)
    d2 = (x - cx) * (by - cy) - (bx - cx) * (y - cy)
    d3 = (x - ax) * (cy - ay) - (cx - ax) * (y - ay)
    neg = d1 < 0 or d2 < 0 or d3 < 0
    pos = d1 > 0 or d2 > 0 or d3 > 0
    return not (neg and pos)


def program_arrows():
    # Images 0 and 1 also serve the reorder dialog's white list, so they are dark.
    return arrow_strip(8, [(48, 48, 48), (128, 128, 128)], [(236, 236, 236), (236, 236, 236)])


# ---- Aurora (format 2) ----

AURORA = {
    'w': 208, 'h': 274, 'top': 30, 'bottom': 10, 'side': 6, 'radius': 9,
}

AURORA_STATES = {
    'active': {
        'outer': hexc('#070C18'),
        'rim': hexc('#4F6FA8'),
        'frame': hexc('#1A2848'),
        'inner': hexc('#0C1428'),
        'bar': [(0.0, hexc('#34548C')), (0.45, hexc('#24406E')), (1.0, hexc('#1A2F55'))],
        'bar_line': hexc('#0B1530'),
        'body': [(0.0, hexc('#17284A')), (0.55, hexc('#121F3B')), (1.0, hexc('#0D1730'))],
        'glow': hexc('#3CE0C0'),
        'glow2': hexc('#8A6CFF'),
        'title': hexc('#E8F0FF'),
        'title_shadow': hexc('#07101F'),
        'grip': hexc('#3A5486'),
    },
    'inactive': {
        'outer': hexc('#0C0F16'),
        'rim': hexc('#4A5470'),
        'frame': hexc('#232A3A'),
        'inner': hexc('#141924'),
        'bar': [(0.0, hexc('#3C465E')), (0.45, hexc('#303A50')), (1.0, hexc('#283044'))],
        'bar_line': hexc('#121722'),
        'body': [(0.0, hexc('#1E2436')), (0.55, hexc('#1A1F2F')), (1.0, hexc('#151A27'))],
        'glow': hexc('#6E9E98'),
        'glow2': hexc('#7E78A8'),
        'title': hexc('#AEB8CC'),
        'title_shadow': hexc('#0C0F16'),
        'grip': hexc('#3E475E'),
    },
}


def aurora_bar_colour(state, y):
    top = AURORA['top']
    return lerp_stops(AURORA_STATES[state]['bar'], y / (top - 1))


def aurora_frame(state):
    """The whole panel at its default size; the nine pieces are cut from it."""
    p, s = AURORA, AURORA_STATES[state]
    w, h, top, bottom, side, r = p['w'], p['h'], p['top'], p['bottom'], p['side'], p['radius']
    c = Canvas(w, h)
    for y in range(h):
        for x in range(w):
            d = rounded_box_distance(x, y, 0, 0, w, h, r)
            if d > 0:
                continue  # outside: stays the transparent colour (window shape)
            if y < top:
                colour = aurora_bar_colour(state, y)
                if y == top - 1:
                    colour = s['bar_line']
            elif y >= h - bottom:
                colour = s['frame']
            elif x < side or x >= w - side:
                colour = s['frame']
            else:
                colour = lerp_stops(s['body'], (y - top) / (h - top - bottom - 1))
                # A faint glow of the lights under the title band.
                haze = max(0.0, 1 - (y - top) / 70) ** 2
                colour = mix(colour, mix(s['glow'], s['glow2'], (y - top) / 70), haze * 0.10)
            # The rims: a dark outer line and a light one inside it.
            if d > -1:
                colour = s['outer']
            elif d > -2:
                colour = mix(s['rim'], colour, 0.15 if y < top else 0.45)
            c.set(x, y, colour)
    # The inner edge of the frame: a dark line around the body.
    for y in range(top, h - bottom):
        c.set(side - 1, y, s['inner'])
        c.set(w - side, y, s['inner'])
    for x in range(side - 1, w - side + 1):
        c.set(x, h - bottom, s['inner'])
    # A faint sheen along the top of the title band.
    for x in range(w):
        for y in (2, 3):
            if c.get(x, y) != KEY and rounded_box_distance(x, y, 0, 0, w, h, r) < -2:
                c.blend(x, y, (255, 255, 255), 0.10 if y == 2 else 0.05)
    # Size grip dots in the bottom-right corner piece.
    for i, (gx, gy) in enumerate([(w - 12, h - 6), (w - 9, h - 6), (w - 9, h - 9)]):
        c.set(gx, gy, s['grip'])
        c.set(gx + 1, gy + 1, s['outer'])
    return c


def aurora_pieces():
    p = AURORA
    w, h, top, bottom, side = p['w'], p['h'], p['top'], p['bottom'], p['side']
    corner = 14
    frames = {st: aurora_frame(st) for st in ('active', 'inactive')}
    mid_x, mid_y = w // 2, top + 40
    boxes = {
        'bg_top_left': (0, 0, corner, top),
        'bg_top_middle': (mid_x, 0, mid_x + 8, top),
        'bg_top_right': (w - corner, 0, w, top),
        'bg_middle_left': (0, mid_y, side, mid_y + 8),
        'bg_middle_right': (w - side, mid_y, w, mid_y + 8),
        'bg_bottom_left': (0, h - bottom, corner, h),
        'bg_bottom_middle': (mid_x, h - bottom, mid_x + 8, h),
        'bg_bottom_right': (w - corner, h - bottom, w, h),
        'bg_body': (mid_x, top, mid_x + 4, h - bottom),
    }
    out = {}
    for name, (x0, y0, x1, y1) in boxes.items():
        out[name] = side_by_side(frames['active'].crop(x0, y0, x1, y1), frames['inactive'].crop(x0, y0, x1, y1))
    return out, frames


def aurora_emblem(canvas, state, ox, oy):
    """A round badge with an aurora band and a star, drawn over the title band."""
    s = AURORA_STATES[state]
    cx, cy, radius = ox + 8, oy + 8, 7.0
    for y in range(oy, oy + 16):
        for x in range(ox, ox + 16):
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy) - radius
            a = coverage(d)
            if a <= 0:
                continue
            t = (x - ox + (y - oy) * 0.6) / 24
            colour = mix(s['glow'], s['glow2'], max(0, min(1, t)))
            # A dark band across the badge: the night behind the lights.
            band = abs((y + 0.5 - cy) + 0.55 * (x + 0.5 - cx) - 2.2)
            if band < 1.6:
                colour = mix(colour, (10, 18, 40), 0.55)
            canvas.blend(x, y, colour, a)
            if -1.2 < d <= 0:
                canvas.blend(x, y, (255, 255, 255), 0.25)
    # A four-pointed sparkle.
    sx, sy = cx - 2.5, cy - 2.5
    for y in range(oy, oy + 16):
        for x in range(ox, ox + 16):
            dx, dy = abs(x + 0.5 - sx), abs(y + 0.5 - sy)
            star = max(0.0, 1.0 - (dx * dy) * 1.6 - (dx + dy) * 0.22)
            if star > 0.05:
                canvas.blend(x, y, (255, 255, 255), star)


def aurora_overlay():
    """The title: the badge and "Tovel panel", on the title band's colours
    (the band changes only from top to bottom, so the overlay fits anywhere
    along it), with the transparent colour around."""
    text = "Tovel panel"
    w, h = 16 + 6 + text_width(text) + 2, 18
    oy = 6  # OverlayTop
    frames = []
    for state in ('active', 'inactive'):
        back = Canvas(w, h, (0, 0, 0))
        for y in range(h):
            for x in range(w):
                back.set(x, y, aurora_bar_colour(state, oy + y))
        drawn = Canvas(w, h, (0, 0, 0))
        drawn.paste(back, 0, 0)
        aurora_emblem(drawn, state, 0, 1)
        s = AURORA_STATES[state]
        draw_text(drawn, text, 22, 6, s['title'], s['title_shadow'])
        # Whatever the drawing did not touch becomes transparent.
        out = Canvas(w, h)
        for y in range(h):
            for x in range(w):
                if drawn.get(x, y) != back.get(x, y):
                    out.set(x, y, drawn.get(x, y))
        frames.append(out)
    return side_by_side(*frames)


def aurora_cursor_state(state, w, h, back):
    c = Canvas(w, h)
    r = 5
    if state == 'active':
        stops = [(0.0, hexc('#6FD3FF')), (0.25, hexc('#3AA8EE')), (0.26, hexc('#2C93DE')),
                 (0.75, hexc('#2386D2')), (1.0, hexc('#1A6BB4'))]
        border, glow = hexc('#A8ECFF'), hexc('#0E3E72')
    else:
        stops = [(0.0, hexc('#3A4E74')), (0.25, hexc('#33466A')), (0.26, hexc('#2E405F')),
                 (0.75, hexc('#2B3C5A')), (1.0, hexc('#25344F'))]
        border, glow = hexc('#566C96'), hexc('#121B2E')
    for y in range(h):
        # Only the top and bottom six rows change: the middle rows repeat
        # when the design makes the rows taller.
        if y < 6:
            t = y / 6 * 0.25
        elif y >= h - 6:
            t = 0.75 + (y - (h - 6)) / 5 * 0.25
        else:
            t = 0.5
        fill = lerp_stops(stops, t)
        for x in range(w):
            d = rounded_box_distance(x, y, 0, 0, w, h, r)
            a = coverage(d)
            if a <= 0.02:
                continue
            colour = fill
            if d > -1.2:
                colour = mix(fill, glow if y >= h / 2 else border, 0.8)
            c.set(x, y, mix(back, colour, a))
    return c


def aurora_cursor():
    """The selection cursor at its default size, and its nine pieces."""
    w, h = 188, 24
    back = lerp_stops(AURORA_STATES['active']['body'], 0.5)
    active = aurora_cursor_state('active', w, h, back)
    inactive = aurora_cursor_state('inactive', w, h, lerp_stops(AURORA_STATES['inactive']['body'], 0.5))
    e = 6
    mx = w // 2
    boxes = {
        'sel_top_left': (0, 0, e, e), 'sel_top_middle': (mx, 0, mx + 8, e), 'sel_top_right': (w - e, 0, w, e),
        'sel_middle_left': (0, e, e, h - e), 'sel_middle_right': (w - e, e, w, h - e),
        'sel_bottom_left': (0, h - e, e, h), 'sel_bottom_middle': (mx, h - e, mx + 8, h),
        'sel_bottom_right': (w - e, h - e, w, h), 'sel_body': (mx, e, mx + 8, h - e),
    }
    out = {}
    for name, (x0, y0, x1, y1) in boxes.items():
        out[name] = side_by_side(active.crop(x0, y0, x1, y1), inactive.crop(x0, y0, x1, y1))
    return out


def aurora_separator():
    """An etched line that fades in and out: left and right ends and a
    middle that is stretched across the row."""
    back = lerp_stops(AURORA_STATES['active']['body'], 0.5)
    dark, light = hexc('#070D1C'), hexc('#34507E')
    n = 28
    left, right = Canvas(n, 2), Canvas(n, 2)
    for x in range(n):
        t = (x + 0.5) / n
        t = t * t * (3 - 2 * t)
        for y, colour in ((0, dark), (1, light)):
            left.set(x, y, mix(back, colour, t))
            right.set(n - 1 - x, y, mix(back, colour, t))
    middle = Canvas(1, 2)
    middle.set(0, 0, dark)
    middle.set(0, 1, light)
    return left, middle, right


def aurora_close():
    """Six states of a round close button, each on the title band it sits on:
    active, pressed, active hot, inactive, (unused), inactive hot."""
    size, top = 18, 6
    looks = [
        ('active', None, hexc('#9FB4DA'), hexc('#E8F0FF')),
        ('active', hexc('#A3222A'), hexc('#E07078'), hexc('#FFFFFF')),
        ('active', hexc('#E0444C'), hexc('#FF9AA0'), hexc('#FFFFFF')),
        ('inactive', None, hexc('#6A7590'), hexc('#AEB8CC')),
        ('inactive', None, hexc('#6A7590'), hexc('#AEB8CC')),
        ('inactive', hexc('#8A4248'), hexc('#B07A80'), hexc('#F0E0E2')),
    ]
    frames = []
    for state, fill, ring, cross in looks:
        c = Canvas(size, size, (0, 0, 0))
        for y in range(size):
            for x in range(size):
                c.set(x, y, aurora_bar_colour(state, top + y))
        cx = cy = size / 2
        for y in range(size):
            for x in range(size):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy) - 7.5
                if fill:
                    c.blend(x, y, fill, coverage(d))
                else:
                    c.blend(x, y, (255, 255, 255), coverage(d) * 0.08)
                c.blend(x, y, ring, coverage(abs(d + 0.5) - 0.5) * (0.55 if fill is None else 0.9))
                k = min(segment_distance(x, y, 6.2, 6.2, 11.8, 11.8), segment_distance(x, y, 11.8, 6.2, 6.2, 11.8))
                c.blend(x, y, cross, coverage(k - 0.8))
        frames.append(c)
    return side_by_side(*frames)


AURORA_INI = """\
; Aurora: a night-sky panel. Drawn by scripts/draw_skins.py.
[Info]
Version=2.0

[Panel]
Width=208
Height=274
Increase=2
Resize=vertical,horizontal
Stretch=background
Background=body.bmp
TopLeft=top_left.bmp
TopMiddle=top_middle.bmp
TopRight=top_right.bmp
MiddleLeft=middle_left.bmp
MiddleRight=middle_right.bmp
BottomLeft=bottom_left.bmp
BottomMiddle=bottom_middle.bmp
BottomRight=bottom_right.bmp
Overlay=title.bmp
OverlayLeft=10
OverlayTop=6

[Select]
Left=10
Top=136
Width=188
Height=24
Background=select_body.bmp
TopLeft=select_top_left.bmp
TopMiddle=select_top_middle.bmp
TopRight=select_top_right.bmp
MiddleLeft=select_middle_left.bmp
MiddleRight=select_middle_right.bmp
BottomLeft=select_bottom_left.bmp
BottomMiddle=select_bottom_middle.bmp
BottomRight=select_bottom_right.bmp

[Separator]
ImageLeft=separator_left.bmp
ImageMiddle=separator_middle.bmp
ImageRight=separator_right.bmp
MarginLeft=6
MarginRight=6
Stretch=middle

[Close]
Left=182
Top=6
Align=right,top
Image=close.bmp

[Item]
IconSize=16
Count=9
Left=18
Top=40
Width=172
Height=24
Margin=7
Indent=12

[Font Select]
Size=9
Style=bold
Color=255,255,255
ShadowColor=10,42,80

[Font Unselect]
Size=9
Color=214,226,245
ShadowColor=3,6,14

[Color]
Transparent=255,0,255

[Arrow]
Image=arrows.bmp
"""


def write_aurora(folder):
    pieces, _ = aurora_pieces()
    names = {
        'bg_top_left': 'top_left', 'bg_top_middle': 'top_middle', 'bg_top_right': 'top_right',
        'bg_middle_left': 'middle_left', 'bg_middle_right': 'middle_right',
        'bg_bottom_left': 'bottom_left', 'bg_bottom_middle': 'bottom_middle',
        'bg_bottom_right': 'bottom_right', 'bg_body': 'body',
    }
    for key, name in names.items():
        pieces[key].save(folder / f'{name}.bmp')
    aurora_overlay().save(folder / 'title.bmp')
    for key, piece in aurora_cursor().items():
        piece.save(folder / f"select_{key[4:]}.bmp")
    left, middle, right = aurora_separator()
    left.save(folder / 'separator_left.bmp')
    middle.save(folder / 'separator_middle.bmp')
    right.save(folder / 'separator_right.bmp')
    aurora_close().save(folder / 'close.bmp')
    selected_back = hexc('#2386D2')
    other_back = lerp_stops(AURORA_STATES['active']['body'], 0.5)
    arrow_strip(10, [(255, 255, 255), hexc('#8FA8D8')], [selected_back, other_back]).save(folder / 'arrows.bmp')
    (folder / 'skin.ini').write_bytes(AURORA_INI.replace('\n', '\r\n').encode('ascii'))


# ---- Washi (older format) ----

WASHI = {'w': 190, 'title': 26, 'base': 214, 'bottom': 10}
INDIGO = hexc('#243460')
INDIGO_LIGHT = hexc('#3A4F86')
VERMILION = hexc('#C23B22')


def washi_paper(state, w, h, seed):
    """Paper with faint fibres; the noise has no seam from bottom to top, so
    the piece can repeat down a taller panel."""
    paper = hexc('#F3ECDA') if state == 'active' else hexc('#E4E0D6')
    fibre = hexc('#D9CDB0') if state == 'active' else hexc('#CFCAC0')
    border = INDIGO if state == 'active' else hexc('#5A6074')
    c = Canvas(w, h, paper)
    rand = rng(seed)
    for y in range(h):
        for x in range(w):
            n = next(rand) - 0.5
            c.set(x, y, tuple(v + n * 7 for v in paper))
    for _ in range(w * h // 420):
        x0, y0 = next(rand) * w, next(rand) * h
        angle = next(rand) * math.pi
        length = 6 + next(rand) * 14
        strength = 0.10 + next(rand) * 0.22
        for i in range(int(length * 2)):
            t = i / 2
            x = int(x0 + math.cos(angle) * t) % w
            y = int(y0 + math.sin(angle) * t) % h
            c.blend(x, y, fibre, strength)
    for y in range(h):
        for x in (0, 1, w - 2, w - 1):
            c.set(x, y, border)
        c.blend(2, y, border, 0.25)
        c.blend(w - 3, y, border, 0.25)
    return c


def seigaiha(x, y, radius=9.0):
    """Intensity (0..1) of the rings of a wave-scale pattern at a point:
    rows of circles, each row half a radius below the last and shifted by a
    radius, every circle covering the rows above it."""
    def ring_at(px, py):
        row = math.floor(py / (radius / 2))
        for r in range(row + 4, row - 5, -1):  # the lowest circle is on top
            cy = r * radius / 2
            offset = radius if r % 2 else 0.0
            col = round((px - offset) / (2 * radius))
            for c in (col - 1, col, col + 1):
                d = math.hypot(px - (c * 2 * radius + offset), py - cy)
                if d < radius:
                    ring = d / radius * 3
                    return 1.0 if ring - math.floor(ring) > 0.66 else 0.0
        return 0.0

    total = 0.0
    for sy in range(3):
        for sx in range(3):
            total += ring_at(x + (sx + 0.5) / 3, y + (sy + 0.5) / 3)
    return total / 9


def washi_band(state, w, h, rounded_top, with_title):
    base = INDIGO if state == 'active' else hexc('#4A5066')
    line = INDIGO_LIGHT if state == 'active' else hexc('#62697E')
    c = Canvas(w, h)
    r = 7
    for y in range(h):
        for x in range(w):
            if rounded_top:
                d = rounded_box_distance(x, y, 0, 0, w, h + 2 * r, r)
            else:
                d = rounded_box_distance(x, y, 0, -2 * r, w, h, r)
            if d > -0.5:
                continue
            colour = mix(base, line, seigaiha(x, y) * 0.45) if rounded_top else base
            c.set(x, y, colour)
    if rounded_top:
        for x in range(w):
            if c.get(x, h - 1) != KEY:
                c.set(x, h - 1, VERMILION if state == 'active' else hexc('#8A6E6A'))
    if with_title:
        title = "Tovel panel"
        # A red sun, then the title.
        sun = VERMILION if state == 'active' else hexc('#8A6E6A')
        for y in range(h):
            for x in range(8, 24):
                c.blend(x, y, sun, coverage(math.hypot(x + 0.5 - 15.5, y + 0.5 - 12.5) - 5.5))
        ink = (250, 246, 236) if state == 'active' else hexc('#C9CCD6')
        draw_text(c, title, 27, 9, ink, hexc('#101830'))
    return c


def washi_select(state):
    w, h = 176, 22
    back = hexc('#F3ECDA')
    if state == 'active':
        top, bottom, edge = hexc('#D9533A'), hexc('#B23520'), hexc('#F08A70')
    else:
        top, bottom, edge = hexc('#D8CFC0'), hexc('#CBC1B0'), hexc('#EEE8DC')
    c = Canvas(w, h)
    for y in range(h):
        fill = mix(top, bottom, y / (h - 1))
        for x in range(w):
            d = rounded_box_distance(x, y, 0, 0, w, h, 4)
            a = coverage(d)
            if a <= 0.02:
                continue
            colour = mix(fill, edge, 0.7) if y == 1 and d < -1 else fill
            c.set(x, y, mix(back, colour, a))
    return c


def washi_close():
    """Four states: active, pressed, inactive, (unused)."""
    size = 16
    looks = [('active', INDIGO_LIGHT, (250, 246, 236)), ('active', VERMILION, (255, 255, 255)),
             ('inactive', hexc('#5A6074'), hexc('#C9CCD6')), ('inactive', hexc('#5A6074'), hexc('#C9CCD6'))]
    frames = []
    for state, box, cross in looks:
        band = washi_band(state, WASHI['w'], WASHI['title'], True, False)
        c = band.crop(WASHI['w'] - 6 - size, 5, WASHI['w'] - 6, 5 + size)
        for y in range(size):
            for x in range(size):
                d = rounded_box_distance(x, y, 1, 1, size - 1, size - 1, 3)
                c.blend(x, y, box, coverage(d))
                k = min(segment_distance(x, y, 5, 5, 11, 11), segment_distance(x, y, 11, 5, 5, 11))
                c.blend(x, y, cross, coverage(k - 0.75))
        frames.append(c)
    return side_by_side(*frames)


WASHI_INI = """\
; Washi: paper and indigo, in the older skin format. Drawn by scripts/draw_skins.py.
[Base]
Height=214
SizeChange=1

[Select]
Left=7
Top=122

[Close]
Left=168
Top=5

[Item]
Count=9
Left=14
Top=34
Width=162
Height=22
Margin=6
Indent=12

[Font]
SelectStyle=bold

[Color]
TextSelect=0xFFFFFF
TextUnselect=0x3A2A1A
Transparent=0xFF00FF

[Skin]
Base=base.bmp
Title=title.bmp
Bottom=bottom.bmp
Select=select.bmp
Close=close.bmp
Arrow=arrows.bmp
"""


def write_washi(folder):
    w = WASHI['w']
    side_by_side(washi_paper('active', w, 48, 7), washi_paper('inactive', w, 48, 7)).save(folder / 'base.bmp')
    side_by_side(washi_band('active', w, WASHI['title'], True, True),
                 washi_band('inactive', w, WASHI['title'], True, True)).save(folder / 'title.bmp')
    side_by_side(washi_band('active', w, WASHI['bottom'], False, False),
                 washi_band('inactive', w, WASHI['bottom'], False, False)).save(folder / 'bottom.bmp')
    side_by_side(washi_select('active'), washi_select('inactive')).save(folder / 'select.bmp')
    washi_close().save(folder / 'close.bmp')
    arrow_strip(8, [(255, 255, 255), INDIGO], [hexc('#C6442C'), hexc('#F3ECDA')]).save(folder / 'arrows.bmp')
    (folder / 'skin.ini').write_bytes(WASHI_INI.replace('\n', '\r\n').encode('ascii'))


# ---- Preview: the pieces put together ----

def read_bmp(path):
    data = path.read_bytes()
    offset, = struct.unpack_from('<I', data, 10)
    w, h = struct.unpack_from('<ii', data, 18)
    row = (w * 3 + 3) // 4 * 4
    c = Canvas(w, h)
    for y in range(h):
        base = offset + (h - 1 - y) * row
        for x in range(w):
            b, g, r = data[base + 3 * x:base + 3 * x + 3]
            c.px[y][x] = (r, g, b)
    return c


def tile(dest, piece, frame_w, x, y, w, h, masked, frame=0):
    if w <= 0 or h <= 0:
        return
    for ty in range(0, h, piece.h):
        for tx in range(0, w, frame_w):
            cw, ch = min(frame_w, w - tx), min(piece.h, h - ty)
            for yy in range(ch):
                for xx in range(cw):
                    c = piece.px[yy][frame * frame_w + xx]
                    if masked and c == KEY:
                        continue
                    dest.set(x + tx + xx, y + ty + yy, c)


def stretch(dest, piece, frame_w, x, y, w, h, frame=0):
    for yy in range(h):
        for xx in range(w):
            sx = frame * frame_w + xx * frame_w // w
            sy = yy * piece.h // h
            dest.set(x + xx, y + yy, piece.px[sy][sx])


def nine(dest, folder, names, x, y, w, h, stretch_bits, masked, frames=2, frame=0):
    img = {k: read_bmp(folder / v) for k, v in names.items() if v}
    fw = {k: v.w // frames for k, v in img.items()}

    def W(k):
        return fw.get(k, 0)

    def H(k):
        return img[k].h if k in img else 0

    if 'bg' in img:
        ix, iy = x + W('ml'), y + H('tm')
        iw, ih = w - W('mr') - W('ml'), h - H('bm') - H('tm')
        if stretch_bits & 1:
            stretch(dest, img['bg'], fw['bg'], ix, iy, iw, ih, frame)
        else:
            tile(dest, img['bg'], fw['bg'], ix, iy, iw, ih, masked, frame)
    if 'tl' in img:
        tile(dest, img['tl'], fw['tl'], x, y, W('tl'), H('tl'), masked, frame)
    if 'tm' in img:
        tile(dest, img['tm'], fw['tm'], x + W('tl'), y, w - W('tl') - W('tr'), H('tm'), masked, frame)
    if 'tr' in img:
        tile(dest, img['tr'], fw['tr'], x + w - W('tr'), y, W('tr'), H('tr'), masked, frame)
    if 'ml' in img:
        tile(dest, img['ml'], fw['ml'], x, y + H('tl'), W('ml'), h - H('tl') - H('bl'), masked, frame)
    if 'mr' in img:
        tile(dest, img['mr'], fw['mr'], x + w - W('mr'), y + H('tr'), W('mr'), h - H('tr') - H('br'), masked, frame)
    if 'bl' in img:
        tile(dest, img['bl'], fw['bl'], x, y + h - H('bl'), W('bl'), H('bl'), masked, frame)
    if 'bm' in img:
        tile(dest, img['bm'], fw['bm'], x + W('bl'), y + h - H('bm'), w - W('bl') - W('br'), H('bm'), masked, frame)
    if 'br' in img:
        tile(dest, img['br'], fw['br'], x + w - W('br'), y + h - H('br'), W('br'), H('br'), masked, frame)


def preview_aurora(folder, out, frame):
    w, h = 208, 274
    c = Canvas(w, h, (90, 110, 90))
    names = {'bg': 'body.bmp', 'tl': 'top_left.bmp', 'tm': 'top_middle.bmp', 'tr': 'top_right.bmp',
             'ml': 'middle_left.bmp', 'mr': 'middle_right.bmp', 'bl': 'bottom_left.bmp',
             'bm': 'bottom_middle.bmp', 'br': 'bottom_right.bmp'}
    nine(c, folder, names, 0, 0, w, h, 1, False, frame=frame)
    overlay = read_bmp(folder / 'title.bmp')
    c.paste_masked(overlay, 10, 6, frame * overlay.w // 2, 0, overlay.w // 2, overlay.h)
    sel = {k: 'select_' + v for k, v in names.items()}
    sel['bg'] = 'select_body.bmp'
    nine(c, folder, sel, 10, 136 - 24, 188, 24, 0, True, frame=frame)
    close = read_bmp(folder / 'close.bmp')
    c.paste(close.crop(18 * (0 if frame == 0 else 3), 0, 18 * (1 if frame == 0 else 4), 18), 182, 6)
    # A separator on the fifth row.
    sl, sm, sr = (read_bmp(folder / n) for n in ('separator_left.bmp', 'separator_middle.bmp', 'separator_right.bmp'))
    y = 40 + 5 * 24 + (24 - 2) // 2
    c.paste_masked(sl, 18 + 6, y)
    stretch(c, sm, 1, 18 + 6 + sl.w, y, 172 - 12 - sl.w - sr.w, 2)
    c.paste_masked(sr, 18 + 172 - 6 - sr.w, y)
    arrows = read_bmp(folder / 'arrows.bmp')
    c.paste_masked(arrows, 190 - 10, 136 - 24 + 7, 0, 0, 10, 10)
    c.paste_masked(arrows, 190 - 10, 40 + 24 + 7, 30, 0, 10, 10)
    c.save(out)


def preview_washi(folder, out, frame):
    w = 190
    title, bottom, base = read_bmp(folder / 'title.bmp'), read_bmp(folder / 'bottom.bmp'), read_bmp(folder / 'base.bmp')
    h = title.h + bottom.h + 214
    c = Canvas(w, h, (90, 110, 90))
    nine(c, folder, {'bg': 'base.bmp', 'tm': 'title.bmp', 'bm': 'bottom.bmp'}, 0, 0, w, h, 0, False, frame=frame)
    sel = read_bmp(folder / 'select.bmp')
    c.paste_masked(sel, 7, 122 - 22, frame * 176, 0, 176, 22)
    close = read_bmp(folder / 'close.bmp')
    c.paste(close.crop(16 * (0 if frame == 0 else 2), 0, 16 * (1 if frame == 0 else 3), 16), 168, 5)
    arrows = read_bmp(folder / 'arrows.bmp')
    c.paste_masked(arrows, 176 - 8, 122 - 22 + 7, 0, 0, 8, 8)
    c.paste_masked(arrows, 176 - 8, 34 + 22 + 7, 16, 0, 8, 8)
    c.save(out)


def main(argv):
    skins = ROOT / 'skins'
    write_aurora(skins / 'Aurora')
    write_washi(skins / 'Washi')
    program_arrows().save(ROOT / 'src' / 'resources' / 'arrows.bmp')
    if len(argv) == 3 and argv[1] == '--preview':
        out = Path(argv[2])
        for frame in (0, 1):
            preview_aurora(skins / 'Aurora', out / f'Aurora-{frame}.bmp', frame)
            preview_washi(skins / 'Washi', out / f'Washi-{frame}.bmp', frame)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
