#!/usr/bin/env python3
"""Draws the tip dialog's picture (a light bulb, 32x32 at 100 %, 24-bit BMP; larger sizes
for high-DPI screens in dpi/). Run from this folder."""
import os, sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "resources", "art"))
from make_art import Canvas, bmp_bytes, PICTURE_SCALES  # noqa: E402

BG, GLASS, RIM, BASE, DARK, RAY = (255, 255, 225), (255, 230, 60), (200, 150, 0), (150, 150, 150), (90, 90, 90), (255, 190, 0)
WHITE = (255, 255, 255)


def bulb(s=1):
    c = Canvas(32, 32, BG, s)
    c.disk(16, 13, 8, RIM)
    c.disk(16, 13, 7, GLASS)
    for y in range(20, 27):
        c.rect(12, y, 20, y, DARK if y % 2 == 0 else BASE)
    c.rect(14, 27, 18, 27, DARK)
    for (x0, y0, dx, dy) in ((16, 1, 0, 1), (4, 13, 1, 0), (28, 13, -1, 0), (7, 4, 1, 1), (25, 4, -1, 1)):
        for i in range(3):
            c.set(x0 + i * dx, y0 + i * dy, RAY)
    c.set(13, 10, WHITE); c.set(13, 11, WHITE); c.set(14, 10, WHITE)
    return c


os.makedirs("dpi", exist_ok=True)
open("tip.bmp", "wb").write(bmp_bytes(bulb()))
lines = ["// Made by make-art.py: the bulb for screens above 100 %. Do not edit.\n"]
for percent in PICTURE_SCALES:
    open("dpi/tip_%d.bmp" % percent, "wb").write(bmp_bytes(bulb(percent / 100)))
    lines.append('TIPBULB_%d BITMAP "art/dpi/tip_%d.bmp"\n' % (percent, percent))
open("dpi/pictures.rc", "w").write("".join(lines))
