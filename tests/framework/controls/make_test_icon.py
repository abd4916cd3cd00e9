#!/usr/bin/env python3
"""Draws the test icon: 32x32, 24 bits, one solid colour (pure red), no transparent
pixels. Writes it to the file named by the first argument."""
import struct
import sys

W = H = 32
colour = (0, 0, 255)  # blue, green, red: pure red
xor = bytes(colour) * W * H
and_mask = bytes(4 * H)  # 32 bits a row, all opaque
header = struct.pack('<IiiHHIIiiII', 40, W, H * 2, 1, 24, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
image = header + xor + and_mask
ico = struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', W, H, 0, 0, 1, 24, len(image), 22) + image
with open(sys.argv[1], 'wb') as f:
    f.write(ico)
