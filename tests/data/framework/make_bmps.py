#!/usr/bin/env python3
"""Writes the small ".bmp" fixtures of the framework's drawing tests.

Every good fixture holds the same 3 x 2 picture:
    top row:    red, green, blue
    bottom row: white, black, (0x33, 0x66, 0x99)
The bad ones each break one rule of the format. Run from any folder; the files
are written next to this script.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
W, H = 3, 2
TOP = [(255, 0, 0), (0, 255, 0), (0, 0, 255)]
BOTTOM = [(255, 255, 255), (0, 0, 0), (0x33, 0x66, 0x99)]
ROWS_BOTTOM_UP = [BOTTOM, TOP]
PALETTE = TOP + BOTTOM  # indices 0..5


def pad(row):
    return row + b"\0" * ((4 - len(row) % 4) % 4)


def pixels(bits, rows):
    out = b""
    for row in rows:
        if bits == 24:
            data = b"".join(bytes((b, g, r)) for r, g, b in row)
        elif bits == 32:
            data = b"".join(bytes((b, g, r, 0)) for r, g, b in row)
        elif bits == 8:
            data = bytes(PALETTE.index(c) for c in row)
        elif bits == 4:
            idx = [PALETTE.index(c) for c in row] + [0]
            data = bytes((idx[i] << 4) | idx[i + 1] for i in range(0, len(idx) - 1, 2))
        else:
            raise ValueError(bits)
        out += pad(data)
    return out


def info_header(bits, height=H, size_image=0, clr_used=0, size=40):
    return struct.pack("<IiiHHIIiiII", size, W, height, 1, bits, 0, size_image, 2835, 2835,
                       clr_used, 0)


def core_header(bits):
    return struct.pack("<IHHHH", 12, W, H, 1, bits)


def quads(colors, count):
    colors = colors + [(0, 0, 0)] * (count - len(colors))
    return b"".join(bytes((b, g, r, 0)) for r, g, b in colors)


def triples(colors, count):
    colors = colors + [(0, 0, 0)] * (count - len(colors))
    return b"".join(bytes((b, g, r)) for r, g, b in colors)


def file_header(total, offset):
    return b"BM" + struct.pack("<IHHI", total, 0, 0, offset)


def with_file_header(headers, bits_data, gap=0):
    offset = 14 + len(headers) + gap
    total = offset + len(bits_data)
    return file_header(total, offset) + headers + b"\xAA" * gap + bits_data


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def main():
    px24 = pixels(24, ROWS_BOTTOM_UP)
    write("info24.bmp", with_file_header(info_header(24), px24))
    write("info8_nofh.bmp", info_header(8, clr_used=6) + quads(PALETTE, 6) +
          pixels(8, ROWS_BOTTOM_UP))
    # The pixel offset leaves a gap after the colour table, which the reader must skip.
    write("core4.bmp", with_file_header(core_header(4) + triples(PALETTE, 16),
                                        pixels(4, ROWS_BOTTOM_UP), gap=2))
    write("core8_nofh.bmp", core_header(8) + triples(PALETTE, 256) + pixels(8, ROWS_BOTTOM_UP))
    write("topdown32.bmp", with_file_header(info_header(32, height=-H),
                                            pixels(32, [TOP, BOTTOM])))
    # Broken files.
    write("bad_sizeimage.bmp", with_file_header(info_header(24, size_image=0x7FFFFFF0), px24))
    write("small_sizeimage.bmp", with_file_header(info_header(24, size_image=4), px24[:4]))
    write("bad_clrused.bmp", with_file_header(info_header(8, clr_used=0x40000001) +
                                              quads(PALETTE, 6), pixels(8, ROWS_BOTTOM_UP)))
    write("short_bits.bmp", with_file_header(info_header(24), px24)[:-5])
    write("bad_header.bmp", with_file_header(info_header(24, size=64) + b"\0" * 24, px24))


if __name__ == "__main__":
    main()
