#!/usr/bin/env python3
"""Draws the model editors' bitmaps: the revert (509) and commit (510) button faces
and the legends beside them, commit (511) and undo (512). Run it after changing a
drawing; windres compiles the files it writes beside it."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "shared", "res"))
from picture import Canvas, write  # noqa: E402

FACE = (192, 192, 192)
GREEN = (0, 128, 0)
DARK_GREEN = (0, 80, 0)
RED = (176, 0, 0)
DARK_RED = (96, 0, 0)


def canvas(w, h):
    return Canvas(w, h, FACE)


def check_mark(px, ox, oy, size, c, shade):
    # A tick: a short stroke down to the bottom, a long one up to the right.
    for i in range(size // 3 + 1):
        for t in range(3):
            px.set(ox + i, oy + size // 2 + i + t - 1, c)
    for i in range(size - size // 3):
        for t in range(3):
            px.set(ox + size // 3 + i, oy + size // 2 + size // 3 - i + t - 1, c)
    px.set(ox + size // 3, oy + size // 2 + size // 3 + 2, shade)


def undo_arrow(px, ox, oy, size, c, shade):
    # A curved arrow pointing left: the shaft bends over the top and the head at left.
    r = size // 2 - 1
    cx, cy = ox + size // 2, oy + size // 2 + 1
    for y in range(oy, oy + size):
        for x in range(ox, ox + size):
            d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
            if r - 2 <= d <= r and (y <= cy or x > cx):
                px.set(x, y, c)
    hx, hy = ox + 1, cy
    for i in range(size // 3):
        for j in range(-i, i + 1):
            px.set(hx + i, hy - 1 + j, c)
    px.set(hx + size // 3, hy + size // 3, shade)


def save(name, px):
    write(HERE, name, px.bmp24())


def main():
    revert = canvas(20, 20)
    undo_arrow(revert, 2, 2, 16, RED, DARK_RED)
    save("revert.bmp", revert)
    commit = canvas(20, 20)
    check_mark(commit, 2, 1, 16, GREEN, DARK_GREEN)
    save("commit.bmp", commit)
    commit_legend = canvas(12, 12)
    check_mark(commit_legend, 1, 0, 10, GREEN, DARK_GREEN)
    save("commit_legend.bmp", commit_legend)
    undo_legend = canvas(12, 12)
    undo_arrow(undo_legend, 1, 1, 10, RED, DARK_RED)
    save("undo_legend.bmp", undo_legend)


if __name__ == "__main__":
    main()
