#!/usr/bin/env python3
"""Draws Gridwell's pictures, icons and cursors and writes them as .bmp, .ico
and .cur files beside this script. Run it again after changing a drawing; the
generated files are committed so that a build needs no Python."""

import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# Colours as (r, g, b).
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
LIGHT = (192, 192, 192)      # toolbar strips: mapped to the button face
DARK = (64, 64, 64)
RED = (200, 0, 0)
DARKRED = (128, 0, 0)
GREEN = (0, 150, 0)
BLUE = (0, 70, 200)
NAVY = (0, 0, 128)
YELLOW = (255, 220, 0)
GOLD = (200, 150, 0)
BROWN = (150, 90, 30)
PINK = (240, 130, 150)
TEAL = (0, 128, 128)


class Canvas:
    """A picture drawn in the coordinates of its 100 % size. With a scale the same
    drawing lands on a canvas that many times larger: every rectangle, line width,
    radius and corner is scaled, so each picture has one source for every size. At
    scale 1 nothing is transformed, so the 100 % pictures stay exactly as they were."""

    def __init__(self, w, h, bg=WHITE, scale=1):
        self.s = scale
        self.w, self.h = int(w * scale + 0.5), int(h * scale + 0.5)
        self.px = [[bg] * self.w for _ in range(self.h)]
        self.alpha = [[255] * self.w for _ in range(self.h)]

    # -- device pixels
    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c
            self.alpha[y][x] = 255

    def fill(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, c)

    # -- drawing coordinates
    def span(self, a, b):
        """Device pixels covered by the drawing's pixels a..b (at least one)."""
        lo = int(round(a * self.s))
        return lo, max(lo, int(round((b + 1) * self.s)) - 1)

    def at(self, v):
        """A pixel centre's position on the device."""
        return (v + 0.5) * self.s - 0.5

    def set(self, x, y, c):
        if self.s == 1:
            self.put(x, y, c)
            return
        (x0, x1), (y0, y1) = self.span(x, x), self.span(y, y)
        self.fill(x0, y0, x1, y1, c)

    def clear_alpha(self):
        self.alpha = [[0] * self.w for _ in range(self.h)]

    def rect(self, x0, y0, x1, y1, c):
        """Filled rectangle, corners inclusive."""
        if x1 < x0 or y1 < y0:
            return
        (a0, a1), (b0, b1) = self.span(x0, x1), self.span(y0, y1)
        self.fill(a0, b0, a1, b1, c)

    def frame(self, x0, y0, x1, y1, c):
        self.line(x0, y0, x1, y0, c)
        self.line(x0, y1, x1, y1, c)
        self.line(x0, y0, x0, y1, c)
        self.line(x1, y0, x1, y1, c)

    def box(self, x0, y0, x1, y1, fill, edge=BLACK):
        self.rect(x0, y0, x1, y1, fill)
        self.frame(x0, y0, x1, y1, edge)

    def line(self, x0, y0, x1, y1, c, width=1):
        # The pen is a square of the scaled width whose corner follows the line.
        s = self.s
        width = max(1, int(round(width * s)))
        x0, y0, x1, y1 = (int(round(v * s)) for v in (x0, y0, x1, y1))
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx = 1 if x0 < x1 else -1
        sy = 1 if y0 < y1 else -1
        err = dx + dy
        while True:
            for ox in range(width):
                for oy in range(width):
                    self.put(x0 + ox, y0 + oy, c)
            if x0 == x1 and y0 == y1:
                break
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def disk(self, cx, cy, r, c):
        cx, cy, r = self.at(cx), self.at(cy), r * self.s
        for y in range(int(cy - r) - 1, int(cy + r) + 2):
            for x in range(int(cx - r) - 1, int(cx + r) + 2):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.put(x, y, c)

    def ring(self, cx, cy, r, c, thick=1.0):
        cx, cy, r, thick = self.at(cx), self.at(cy), r * self.s, thick * self.s
        for y in range(int(cy - r) - 1, int(cy + r) + 2):
            for x in range(int(cx - r) - 1, int(cx + r) + 2):
                d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
                if r - thick <= d <= r:
                    self.put(x, y, c)

    def polygon(self, pts, c):
        pts = [(int(round(self.at(x))), int(round(self.at(y)))) for (x, y) in pts]
        ys = [p[1] for p in pts]
        for y in range(min(ys), max(ys) + 1):
            xs = []
            for i in range(len(pts)):
                (xa, ya), (xb, yb) = pts[i], pts[(i + 1) % len(pts)]
                if ya == yb:
                    continue
                if min(ya, yb) <= y < max(ya, yb):
                    xs.append(xa + (y - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for i in range(0, len(xs) - 1, 2):
                for x in range(int(round(xs[i])), int(round(xs[i + 1])) + 1):
                    self.put(x, y, c)

    def blit(self, other, ox, oy):
        """Copies another canvas to device position (ox, oy)."""
        for y in range(other.h):
            for x in range(other.w):
                self.px[oy + y][ox + x] = other.px[y][x]
                self.alpha[oy + y][ox + x] = other.alpha[y][x]


# ---------------------------------------------------------------- writers

def bmp_bytes(cv):
    """24-bit bottom-up DIB file."""
    stride = (cv.w * 3 + 3) & ~3
    rows = []
    for y in range(cv.h - 1, -1, -1):
        row = bytearray()
        for (r, g, b) in cv.px[y]:
            row += bytes((b, g, r))
        row += b"\0" * (stride - len(row))
        rows.append(bytes(row))
    data = b"".join(rows)
    header = struct.pack("<IiiHHIIiiII", 40, cv.w, cv.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    filehdr = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    return filehdr + header + data


def and_mask(cv):
    stride = ((cv.w + 31) // 32) * 4
    out = bytearray()
    for y in range(cv.h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(cv.w):
            if cv.alpha[y][x] < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def icon_image_32(cv):
    header = struct.pack("<IiiHHIIiiII", 40, cv.w, cv.h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    data = bytearray()
    for y in range(cv.h - 1, -1, -1):
        for x in range(cv.w):
            r, g, b = cv.px[y][x]
            a = cv.alpha[y][x]
            data += bytes((b, g, r, a))
    return header + bytes(data) + and_mask(cv)


def icon_image_mono(cv):
    """1-bit image: black stays black, anything light is white, alpha < 128 transparent."""
    header = struct.pack("<IiiHHIIiiII", 40, cv.w, cv.h * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    stride = ((cv.w + 31) // 32) * 4
    xor = bytearray()
    for y in range(cv.h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(cv.w):
            if cv.alpha[y][x] >= 128 and sum(cv.px[y][x]) > 384:
                row[x // 8] |= 0x80 >> (x % 8)
        xor += row
    return header + palette + bytes(xor) + and_mask(cv)


def ico_bytes(images, kind=1, hotspots=None):
    """images: list of (canvas, image bytes). kind 1 = icon, 2 = cursor."""
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    body = b""
    for i, (cv, img) in enumerate(images):
        if kind == 1:
            planes, bits = 1, 32
        else:
            planes, bits = hotspots[i]
        out += struct.pack("<BBBBHHII", cv.w % 256, cv.h % 256, 0, 0, planes, bits,
                           len(img), offset + len(body))
        body += img
    return out + body


def save(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


# ---------------------------------------------------------------- drawings

def tile(bg=LIGHT, s=1):
    return Canvas(24, 24, bg, s)


def draw_open(s=1):
    c = tile(s=s)
    c.polygon([(2, 7), (9, 7), (11, 9), (20, 9), (20, 20), (2, 20)], GOLD)
    c.frame(2, 7, 20, 20, BLACK)
    c.polygon([(5, 12), (23, 12), (19, 20), (2, 20)], YELLOW)
    c.line(5, 12, 23, 12, BLACK)
    c.line(23, 12, 19, 20, BLACK)
    c.line(5, 12, 2, 20, BLACK)
    return c


def draw_disk(c):
    c.box(3, 3, 20, 20, BLUE)
    c.box(7, 3, 16, 9, WHITE)
    c.rect(13, 4, 15, 8, DARK)
    c.box(6, 13, 17, 20, LIGHT)


def draw_save_as(s=1):
    c = tile(s=s)
    draw_disk(c)
    c.line(14, 22, 22, 14, BROWN, 2)
    c.set(13, 23, BLACK)
    return c


def draw_save(s=1):
    c = tile(s=s)
    draw_disk(c)
    return c


def draw_print(s=1):
    c = tile(s=s)
    c.box(6, 2, 17, 9, WHITE)
    c.box(2, 9, 21, 17, GREY)
    c.rect(17, 11, 19, 12, GREEN)
    c.box(6, 14, 17, 22, WHITE)
    for y in (17, 19):
        c.line(8, y, 15, y, DARK)
    return c


def draw_pencil(s=1):
    c = tile(s=s)
    c.polygon([(17, 2), (22, 7), (8, 21), (3, 16)], YELLOW)
    c.line(17, 2, 22, 7, BLACK)
    c.line(22, 7, 8, 21, BLACK)
    c.line(17, 2, 3, 16, BLACK)
    c.polygon([(3, 16), (8, 21), (2, 22)], BROWN)
    c.set(2, 22, BLACK)
    c.line(16, 3, 21, 8, PINK, 2)
    return c


def draw_options(s=1):
    c = tile(s=s)
    c.disk(12, 12, 9, DARK)
    for (dx, dy) in ((0, -10), (0, 10), (-10, 0), (10, 0), (7, 7), (-7, -7), (7, -7), (-7, 7)):
        c.disk(12 + dx * 0.9, 12 + dy * 0.9, 2.2, DARK)
    c.disk(12, 12, 4, LIGHT)
    return c


def draw_magnifier(plus, s=1):
    c = tile(s=s)
    c.disk(10, 10, 7, WHITE)
    c.ring(10, 10, 7.5, BLACK, 2)
    c.line(15, 15, 21, 21, BROWN, 3)
    c.line(6, 10, 14, 10, BLACK, 2)
    if plus:
        c.line(10, 6, 10, 14, BLACK, 2)
    return c


def draw_entire(s=1):
    c = tile(s=s)
    c.box(5, 5, 18, 18, WHITE)
    for v in (9, 14):
        c.line(v, 5, v, 18, BLACK)
        c.line(5, v, 18, v, BLACK)
    c.rect(10, 10, 13, 13, BLACK)
    for (x0, y0, x1, y1) in ((0, 0, 4, 0), (0, 0, 0, 4), (23, 0, 19, 0), (23, 0, 23, 4),
                             (0, 23, 4, 23), (0, 23, 0, 19), (23, 23, 19, 23), (23, 23, 23, 19)):
        c.line(x0, y0, x1, y1, BLUE)
    return c


def draw_delete(s=1):
    c = tile(s=s)
    c.line(4, 4, 19, 19, RED, 3)
    c.line(19, 4, 4, 19, RED, 3)
    return c


def draw_notepad(s=1):
    c = tile(s=s)
    c.box(4, 2, 19, 21, WHITE)
    for y in range(6, 20, 3):
        c.line(6, y, 17, y, BLUE)
    c.line(7, 2, 7, 21, RED)
    return c


def draw_check(s=1):
    c = tile(s=s)
    c.line(3, 12, 9, 19, GREEN, 3)
    c.line(9, 19, 20, 4, GREEN, 3)
    return c


def draw_reveal(s=1):
    c = tile(s=s)
    c.polygon([(1, 12), (7, 6), (17, 6), (23, 12), (17, 18), (7, 18)], WHITE)
    c.line(1, 12, 7, 6, BLACK)
    c.line(7, 6, 17, 6, BLACK)
    c.line(17, 6, 23, 12, BLACK)
    c.line(1, 12, 7, 18, BLACK)
    c.line(7, 18, 17, 18, BLACK)
    c.line(17, 18, 23, 12, BLACK)
    c.disk(12, 12, 4.5, TEAL)
    c.disk(12, 12, 2, BLACK)
    return c


def draw_unlock(s=1):
    c = tile(s=s)
    c.box(3, 11, 16, 22, GOLD)
    c.disk(9.5, 16, 1.8, BLACK)
    c.line(9, 17, 9, 20, BLACK)
    c.ring(17, 8, 6, DARK, 2.2)
    c.rect(11, 8, 23, 11, LIGHT)
    c.rect(11, 8, 12, 11, DARK)
    return c


def draw_erase(s=1):
    c = tile(s=s)
    c.polygon([(12, 3), (21, 12), (12, 21), (3, 12)], PINK)
    c.polygon([(3, 12), (8, 7), (17, 16), (12, 21)], WHITE)
    c.line(12, 3, 21, 12, BLACK)
    c.line(21, 12, 12, 21, BLACK)
    c.line(12, 21, 3, 12, BLACK)
    c.line(3, 12, 12, 3, BLACK)
    c.line(8, 7, 17, 16, BLACK)
    return c


# The toolbar's picture sizes, each drawn from the same source as the 24-pixel one.
TOOLBAR_SIZES = (16, 24, 32, 48)


def toolbar_strip(size=24):
    # Index order is fixed by the toolbar description text.
    s = size / 24
    tiles = [draw_open(s), draw_save_as(s), draw_print(s), draw_save(s), draw_pencil(s),
             draw_options(s), draw_magnifier(True, s), draw_magnifier(False, s), draw_entire(s),
             draw_delete(s), draw_notepad(s), draw_check(s), draw_reveal(s), draw_unlock(s),
             draw_erase(s)]
    strip = Canvas(size * len(tiles), size, LIGHT)
    for i, t in enumerate(tiles):
        strip.blit(t, size * i, 0)
    return strip


# The owner-drawn buttons of the simple toolbar (old common controls): each label
# has a normal, a pressed and an inactive picture, drawn over a 38x38 blank button.
SIMPLE_BUTTONS = (("OPEN", draw_open), ("SAVE", draw_save), ("SAVEAS", draw_save_as),
                  ("PRINT", draw_print), ("PENCIL", draw_pencil), ("LARGER", lambda: draw_magnifier(True)),
                  ("SMALLER", lambda: draw_magnifier(False)), ("ENTIRE", draw_entire))


def pressed(t):
    c = tile()
    for y in range(23):
        for x in range(23):
            c.px[y + 1][x + 1] = t.px[y][x]
    return c


def inactive(t):
    c = tile()
    for y in range(24):
        for x in range(24):
            p = t.px[y][x]
            if p != LIGHT:
                g = (p[0] * 3 + p[1] * 6 + p[2]) // 10
                g = 128 + g // 2
                c.px[y][x] = (g, g, g)
    return c


def blank_button(down):
    c = Canvas(38, 38, LIGHT)
    hi, lo = (GREY, WHITE) if down else (WHITE, GREY)
    c.line(0, 0, 37, 0, hi); c.line(0, 0, 0, 37, hi)
    c.line(0, 37, 37, 37, BLACK if not down else lo); c.line(37, 0, 37, 37, BLACK if not down else lo)
    c.line(1, 36, 36, 36, lo); c.line(36, 1, 36, 36, lo)
    return c


def notepad_hint(s=1):
    c = Canvas(16, 16, LIGHT, s)
    c.box(2, 1, 13, 14, YELLOW)
    for y in range(4, 13, 3):
        c.line(4, y, 11, y, DARK)
    return c


def happy_face():
    c = Canvas(64, 64, WHITE)
    c.frame(0, 0, 63, 63, GREY)
    c.disk(31.5, 31.5, 29, BLACK)
    c.disk(31.5, 31.5, 27, YELLOW)
    c.disk(22, 23, 4, BLACK)
    c.disk(41, 23, 4, BLACK)
    for i in range(-15, 16):
        y = 38 + int(round((225 - i * i) / 30))
        for t in range(3):
            c.set(31 + i, y + t, BLACK)
    return c


def layout_picture(code, s=1):
    """64x48: grid (with a prompt bar) and the Across/Down lists, arranged like the layout."""
    c = Canvas(64, 48, WHITE, s)
    c.frame(0, 0, 63, 47, BLACK)

    def grid(x0, y0, x1, y1):
        c.box(x0, y0, x0 + (x1 - x0), y0 + 3, NAVY)          # prompt bar
        c.box(x0, y0 + 4, x1, y1, WHITE)
        step = 4
        for x in range(x0 + step, x1, step):
            c.line(x, y0 + 4, x, y1, GREY)
        for y in range(y0 + 4 + step, y1, step):
            c.line(x0, y, x1, y, GREY)
        c.rect(x0 + 5, y0 + 9, x0 + 7, y0 + 11, BLACK)

    def clues(x0, y0, x1, y1, colour):
        c.box(x0, y0, x1, y1, WHITE)
        c.rect(x0 + 1, y0 + 1, x1 - 1, y0 + 2, colour)
        for y in range(y0 + 5, y1 - 1, 3):
            c.line(x0 + 2, y, x1 - 2, y, GREY)

    def floating(x0, y0, x1, y1):
        c.box(x0, y0, x1, y1, LIGHT)
        c.rect(x0 + 1, y0 + 1, x1 - 1, y0 + 3, NAVY)

    if code == "ABDB":
        grid(2, 2, 61, 30); clues(2, 32, 31, 45, RED); clues(32, 32, 61, 45, BLUE)
    elif code == "ATDT":
        clues(2, 2, 31, 15, RED); clues(32, 2, 61, 15, BLUE); grid(2, 17, 61, 45)
    elif code == "ATDB":
        clues(2, 2, 61, 10, RED); grid(2, 12, 61, 35); clues(2, 37, 61, 45, BLUE)
    elif code == "ALDL":
        clues(2, 2, 20, 23, RED); clues(2, 24, 20, 45, BLUE); grid(22, 2, 61, 45)
    elif code == "ARDR":
        grid(2, 2, 41, 45); clues(43, 2, 61, 23, RED); clues(43, 24, 61, 45, BLUE)
    elif code == "ALDR":
        clues(2, 2, 16, 45, RED); grid(18, 2, 45, 45); clues(47, 2, 61, 45, BLUE)
    elif code == "ADSH":
        grid(2, 2, 61, 45); floating(24, 18, 60, 44)
        clues(26, 22, 42, 42, RED); clues(43, 22, 58, 42, BLUE)
    elif code == "ADSV":
        grid(2, 2, 61, 45); floating(36, 8, 60, 44)
        clues(38, 12, 58, 27, RED); clues(38, 28, 58, 42, BLUE)
    elif code == "ASDS":
        grid(2, 2, 61, 45); floating(28, 6, 46, 30); floating(42, 22, 60, 44)
        clues(30, 10, 44, 28, RED); clues(44, 26, 58, 42, BLUE)
    return c


def print_position(code, s=1):
    """40x52 page with the grid in one corner and clue lines elsewhere."""
    c = Canvas(40, 52, LIGHT, s)
    c.box(1, 1, 38, 50, WHITE)
    left = code in ("GTL", "GBL")
    top = code in ("GTL", "GTR")
    gx = 4 if left else 18
    gy = 6 if top else 30
    c.box(gx, gy, gx + 17, gy + 17, WHITE)
    for v in range(1, 6):
        c.line(gx + v * 3, gy, gx + v * 3, gy + 17, GREY)
        c.line(gx, gy + v * 3, gx + 17, gy + v * 3, GREY)
    c.rect(gx + 4, gy + 4, gx + 5, gy + 5, BLACK)
    c.rect(gx + 10, gy + 13, gx + 11, gy + 14, BLACK)
    c.line(4, 3, 35, 3, BLACK)                         # title line
    for y in range(6, 48, 3):
        if gy - 1 <= y <= gy + 18:
            x0, x1 = (24, 35) if left else (4, 15)
        else:
            x0, x1 = 4, 35
        c.line(x0, y, x1, y, GREY)
    return c


def app_icon(size):
    c = Canvas(size, size, WHITE)
    c.clear_alpha()
    n = 4
    cell = (size - 2) // n
    off = (size - cell * n) // 2
    blocks = {(1, 0), (3, 1), (0, 2), (2, 3)}
    for r in range(n):
        for col in range(n):
            x0, y0 = off + col * cell, off + r * cell
            c.rect(x0, y0, x0 + cell, y0 + cell, BLACK)
            fill = BLACK if (col, r) in blocks else WHITE
            c.rect(x0 + 1, y0 + 1, x0 + cell - 1, y0 + cell - 1, fill)
    # a pencil across the grid
    w = max(2, size // 10)
    c.line(size - 4, 3, 6, size - 5, GOLD, w)
    c.line(6, size - 5, 3, size - 2, DARK, max(1, w - 1))
    return c


def rebus_icon(size):
    c = Canvas(size, size, WHITE)
    c.clear_alpha()
    c.box(0, 0, size - 1, size - 1, WHITE)
    # three small bars standing for several letters in one square
    for i, colour in enumerate((RED, BLUE, GREEN)):
        x = 2 + i * (size - 4) // 3
        c.rect(x + 1, size // 2 - 3, x + (size - 4) // 3 - 1, size // 2 + 3, colour)
    return c


def symbol_icon(size):
    c = Canvas(size, size, WHITE)
    c.clear_alpha()
    c.box(0, 0, size - 1, size - 1, WHITE)
    m = size / 2 - 0.5
    r = size / 2 - 3
    pts = []
    import math
    for k in range(10):
        rad = r if k % 2 == 0 else r * 0.45
        a = -math.pi / 2 + k * math.pi / 5
        pts.append((int(round(m + rad * math.cos(a))), int(round(m + rad * math.sin(a)))))
    c.polygon(pts, GOLD)
    return c


def cursor_canvas():
    c = Canvas(32, 32, WHITE)
    c.clear_alpha()
    return c


def outlined(c, draw):
    """Draws the shape in black, one pixel larger all round, then in white."""
    big = cursor_canvas()
    draw(big, WHITE)
    for y in range(32):
        for x in range(32):
            if big.alpha[y][x] >= 128:
                for dy in (-1, 0, 1):
                    for dx in (-1, 0, 1):
                        c.set(x + dx, y + dy, BLACK)
    draw(c, WHITE)


def split_cursor(vertical):
    c = cursor_canvas()

    def draw(cv, col):
        # two arrows pointing away from a double bar
        if vertical:   # stacked panes: drag up and down
            cv.rect(6, 14, 25, 14, col); cv.rect(6, 17, 25, 17, col)
            cv.polygon([(15, 2), (22, 9), (8, 9)], col); cv.rect(14, 9, 16, 12, col)
            cv.polygon([(15, 29), (22, 22), (8, 22)], col); cv.rect(14, 19, 16, 22, col)
        else:          # side by side: drag left and right
            cv.rect(14, 6, 14, 25, col); cv.rect(17, 6, 17, 25, col)
            cv.polygon([(2, 15), (9, 8), (9, 22)], col); cv.rect(9, 14, 12, 16, col)
            cv.polygon([(29, 15), (22, 8), (22, 22)], col); cv.rect(19, 14, 22, 16, col)
    outlined(c, draw)
    return c


def hand_cursor():
    c = cursor_canvas()

    def draw(cv, col):
        cv.rect(8, 2, 10, 16, col)                       # pointing finger
        for x0 in (11, 14, 17):                          # folded fingers
            cv.rect(x0, 10, x0 + 2, 17, col)
        cv.polygon([(3, 14), (7, 13), (8, 17), (6, 18)], col)  # thumb
        cv.rect(6, 17, 19, 24, col)                      # palm
        cv.rect(8, 25, 18, 27, col)
    outlined(c, draw)
    # knuckle lines inside the white shape
    for x in (11, 14, 17):
        c.line(x, 10, x, 16, BLACK)
    c.line(8, 25, 18, 25, BLACK)
    return c


# A 5 by 7 dot font for the letters of the logo.
LOGO_LETTERS = {
    "G": ("01110", "10001", "10000", "10111", "10001", "10001", "01111"),
    "R": ("11110", "10001", "10001", "11110", "10100", "10010", "10001"),
    "I": ("01110", "00100", "00100", "00100", "00100", "00100", "01110"),
    "D": ("11100", "10010", "10001", "10001", "10001", "10010", "11100"),
    "W": ("10001", "10001", "10001", "10101", "10101", "11011", "10001"),
    "E": ("11111", "10000", "10000", "11110", "10000", "10000", "11111"),
    "L": ("10000", "10000", "10000", "10000", "10000", "10000", "11111"),
}


def toolbar_logo(s=1):
    """The picture in the toolbar's free space: a small solved corner of a grid and
    the program's name. The grey background becomes the bar's face when loaded."""
    c = Canvas(136, 32, LIGHT, s)
    # Blocks, the current word (pale) and the cursor square (yellow).
    pattern = ("...#", ".#..", "wwcw", "#...")
    cell = 7
    x0, y0 = 2, 2
    for r, row in enumerate(pattern):
        for k, ch in enumerate(row):
            x, y = x0 + k * cell, y0 + r * cell
            fill = {"#": BLACK, "w": (170, 210, 255), "c": YELLOW}.get(ch, WHITE)
            c.box(x, y, x + cell, y + cell, fill)
    c.frame(x0, y0, x0 + 4 * cell, y0 + 4 * cell, BLACK)
    x = 38
    for ch in "GRIDWELL":
        rows = LOGO_LETTERS[ch]
        for r, bits in enumerate(rows):
            for k, bit in enumerate(bits):
                if bit == "1":
                    colour = DARKRED if ch in "GRID" else NAVY
                    c.rect(x + 2 * k, 9 + 2 * r, x + 2 * k + 1, 9 + 2 * r + 1, colour)
        x += 12
    return c


# The display scales beyond 100 % that pictures other than the toolbar's are made for.
PICTURE_SCALES = (125, 150, 200, 250)
LAYOUT_CODES = ("ABDB", "ATDT", "ATDB", "ALDL", "ARDR", "ALDR", "ADSH", "ADSV", "ASDS")
PRINT_CODES = ("GTL", "GBL", "GTR", "GBR")


def save_scaled_pictures():
    """The larger sizes go to dpi/, with the resource script that names them: a
    picture "NAME" at 150 % is the resource "NAME_150"."""
    os.makedirs(os.path.join(HERE, "dpi"), exist_ok=True)
    lines = ["// Made by make_art.py: the pictures for screens above 100 %. Do not edit.\n"]
    for size in TOOLBAR_SIZES:
        if size != 24:
            save("dpi/toolbar%d.bmp" % size, bmp_bytes(toolbar_strip(size)))
            lines.append('TOOLBAR%d BITMAP "art/dpi/toolbar%d.bmp"\n' % (size, size))
    for percent in PICTURE_SCALES:
        s = percent / 100
        save("dpi/tlogo_%d.bmp" % percent, bmp_bytes(toolbar_logo(s)))
        save("dpi/notepad_hint_%d.bmp" % percent, bmp_bytes(notepad_hint(s)))
        lines.append('NOTEPADHINT_%d BITMAP "art/dpi/notepad_hint_%d.bmp"\n' % (percent, percent))
        for code in LAYOUT_CODES:
            name = "layout_%s_%d.bmp" % (code.lower(), percent)
            save("dpi/" + name, bmp_bytes(layout_picture(code, s)))
            lines.append('%s_%d BITMAP "art/dpi/%s"\n' % (code, percent, name))
        for code in PRINT_CODES:
            name = "print_%s_%d.bmp" % (code.lower(), percent)
            save("dpi/" + name, bmp_bytes(print_position(code, s)))
            lines.append('%s_%d BITMAP "art/dpi/%s"\n' % (code, percent, name))
    save("dpi/pictures.rc", "".join(lines).encode())


def main():
    save("toolbar.bmp", bmp_bytes(toolbar_strip()))
    save("notepad_hint.bmp", bmp_bytes(notepad_hint()))
    save("tlogo.bmp", bmp_bytes(toolbar_logo()))
    save("happyface.bmp", bmp_bytes(happy_face()))
    for code in LAYOUT_CODES:
        save("layout_%s.bmp" % code.lower(), bmp_bytes(layout_picture(code)))
    for code in PRINT_CODES:
        save("print_%s.bmp" % code.lower(), bmp_bytes(print_position(code)))
    save_scaled_pictures()

    for name, draw in SIMPLE_BUTTONS:
        t = draw()
        save("simple_%sup.bmp" % name.lower(), bmp_bytes(t))
        save("simple_%sdn.bmp" % name.lower(), bmp_bytes(pressed(t)))
        save("simple_%sin.bmp" % name.lower(), bmp_bytes(inactive(t)))
    save("simple_blankup.bmp", bmp_bytes(blank_button(False)))
    save("simple_blankdn.bmp", bmp_bytes(blank_button(True)))

    def icon(draw, sizes):
        imgs = [(draw(s), None) for s in sizes]
        return ico_bytes([(cv, icon_image_32(cv)) for cv, _ in imgs])

    save("gridwell.ico", icon(app_icon, (32, 16)))
    save("rebus.ico", icon(rebus_icon, (16, 24, 32, 40)))
    save("symbols.ico", icon(symbol_icon, (16, 24, 32, 40)))

    for name, cv, hot in (("split_stacked.cur", split_cursor(True), (15, 15)),
                          ("split_side.cur", split_cursor(False), (15, 15)),
                          ("hand.cur", hand_cursor(), (9, 2))):
        save(name, ico_bytes([(cv, icon_image_mono(cv))], kind=2, hotspots=[hot]))


if __name__ == "__main__":
    main()
