"""The drawing canvas every picture generator of the program uses: a grid of RGB
pixels with a few strokes, written out as a 24-bit .bmp or a 32-bit .ico for
windres. The generators beside the resource scripts import it and keep only their
own drawings; the program's palette lives here too, so the pictures of every
window share its colours."""
import os
import struct

MAGENTA = (255, 0, 255)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
NAVY = (0, 0, 128)
RED = (200, 30, 30)
GREEN = (30, 150, 60)
BLUE = (40, 90, 200)
GOLD = (230, 180, 30)
GREY = (128, 128, 128)


class Canvas:
    def __init__(self, w, h, bg):
        self.w, self.h = w, h
        self.px = [[bg for _ in range(w)] for _ in range(h)]

    def set(self, x, y, c):
        # Strokes may run over the edge; what falls outside is dropped.
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


def write(folder, name, data):
    """Writes the bytes of one picture (bmp24() or ico()) as folder/name."""
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)
