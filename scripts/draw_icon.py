#!/usr/bin/env python3
"""Draws the program icon (a small panel with three rows and a selection
cursor) at 16, 32 and 48 pixels and writes src/resources/korvane.ico."""
import struct
import sys
from pathlib import Path


def draw(size):
    s = size / 32.0
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]

    def fill(x0, y0, x1, y1, rgba):
        for y in range(int(y0 * s), max(int(y0 * s) + 1, int(y1 * s))):
            for x in range(int(x0 * s), max(int(x0 * s) + 1, int(x1 * s))):
                if 0 <= x < size and 0 <= y < size:
                    px[y][x] = rgba

    fill(3, 2, 29, 30, (40, 52, 84, 255))          # frame
    fill(4, 3, 28, 29, (236, 240, 248, 255))       # face
    fill(4, 3, 28, 7, (70, 104, 170, 255))         # title band
    rows = [(9, (120, 130, 150, 255)), (15, None), (21, (120, 130, 150, 255))]
    for y, colour in rows:
        if colour is None:
            fill(5, y - 1, 27, y + 5, (255, 176, 48, 255))   # selection cursor
            fill(7, y + 1, 11, y + 4, (200, 60, 40, 255))    # icon
            fill(13, y + 2, 25, y + 3, (60, 40, 20, 255))    # text
        else:
            fill(7, y + 1, 11, y + 4, (80, 140, 200, 255))
            fill(13, y + 2, 24, y + 3, colour)
    return px


def dib(size):
    px = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    body = bytearray()
    for y in range(size - 1, -1, -1):
        for r, g, b, a in px[y]:
            body += bytes((b, g, r, a))
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in range(size - 1, -1, -1):
        bits = bytearray(mask_row)
        for x in range(size):
            if px[y][x][3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + body + mask


def main():
    sizes = [16, 32, 48]
    images = [dib(n) for n in sizes]
    out = struct.pack('<HHH', 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for n, img in zip(sizes, images):
        out += struct.pack('<BBBBHHII', n % 256, n % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    for img in images:
        out += img
    target = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / 'src/resources/korvane.ico'
    target.write_bytes(out)


if __name__ == '__main__':
    main()
