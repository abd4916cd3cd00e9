#!/usr/bin/env python3
"""Draws the program's bitmaps and icons: the toolbar strip (501), the about picture
(502), the report logo (683) and the window icons. Run it after changing a drawing;
the files it writes are kept beside the resource script that names them (the dialogs'
under app/dialogs/res) and compiled into the program by windres."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
# The dialogs' pictures go beside their own resource script.
DIALOGS = os.path.join(HERE, "..", "..", "dialogs", "res")
DIALOG_ART = {"about.bmp", "about.ico", "appoptions.ico", "newmodel.ico", "modeloptions.ico", "properties.ico"}
sys.path.insert(0, os.path.join(HERE, "..", "..", "shared", "res"))
from picture import BLACK, BLUE, GOLD, GREEN, GREY, MAGENTA, NAVY, RED, WHITE, Canvas, write  # noqa: E402


def save(name, data):
    write(DIALOGS if name in DIALOG_ART else HERE, name, data)


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
        "properties.ico": (GOLD, lambda c: c.rect(6, 6, 25, 25, NAVY)),
    }
    for name, (colour, mark) in marks.items():
        save(name, icon(colour, mark).ico())


if __name__ == "__main__":
    main()
