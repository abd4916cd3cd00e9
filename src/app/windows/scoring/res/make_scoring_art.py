#!/usr/bin/env python3
"""Draws the scoring windows' bitmaps: the preference scale buttons (524-534, six
18x20 frames each), the navigation buttons (545-548, six 16x16 frames each), the row
arrows (522, 523, 535-538, 16x15) and the side pictures (1006, 1007, 33x34). Run it
after changing a drawing; the files it writes are kept beside it and compiled by
windres. The top-left pixel of every picture is its background: the pane paints it
in its own colour."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "shared", "res"))
import picture  # noqa: E402
from picture import BLACK, GREY, WHITE  # noqa: E402

# The scoring windows' own colours beside the program's black, grey and white.
BG = (192, 192, 192)
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


class Canvas(picture.Canvas):
    """The program's canvas with the strokes the scoring buttons need."""

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


def save(name, canvas):
    picture.write(HERE, name, canvas.bmp24())


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
