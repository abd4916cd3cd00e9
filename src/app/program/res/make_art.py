#!/usr/bin/env python3
"""Draws the program's bitmaps and icons: the toolbar strip (501), the about picture
(502), the report logo (683) and the window icons. Run it after changing a drawing;
the files it writes are kept beside the resource script that names them (the dialogs'
under app/dialogs/res) and compiled into the program by windres."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
# The dialogs' pictures go beside their own resource script.
DIALOGS = os.path.join(HERE, "..", "..", "dialogs", "res")
DIALOG_ART = {"about.bmp", "about.ico", "appoptions.ico", "newmodel.ico", "modeloptions.ico", "properties.ico"}


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
        for x in range(x0, x1 + 1):
            self.set(x, y0, c)
            self.set(x, y1, c)
        for y in range(y0, y1 + 1):
            self.set(x0, y, c)
            self.set(x1, y, c)

    def line(self, x0, y0, x1, y1, c):
        n = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(n + 1):
            self.set(round(x0 + (x1 - x0) * i / n), round(y0 + (y1 - y0) * i / n), c)

    def disc(self, cx, cy, r, c):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.set(x, y, c)

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

    def ico(self):
        # One 32-bit image with its AND mask (all opaque).
        xor = bytearray()
        for y in range(self.h - 1, -1, -1):
            for x in range(self.w):
                r, g, b = self.px[y][x]
                xor += bytes((b, g, r, 255))
        mask_row = ((self.w + 31) // 32) * 4
        andmask = b"\0" * (mask_row * self.h)
        header = struct.pack("<IiiHHIIiiII", 40, self.w, self.h * 2, 1, 32, 0, len(xor) + len(andmask), 0, 0, 0, 0)
        image = header + xor + andmask
        return struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", self.w, self.h, 0, 0, 1, 32, len(image), 22) + image


def save(name, data):
    with open(os.path.join(DIALOGS if name in DIALOG_ART else HERE, name), "wb") as f:
        f.write(data)


MAGENTA = (255, 0, 255)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
NAVY = (0, 0, 128)
RED = (200, 30, 30)
GREEN = (30, 150, 60)
BLUE = (40, 90, 200)
GOLD = (230, 180, 30)
GREY = (128, 128, 128)


def bars(c, x, y, scale, colours):
    # The program's mark: ranked bars standing on a base line.
    heights = [1.0, 0.75, 0.5]
    for i, (h, col) in enumerate(zip(heights, colours)):
        top = y + int(round((1 - h) * 10 * scale))
        c.rect(x + i * 4 * scale, top, x + i * 4 * scale + 3 * scale - 1, y + 10 * scale - 1, col)
    c.line(x - scale, y + 10 * scale, x + 12 * scale, y + 10 * scale, BLACK)


def toolbar():
    c = Canvas(304, 16, MAGENTA)
    def cell(i):
        return i * 16
    # 0 New: a page with a folded corner
    x = cell(0); c.rect(x + 3, 1, x + 11, 14, WHITE); c.frame(x + 3, 1, x + 12, 14, BLACK); c.line(x + 9, 1, x + 12, 4, BLACK)
    # 16 Open: a folder
    x = cell(1); c.rect(x + 1, 5, x + 14, 13, GOLD); c.frame(x + 1, 5, x + 14, 13, BLACK); c.rect(x + 2, 3, x + 6, 4, GOLD)
    # 32 Save: a disk
    x = cell(2); c.rect(x + 2, 2, x + 13, 13, NAVY); c.rect(x + 4, 2, x + 11, 6, WHITE); c.rect(x + 5, 9, x + 10, 13, GREY)
    # 48 Print: a printer
    x = cell(3); c.rect(x + 4, 1, x + 11, 6, WHITE); c.frame(x + 4, 1, x + 11, 6, BLACK); c.rect(x + 1, 7, x + 14, 12, GREY); c.frame(x + 1, 7, x + 14, 12, BLACK)
    # 64 Cut: scissors
    x = cell(4); c.line(x + 4, 1, x + 10, 10, BLACK); c.line(x + 11, 1, x + 5, 10, BLACK); c.disc(x + 4, 12, 2, BLUE); c.disc(x + 11, 12, 2, BLUE)
    # 80 Copy: two pages
    x = cell(5); c.rect(x + 1, 1, x + 8, 10, WHITE); c.frame(x + 1, 1, x + 8, 10, BLACK); c.rect(x + 6, 5, x + 14, 14, WHITE); c.frame(x + 6, 5, x + 14, 14, BLACK)
    # 96 Paste: a clipboard
    x = cell(6); c.rect(x + 2, 2, x + 12, 14, GOLD); c.frame(x + 2, 2, x + 12, 14, BLACK); c.rect(x + 5, 1, x + 9, 3, GREY); c.rect(x + 7, 7, x + 14, 14, WHITE); c.frame(x + 7, 7, x + 14, 14, BLACK)
    # 112 Help: a question mark
    x = cell(7); c.disc(x + 7, 7, 6, BLUE); c.rect(x + 6, 3, x + 8, 4, WHITE); c.rect(x + 8, 4, x + 9, 6, WHITE); c.rect(x + 6, 7, x + 7, 8, WHITE); c.rect(x + 6, 10, x + 7, 11, WHITE)
    # 128 unused
    # 144 Choices: three ticked rows
    x = cell(9)
    for r in range(3):
        c.rect(x + 1, 2 + r * 5, x + 3, 4 + r * 5, GREEN); c.line(x + 5, 3 + r * 5, x + 14, 3 + r * 5, BLACK)
    # 160 DM1, 176 DM2: a person, two colours
    for i, col in ((10, BLUE), (11, RED)):
        x = cell(i); c.disc(x + 7, 4, 3, (240, 190, 150)); c.rect(x + 3, 9, x + 11, 15, col)
    # 192 Criteria: a balance
    x = cell(12); c.line(x + 7, 2, x + 7, 13, BLACK); c.line(x + 2, 4, x + 12, 4, BLACK); c.rect(x + 1, 8, x + 4, 9, GOLD); c.rect(x + 10, 8, x + 13, 9, GOLD); c.rect(x + 4, 13, x + 10, 14, BLACK)
    # 208 Compare: two arrows
    x = cell(13); c.line(x + 1, 5, x + 13, 5, GREEN); c.line(x + 10, 2, x + 13, 5, GREEN); c.line(x + 10, 8, x + 13, 5, GREEN)
    c.line(x + 2, 11, x + 14, 11, RED); c.line(x + 2, 11, x + 5, 8, RED); c.line(x + 2, 11, x + 5, 14, RED)
    # 224 Calculate: ranked bars
    bars(c, cell(14) + 2, 2, 1, (RED, GOLD, GREEN))
    # 240 Report: a page with a red band
    x = cell(15); c.rect(x + 3, 1, x + 12, 14, WHITE); c.frame(x + 3, 1, x + 12, 14, BLACK); c.rect(x + 4, 2, x + 11, 4, RED)
    for r in range(3):
        c.line(x + 5, 7 + r * 2, x + 10, 7 + r * 2, GREY)
    # 256 unused
    # 272, 288 Exit: a door, two colours
    for i, col in ((17, GREEN), (18, RED)):
        x = cell(i); c.rect(x + 3, 1, x + 11, 14, col); c.frame(x + 3, 1, x + 11, 14, BLACK); c.disc(x + 9, 8, 1, GOLD)
    return c


def logo():
    c = Canvas(32, 32, (0, 128, 128))  # the background colour becomes white in the report
    bars(c, 4, 3, 2, (RED, GOLD, GREEN))
    c.rect(2, 25, 29, 28, NAVY)
    c.set(30, 30, (0, 128, 128))
    return c


def icon(colour, mark):
    c = Canvas(32, 32, colour)
    c.frame(0, 0, 31, 31, BLACK)
    mark(c)
    return c


def main():
    save("toolbar.bmp", toolbar().bmp24())
    save("logo.bmp", logo().bmp24())
    about = Canvas(64, 64, WHITE)
    bars(about, 8, 8, 4, (RED, GOLD, GREEN))
    save("about.bmp", about.bmp24())
    marks = {
        "app.ico": (WHITE, lambda c: bars(c, 5, 4, 2, (RED, GOLD, GREEN))),
        "about.ico": (WHITE, lambda c: c.disc(16, 16, 10, BLUE)),
        "criteria.ico": (GOLD, lambda c: c.line(16, 4, 16, 27, BLACK)),
        "newmodel.ico": (WHITE, lambda c: c.rect(8, 4, 23, 27, GOLD)),
        "choices.ico": (GREEN, lambda c: c.rect(6, 6, 25, 25, WHITE)),
        "scoring.ico": (BLUE, lambda c: c.rect(6, 14, 25, 17, WHITE)),
        "compare.ico": (RED, lambda c: c.line(4, 16, 27, 16, WHITE)),
        "appoptions.ico": (GREY, lambda c: c.disc(16, 16, 8, WHITE)),
        "modeloptions.ico": (NAVY, lambda c: c.disc(16, 16, 8, GOLD)),
        "dm1.ico": (WHITE, lambda c: (c.disc(16, 9, 6, (240, 190, 150)), c.rect(8, 17, 23, 30, BLUE))),
        "dm2.ico": (WHITE, lambda c: (c.disc(16, 9, 6, (240, 190, 150)), c.rect(8, 17, 23, 30, RED))),
        "solution.ico": (WHITE, lambda c: bars(c, 5, 4, 2, (BLUE, BLUE, BLUE))),
        "properties.ico": (GOLD, lambda c: c.rect(6, 6, 25, 25, NAVY)),
    }
    for name, (colour, mark) in marks.items():
        save(name, icon(colour, mark).ico())


if __name__ == "__main__":
    main()
