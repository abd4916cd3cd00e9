#!/usr/bin/env python3
"""Draws the model editors' bitmaps: the revert (509) and commit (510) button faces
and the legends beside them, commit (511) and undo (512). Run it after changing a
drawing; windres compiles the files it writes beside it."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
FACE = (192, 192, 192)
GREEN = (0, 128, 0)
DARK_GREEN = (0, 80, 0)
RED = (176, 0, 0)
DARK_RED = (96, 0, 0)


def canvas(w, h):
    return [[FACE for _ in range(w)] for _ in range(h)]


def put(px, x, y, c):
    if 0 <= y < len(px) and 0 <= x < len(px[0]):
        px[y][x] = c


def check_mark(px, ox, oy, size, c, shade):
    # A tick: a short stroke down to the bottom, a long one up to the right.
    for i in range(size // 3 + 1):
        for t in range(3):
            put(px, ox + i, oy + size // 2 + i + t - 1, c)
    for i in range(size - size // 3):
        for t in range(3):
            put(px, ox + size // 3 + i, oy + size // 2 + size // 3 - i + t - 1, c)
    put(px, ox + size // 3, oy + size // 2 + size // 3 + 2, shade)


def undo_arrow(px, ox, oy, size, c, shade):
    # A curved arrow pointing left: the shaft bends over the top and the head at left.
    r = size // 2 - 1
    cx, cy = ox + size // 2, oy + size // 2 + 1
    for y in range(oy, oy + size):
        for x in range(ox, ox + size):
            d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
            if r - 2 <= d <= r and (y <= cy or x > cx):
                put(px, x, y, c)
    hx, hy = ox + 1, cy
    for i in range(size // 3):
        for j in range(-i, i + 1):
            put(px, hx + i, hy - 1 + j, c)
    put(px, hx + size // 3, hy + size // 3, shade)


def bmp24(px):
    h, w = len(px), len(px[0])
    row = (w * 3 + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        line = bytearray()
        for x in range(w):
            r, g, b = px[y][x]
            line += bytes((b, g, r))
        line += b"\0" * (row - len(line))
        data += line
    header = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(data), 0, 0, 54) + header + data


def write(name, px):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(bmp24(px))


def main():
    revert = canvas(20, 20)
    undo_arrow(revert, 2, 2, 16, RED, DARK_RED)
    write("revert.bmp", revert)
    commit = canvas(20, 20)
    check_mark(commit, 2, 1, 16, GREEN, DARK_GREEN)
    write("commit.bmp", commit)
    commit_legend = canvas(12, 12)
    check_mark(commit_legend, 1, 0, 10, GREEN, DARK_GREEN)
    write("commit_legend.bmp", commit_legend)
    undo_legend = canvas(12, 12)
    undo_arrow(undo_legend, 1, 1, 10, RED, DARK_RED)
    write("undo_legend.bmp", undo_legend)


if __name__ == "__main__":
    main()
