#!/usr/bin/env python3
"""Measures a screenshot of the program for the high-DPI script: the height of the
toolbar's pictures (the rows holding their one blue, which nothing else on the screen
uses) and the height of the letter typed into the current square (black ink inside the
square painted in the test's current-letter colour). Prints "toolbar=N letter=N cell=N".
Usage: dpi_measure.py SCREENSHOT.png"""
import subprocess
import sys

TOOLBAR_BLUE = (0, 70, 200)
CURRENT_LETTER = (0, 200, 150)   # set by the script through the registry


def load(path):
    data = subprocess.run(["convert", path, "ppm:-"], check=True, stdout=subprocess.PIPE).stdout
    parts = data.split(maxsplit=4)
    w, h = int(parts[1]), int(parts[2])
    pixels = parts[4]
    return w, h, pixels


def main():
    w, h, px = load(sys.argv[1])

    def at(x, y):
        i = 3 * (y * w + x)
        return px[i], px[i + 1], px[i + 2]

    def box(colour):
        xs, ys = [], []
        for y in range(h):
            row = px[3 * y * w:3 * (y + 1) * w]
            start = 0
            needle = bytes(colour)
            while True:
                i = row.find(needle, start)
                if i < 0:
                    break
                if i % 3 == 0:
                    xs.append(i // 3)
                    ys.append(y)
                start = i + 1
        return (min(xs), min(ys), max(xs), max(ys)) if xs else None

    bar = box(TOOLBAR_BLUE)
    toolbar = bar[3] - bar[1] + 1 if bar else 0
    cell = box(CURRENT_LETTER)
    letter = 0
    if cell:
        x0, y0, x1, y1 = cell
        # The square's number sits in its top-left corner: look at the right two thirds.
        inked = [y for y in range(y0, y1 + 1) for x in range(x0 + (x1 - x0) // 3, x1 + 1)
                 if max(at(x, y)) < 80]
        letter = max(inked) - min(inked) + 1 if inked else 0
    print("toolbar=%d letter=%d cell=%d" % (toolbar, letter, (cell[3] - cell[1] + 1) if cell else 0))


if __name__ == "__main__":
    main()
