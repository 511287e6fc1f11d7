#!/usr/bin/env python3
"""Compares each state the soak's probe recorded inside the program (at a save, at an
opening) with what `puztool info` reads from the copy of the file taken at that moment.

usage: soak_compare.py <checks folder> <puztool> [seed]
Prints one line per difference ("action N (save): ...") and a count; exit 1 on any."""
import json
import os
import subprocess
import sys

REVEALED, WRONG = 0x40, 0x30  # square flags in the file: revealed; marked (or once marked) wrong


def read_state(path):
    state = {"entries": [], "marks": []}
    with open(path) as f:
        for line in f:
            key, _, rest = line.rstrip("\r\n").partition(" ")
            if key in ("entries", "marks"):
                state[key].append(rest)
            else:
                state[key] = rest.split()
    return state


def expected_mark(flags):
    revealed, wrong = flags & REVEALED, flags & WRONG
    return "B" if revealed and wrong else "R" if revealed else "W" if wrong else "-"


def differences(state, info):
    """What the file says that the program did not hold in memory, one text per fault."""
    found = []
    width, height = (int(v) for v in state["size"])
    if (width, height) != (info["width"], info["height"]):
        return ["size %dx%d in memory, %dx%d in the file" % (width, height, info["width"], info["height"])]
    # A square whose letter is "-" still counts as filled when it holds a multi-letter
    # entry or a symbol (its own record).
    records = {(r["x"], r["y"]) for r in info["rebusSquares"] if "user" in r}
    filled = 0
    for y in range(height):
        row, fill = state["entries"][y], info["fill"][y]
        marks = state["marks"][y]
        for x in range(width):
            square = "square %d,%d" % (x, y)
            if row[x] == ".":
                continue
            filled += row[x] != "-" or (x, y) in records
            # A pencil entry is saved in lower case; the services give the letter alone.
            if row[x] != fill[x].upper():
                found.append("%s: '%s' in memory, '%s' in the file" % (square, row[x], fill[x]))
            mark = expected_mark(info["squareFlags"][y][x])
            if marks[x] != mark:
                found.append("%s: mark %s in memory, %s in the file" % (square, marks[x], mark))
    if int(state["filled"][0]) != filled:
        found.append("the program counts %s filled squares, its squares hold %d" % (state["filled"][0], filled))
    return found


def main():
    folder, puztool = sys.argv[1], sys.argv[2]
    seed = sys.argv[3] if len(sys.argv) > 3 else "?"
    names = sorted(n[:-6] for n in os.listdir(folder) if n.endswith(".state"))
    faults = 0
    for name in names:
        index, kind = name.split("-")
        run = subprocess.run([puztool, "info", os.path.join(folder, name + ".puz")], capture_output=True, text=True)
        if run.returncode != 0:
            found = ["puztool cannot read the file: " + run.stderr.strip()]
        else:
            found = differences(read_state(os.path.join(folder, name + ".state")), json.loads(run.stdout))
        for text in found[:10]:
            print("seed %s, action %d (%s): %s" % (seed, int(index), kind, text))
        faults += bool(found)
    saves = sum(1 for n in names if n.endswith("save"))
    print("compared %d saves and %d openings with the files: %d differ" % (saves, len(names) - saves, faults))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
