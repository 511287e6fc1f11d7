#!/usr/bin/env python3
"""Draws the tip dialog's picture (a light bulb, 32x32, 24-bit BMP). Run from this folder."""
import struct

W = H = 32
BG, GLASS, RIM, BASE, DARK, RAY = (255, 255, 225), (255, 230, 60), (200, 150, 0), (150, 150, 150), (90, 90, 90), (255, 190, 0)
px = [[BG] * W for _ in range(H)]
cx, cy, r = 16, 13, 8
for y in range(H):
    for x in range(W):
        d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
        if d <= r - 1: px[y][x] = GLASS
        elif d <= r: px[y][x] = RIM
for y in range(20, 27):
    for x in range(12, 21):
        px[y][x] = DARK if y % 2 == 0 else BASE
for x in range(14, 19): px[27][x] = DARK
for (x0, y0, dx, dy) in ((16, 1, 0, 1), (4, 13, 1, 0), (28, 13, -1, 0), (7, 4, 1, 1), (25, 4, -1, 1)):
    for i in range(3): px[y0 + i * dy][x0 + i * dx] = RAY
px[10][13] = px[11][13] = px[10][14] = (255, 255, 255)
row = W * 3
data = b"".join(b"".join(bytes((b, g, r)) for (r, g, b) in px[y]) for y in range(H - 1, -1, -1))
open("tip.bmp", "wb").write(struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54) +
                             struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, len(data), 2835, 2835, 0, 0) + data)
