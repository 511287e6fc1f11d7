#!/usr/bin/env python3
"""Draws the timer's button faces (26x15 at 100 %, 24-bit BMP; larger sizes for high-DPI
screens in dpi/) and its switch click (WAVE). Run from this folder; the outputs are
committed, this is how they were made."""
import math, os, sys, wave

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "resources", "art"))
from make_art import Canvas, bmp_bytes, PICTURE_SCALES  # noqa: E402

W, H = 26, 15
FACE, LIGHT, SHADOW, DARK, BLACK = (192, 192, 192), (255, 255, 255), (128, 128, 128), (64, 64, 64), (0, 0, 0)


def canvas(s):
    c = Canvas(W, H, FACE, s)
    c.rect(0, 0, W - 1, 0, LIGHT)
    c.rect(0, H - 1, W - 1, H - 1, DARK)
    c.rect(1, H - 2, W - 2, H - 2, SHADOW)
    c.rect(0, 0, 0, H - 1, LIGHT)
    c.rect(W - 1, 0, W - 1, H - 1, DARK)
    c.rect(W - 2, 1, W - 2, H - 2, SHADOW)
    return c


def switch(on, s=1):
    c = canvas(s)
    c.rect(4, 4, 21, 10, DARK)            # slot
    c.rect(5, 5, 20, 9, (96, 96, 96))
    lamp = (0, 200, 0) if on else (220, 0, 0)
    kx = 13 if on else 4
    c.rect(kx, 3, kx + 8, 11, FACE)        # knob
    c.frame(kx, 3, kx + 8, 11, BLACK)
    c.rect(kx + 3, 5, kx + 5, 9, lamp)
    return c


def calculator(s=1):
    c = canvas(s)
    c.rect(8, 2, 17, 12, DARK)
    c.rect(9, 3, 16, 5, (160, 220, 160))   # display
    for ky in (7, 9, 11):
        for kx in (9, 12, 15):
            c.rect(kx, ky, kx + 1, ky, LIGHT)
    return c


def board(s=1):
    c = canvas(s)
    c.rect(6, 2, 19, 12, LIGHT)
    c.frame(6, 2, 19, 12, BLACK)
    c.rect(7, 3, 18, 4, (0, 0, 160))        # heading
    for y in (6, 8, 10):
        c.rect(8, y, 10, y, (200, 0, 0))
        c.rect(12, y, 17, y, SHADOW)
    return c


PICTURES = (("switchon", "SWITCHON1", lambda s: switch(True, s)), ("switchoff", "SWITCHOFF1", lambda s: switch(False, s)),
            ("calculator", "CALCULATOR", calculator), ("board", "BOARD", board))
os.makedirs("dpi", exist_ok=True)
lines = ["// Made by make-art.py: the button faces for screens above 100 %. Do not edit.\n"]
for name, resource, draw in PICTURES:
    open(name + ".bmp", "wb").write(bmp_bytes(draw(1)))
    for percent in PICTURE_SCALES:
        open("dpi/%s_%d.bmp" % (name, percent), "wb").write(bmp_bytes(draw(percent / 100)))
        lines.append('%s_%d BITMAP "art/dpi/%s_%d.bmp"\n' % (resource, percent, name, percent))
open("dpi/pictures.rc", "w").write("".join(lines))

# A short mechanical click: a decaying burst with a low thump under it.
rate, samples = 22050, 22050 * 45 // 1000
with wave.open("switch.wav", "wb") as w:
    w.setnchannels(1); w.setsampwidth(1); w.setframerate(rate)
    frames = bytearray()
    for i in range(samples):
        t = i / rate
        v = math.exp(-t * 160) * (0.6 * math.sin(2 * math.pi * 2900 * t) + 0.4 * math.sin(2 * math.pi * 450 * t))
        v += 0.3 * math.exp(-t * 60) * math.sin(2 * math.pi * 140 * t)
        frames.append(max(0, min(255, int(128 + 100 * v))))
    w.writeframes(bytes(frames))
