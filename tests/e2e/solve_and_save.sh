#!/usr/bin/env bash
# Solve and save: the real program opens a puzzle, a multi-letter entry and letters
# are typed into the grid with the keyboard, Ctrl+S saves, and the saved file holds
# them (checked with the native puztool). Screenshots before and after typing stay in $GW_OUT.
set -uo pipefail

EXE=$GW_BIN_DIR/gridwell.exe
if [ ! -f "$EXE" ]; then echo "gridwell.exe is not built yet"; exit 77; fi
if [ -z "${GW_PUZTOOL:-}" ] || [ ! -x "$GW_PUZTOOL" ]; then echo "puztool is not built"; exit 77; fi
cd "$GW_OUT" || exit 1
. "$(dirname "${BASH_SOURCE[0]}")/lib/common.bash"

# The everyday sample (an ordinary grid: a diagramless or locked one would stop at
# its dialog), else one made here from a text puzzle.
SAMPLE=""
[ -f "${GW_SAMPLES:-}/everyday15.puz" ] && SAMPLE=$GW_SAMPLES/everyday15.puz
if [ -n "$SAMPLE" ]; then
  cp "$SAMPLE" puzzle.puz
elif [ -f "${GW_SAMPLES:-}/everyday15.txt" ]; then
  "$GW_PUZTOOL" import "$GW_SAMPLES/everyday15.txt" puzzle.puz >import.log 2>&1 || { cat import.log; echo "puztool import failed"; exit 1; }
else
  cat >puzzle.txt <<'PUZ'
<ORVANE PUZZLE>
<TITLE>
Solve and save
<AUTHOR>
Gridwell tests
<COPYRIGHT>
2026
<SIZE>
3x3
<GRID>
CAT
ARE
BED
<ACROSS>
Pet
Exist
Sleep here
<DOWN>
Taxi
Land measure
Bear's name
PUZ
  "$GW_PUZTOOL" import puzzle.txt puzzle.puz >import.log 2>&1 || { cat import.log; echo "puztool import failed"; exit 1; }
fi
chmod u+w puzzle.puz
"$GW_PUZTOOL" info puzzle.puz >before.json || { echo "puztool cannot read the puzzle"; exit 1; }

# The first Across word: its cells and solution, from the file itself.
read -r WORD_LEN FIRST_ROW < <(python3 - <<'PY'
import json
d = json.load(open("before.json"))
sol = d["solution"]
row = sol[0] if isinstance(sol, list) else sol[:d["width"]]
# the first white cell of the first row, and the run of white cells from it
start = next(i for i, ch in enumerate(row) if ch not in ".:")
end = start
while end < len(row) and row[end] not in ".:":
    end += 1
print(end - start, start)
PY
)
[ -n "${WORD_LEN:-}" ] || { echo "could not read the puzzle's first row"; exit 1; }

# The tip of the day would open over the puzzle and take the typed letters.
"$WINE" reg add 'HKCU\Software\Pellicor\Orvane\Tools' /v OVtipofday.dll /d 0 /f >/dev/null 2>&1 ||
  { echo "could not turn the tip of the day off"; exit 1; }
"$WINE" "$EXE" puzzle.puz >wine.log 2>&1 &
if ! wid=$(wait_window 'Gridwell' 120); then  # the first start in a new prefix can be slow
  echo "no window named Gridwell appeared"; import -window root no-window.png 2>/dev/null; exit 1
fi
sleep 3
import -window root opened.png
xdotool windowfocus --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"
sleep 0.5

# The first cell takes a multi-letter entry through the entry box (Insert, letters,
# Enter), which moves the cursor on like a typed letter.
xdotool key --clearmodifiers Insert
sleep 1
import -window root entry-box.png
xdotool type --delay 150 "ok"
xdotool key --clearmodifiers Return
sleep 1
# Then letters unlike the solution for the rest of the word, typed lower case (the
# grid upper-cases them).
LETTERS=$(echo "zyxwvutsrq" | cut -c1-$((WORD_LEN - 1)))
for ((i = 0; i < ${#LETTERS}; i++)); do
  xdotool key --clearmodifiers "${LETTERS:$i:1}"
  sleep 0.2
done
sleep 1
import -window root typed.png
xdotool key --clearmodifiers ctrl+s
sleep 3
import -window root saved.png

if xdotool search --name 'Program Error' >/dev/null 2>&1; then echo "the program crashed"; exit 1; fi
"$GW_PUZTOOL" info puzzle.puz >after.json || { echo "the saved file does not read back"; exit 1; }
python3 - "$LETTERS" "$FIRST_ROW" <<'PY'
import json, sys
letters, start = sys.argv[1].upper(), int(sys.argv[2])
d = json.load(open("after.json"))
fill = d["fill"]
row = fill[0] if isinstance(fill, list) else fill[:d["width"]]
got = row[start:start + 1 + len(letters)]
if got != "O" + letters:
    print(f"expected the saved first word to read O{letters}, found {got!r} (row {row!r})")
    sys.exit(1)
entries = [r for r in d["rebusSquares"] if r["x"] == start and r["y"] == 0 and "user" in r]
if not entries or entries[0]["user"]["text"] != "OK":
    print(f"expected the multi-letter entry OK in the first cell, found {entries!r}")
    sys.exit(1)
print(f"saved first word: {got}, first cell OK")
PY
