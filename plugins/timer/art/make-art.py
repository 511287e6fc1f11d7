#!/usr/bin/env python3
"""Draws the timer's button faces (26x15, 24-bit BMP) and its switch click (WAVE).
Run from this folder; the outputs are committed, this is how they were made."""
import math, struct, wave

W, H = 26, 15
FACE, LIGHT, SHADOW, DARK, BLACK = (192, 192, 192), (255, 255, 255), (128, 128, 128), (64, 64, 64), (0, 0, 0)

def canvas():
    px = [[FACE] * W for _ in range(H)]
    for x in range(W):
        px[0][x] = LIGHT; px[H - 1][x] = DARK; px[H - 2][x] = SHADOW if 0 < x < W - 1 else px[H - 2][x]
    for y in range(H):
        px[y][0] = LIGHT; px[y][W - 1] = DARK
        if 0 < y < H - 1: px[y][W - 2] = SHADOW
    return px

def rect(px, x0, y0, x1, y1, c):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            px[y][x] = c

def frame(px, x0, y0, x1, y1, c):
    for x in range(x0, x1 + 1): px[y0][x] = c; px[y1][x] = c
    for y in range(y0, y1 + 1): px[y][x0] = c; px[y][x1] = c

def save(name, px):
    row = W * 3 + (-(W * 3)) % 4
    data = b""
    for y in range(H - 1, -1, -1):
        line = b"".join(bytes((b, g, r)) for (r, g, b) in px[y])
        data += line + b"\0" * (row - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    open(name, "wb").write(header + info + data)

def switch(on):
    px = canvas()
    rect(px, 4, 4, 21, 10, DARK)            # slot
    rect(px, 5, 5, 20, 9, (96, 96, 96))
    lamp = (0, 200, 0) if on else (220, 0, 0)
    kx = 13 if on else 4
    rect(px, kx, 3, kx + 8, 11, FACE)        # knob
    frame(px, kx, 3, kx + 8, 11, BLACK)
    rect(px, kx + 3, 5, kx + 5, 9, lamp)
    return px

def calculator():
    px = canvas()
    rect(px, 8, 2, 17, 12, DARK)
    rect(px, 9, 3, 16, 5, (160, 220, 160))   # display
    for ky in (7, 9, 11):
        for kx in (9, 12, 15):
            rect(px, kx, ky, kx + 1, ky, LIGHT)
    return px

def board():
    px = canvas()
    rect(px, 6, 2, 19, 12, LIGHT)
    frame(px, 6, 2, 19, 12, BLACK)
    rect(px, 7, 3, 18, 4, (0, 0, 160))        # heading
    for y in (6, 8, 10):
        rect(px, 8, y, 10, y, (200, 0, 0))
        rect(px, 12, y, 17, y, SHADOW)
    return px

save("switchon.bmp", switch(True))
save("switchoff.bmp", switch(False))
save("calculator.bmp", calculator())
save("board.bmp", board())

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
