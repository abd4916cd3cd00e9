#!/usr/bin/env python3
"""Draws the bitmaps of the application options dialog: the browse button (517), the
toolbar choices (518 and 519 the decision makers' pictures, 520 and 521 the exit
pictures, as the toolbar shows them) and the highlight colour sample (1030). The
drawing canvas and palette are the program's (../../shared/res/picture.py). Run it
after changing a drawing; the files it writes are kept beside it."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "shared", "res"))
import picture as art  # noqa: E402

FACE = (192, 192, 192)  # the background; the dialog gives it its own colour
LIGHT = (160, 160, 160)


def save(name, canvas):
    art.write(HERE, name, canvas.bmp24())


def six_frames(draw, size=16):
    """A button strip of six frames: 0, 4 normal; 2, 3 pressed (one pixel down and
    right); 1, 5 disabled (the drawing in light grey)."""
    c = art.Canvas(size * 6, size, FACE)
    for frame in range(6):
        shift = 1 if frame in (2, 3) else 0
        draw(c, frame * size + shift, shift, LIGHT if frame in (1, 5) else None)
    return c


def folder(c, x, y, grey):
    c.rect(x + 1, y + 5, x + 13, y + 13, grey or art.GOLD)
    c.frame(x + 1, y + 5, x + 13, y + 13, grey or art.BLACK)
    c.rect(x + 2, y + 3, x + 6, y + 4, grey or art.GOLD)
    c.rect(x + 8, y + 8, x + 10, y + 10, grey or art.BLACK)


def swatch(c, x, y, grey):
    # Every pixel that is not background takes the chosen colour at run time.
    c.rect(x + 2, y + 2, x + 13, y + 13, grey or art.BLACK)


def person(colour):
    c = art.Canvas(16, 16, FACE)
    c.disc(7, 4, 3, (240, 190, 150))
    c.rect(3, 9, 11, 15, colour)
    return c


def door(colour):
    c = art.Canvas(16, 16, FACE)
    c.rect(3, 1, 11, 14, colour)
    c.frame(3, 1, 11, 14, art.BLACK)
    c.disc(9, 8, 1, art.GOLD)
    return c


def main():
    save("browse.bmp", six_frames(folder))
    save("highlight.bmp", six_frames(swatch))
    save("dm1.bmp", person(art.BLUE))
    save("dm2.bmp", person(art.RED))
    # exit2 is the toolbar's first exit picture (mode 1), exit1 its second (mode 2).
    save("exit2.bmp", door(art.GREEN))
    save("exit1.bmp", door(art.RED))


if __name__ == "__main__":
    main()
