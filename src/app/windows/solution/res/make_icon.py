#!/usr/bin/env python3
"""Draws the solution window's icon (292): three oblique bars in the rank chart's first
palette colours, tallest first, on a grey floor. Uses the program's drawing canvas;
the icon it writes is kept beside it and compiled by windres."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "shared", "res"))
from picture import BLACK, WHITE, Canvas, write  # noqa: E402

# The chart's palette entries 0, 1 and 2, and their darker sides and tops.
FRONT = [(255, 0, 0), (0, 101, 255), (50, 255, 0)]


def shade(c, k):
    return tuple(int(v * k) for v in c)


def bar(c, x, base, height, colour, width=6, depth=3):
    top = base - height
    c.rect(x, top, x + width - 1, base, colour)
    for d in range(1, depth + 1):
        # The top face rises one pixel per pixel of depth, the side face beside it.
        c.rect(x + d, top - d, x + width - 1 + d, top - d, shade(colour, 0.8))
        c.rect(x + width - 1 + d, top - d, x + width - 1 + d, base - d, shade(colour, 0.6))
    c.frame(x, top, x + width - 1, base, BLACK)


def main():
    c = Canvas(32, 32, WHITE)
    # The floor in perspective, then the bars from the back to the front.
    for d in range(4):
        c.line(3 + d, 28 - d, 29 + d if d == 0 else 28, 28 - d, (150, 150, 150))
    c.line(3, 3, 3, 28, BLACK)
    c.line(3, 28, 29, 28, BLACK)
    for i, h in enumerate((22, 16, 10)):
        bar(c, 5 + i * 8, 27, h, FRONT[i])
    write(HERE, "solution.ico", c.ico())


if __name__ == "__main__":
    main()
