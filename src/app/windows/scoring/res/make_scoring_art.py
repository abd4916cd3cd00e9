#!/usr/bin/env python3
"""Draws the scoring windows' bitmaps: the preference scale buttons (524-534, six
18x20 frames each), the navigation buttons (545-548, six 16x16 frames each), the row
arrows (522, 523, 535-538, 16x15) and the side pictures (1006, 1007, 33x34). Run it
after changing a drawing; the files it writes are kept beside it and compiled by
windres. The top-left pixel of every picture is its background: the pane paints it
in its own colour."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

BG = (192, 192, 192)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
GREY = (128, 128, 128)
LIGHT = (224, 224, 224)
GREEN = (0, 160, 0)
DARKGREEN = (0, 100, 0)

# 3x5 digits, one string per row.
DIGITS = {
    "0": ["###", "#.#", "#.#", "#.#", "###"],
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["###", "..#", "###", "#..", "###"],
    "3": ["###", "..#", "###", "..#", "###"],
    "4": ["#.#", "#.#", "###", "..#", "..#"],
    "5": ["###", "#..", "###", "..#", "###"],
}


class Canvas:
    def __init__(self, w, h, bg):
        self.w, self.h = w, h
        self.px = [[bg for _ in range(w)] for _ in range(h)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        self.rect(x0, y0, x1, y0, c)
        self.rect(x0, y1, x1, y1, c)
        self.rect(x0, y0, x0, y1, c)
        self.rect(x1, y0, x1, y1, c)

    def digit(self, ch, x, y, scale, c):
        for r, row in enumerate(DIGITS[ch]):
            for k, cell in enumerate(row):
                if cell == "#":
                    self.rect(x + k * scale, y + r * scale, x + k * scale + scale - 1, y + r * scale + scale - 1, c)

    def triangle(self, cx, top, half, height, c, up=True):
        # An isosceles triangle, apex at top (up) or at the bottom.
        for i in range(height):
            w = round(half * (i + 1) / height)
            y = top + i if up else top + height - 1 - i
            self.rect(cx - w, y, cx + w, y, c)

    def bmp24(self):
        row = (self.w * 3 + 3) & ~3
        data = bytearray()
        for y in range(self.h - 1, -1, -1):
            line = bytearray()
            for x in range(self.w):
                r, g, b = self.px[y][x]
                line += bytes((b, g, r))
            line += b"\0" * (row - len(line))
            data += line
        header = struct.pack("<IiiHHIIiiII", 40, self.w, self.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        return struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(data), 0, 0, 54) + header + data


def save(name, canvas):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(canvas.bmp24())


# The six frames of a bitmap button: up, disabled, pressed, pressed and focused,
# down (the pressed look of a toggled button), down and disabled.
def strip(w, h, draw_face):
    c = Canvas(w * 6, h, BG)
    looks = [(WHITE, BLACK), (LIGHT, GREY), (GREY, WHITE), (GREY, WHITE), (BLACK, WHITE), (GREY, LIGHT)]
    for i, (face, ink) in enumerate(looks):
        x = i * w
        c.rect(x + 1, 1, x + w - 2, h - 2, face)
        c.frame(x + 1, 1, x + w - 2, h - 2, GREY if i == 1 else BLACK)
        draw_face(c, x, ink)
    return c


def scale_button(magnitude):
    def face(c, x, ink):
        c.digit(str(magnitude), x + 6, 5, 2, ink)
    return strip(18, 20, face)


def nav_button(kind):
    def face(c, x, ink):
        cx = x + 7
        if kind == "first":
            c.rect(cx - 4, 3, cx + 4, 4, ink)
            c.triangle(cx, 6, 4, 6, ink, up=True)
        elif kind == "previous":
            c.triangle(cx, 4, 4, 7, ink, up=True)
        elif kind == "next":
            c.triangle(cx, 4, 4, 7, ink, up=False)
        else:
            c.triangle(cx, 3, 4, 6, ink, up=False)
            c.rect(cx - 4, 10, cx + 4, 11, ink)
    return strip(16, 16, face)


def row_arrow():
    c = Canvas(16, 15, BG)
    c.rect(1, 5, 8, 9, GREEN)
    for i in range(7):
        c.rect(9 + i, 1 + i, 9 + i, 13 - i, GREEN)
    c.frame(1, 5, 1, 9, DARKGREEN)
    return c


def side_arrow(up):
    c = Canvas(33, 34, BG)
    for i in range(14):
        y = 2 + i if up else 31 - i
        c.rect(16 - i, y, 16 + i, y, GREEN)
    if up:
        c.rect(11, 16, 21, 31, GREEN)
    else:
        c.rect(11, 2, 21, 17, GREEN)
    return c


for k, ident in enumerate(range(524, 535)):
    save("scale%d.bmp" % ident, scale_button(abs(k - 5)))
for ident, kind in zip(range(545, 549), ["first", "previous", "next", "last"]):
    save("nav%d.bmp" % ident, nav_button(kind))
save("rowarrow.bmp", row_arrow())
save("sideup.bmp", side_arrow(True))
save("sidedown.bmp", side_arrow(False))
