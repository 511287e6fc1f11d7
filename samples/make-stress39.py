#!/usr/bin/env python3
"""Writes stress39.txt: a 39x39 text puzzle with the largest grid the program
accepts, a regular pattern of blocks and synthetic words, so that opening,
numbering, painting and printing can be timed on the worst case."""
import os
import random

SIZE = 39
rng = random.Random(39)  # fixed seed: the file is the same on every run


def block(x, y):
    return x % 4 == 3 and y % 4 == 3


grid = [''.join('.' if block(x, y) else rng.choice('ABCDEFGHIJKLMNOPRSTUVWY') for x in range(SIZE))
        for y in range(SIZE)]


def white(x, y):
    return 0 <= x < SIZE and 0 <= y < SIZE and grid[y][x] != '.'


across, down = [], []
number = 0
for y in range(SIZE):
    for x in range(SIZE):
        if not white(x, y):
            continue
        a = not white(x - 1, y) and white(x + 1, y)
        d = not white(x, y - 1) and white(x, y + 1)
        if a or d:
            number += 1
        if a:
            length = 0
            while white(x + length, y):
                length += 1
            across.append('Stress entry %d Across, %d letters, row %d' % (number, length, y + 1))
        if d:
            length = 0
            while white(x, y + length):
                length += 1
            down.append('Stress entry %d Down, %d letters, column %d' % (number, length, x + 1))

lines = ['<ORVANE PUZZLE V2>', '<TITLE>', 'Stress Test 39', '<AUTHOR>', 'Gridwell Team', '<COPYRIGHT>',
         '2026 Gridwell project', '<SIZE>', '%dx%d' % (SIZE, SIZE), '<GRID>'] + grid
lines += ['<ACROSS>'] + across + ['<DOWN>'] + down
lines += ['<NOTEPAD>', 'The largest grid there is, filled with made-up words.']
out = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'stress39.txt')
with open(out, 'w', newline='\n') as f:
    f.write('\n'.join(lines) + '\n')
