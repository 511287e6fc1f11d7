#!/usr/bin/env bash
# Crash recovery: letters typed into a puzzle survive the program being killed. The
# real program keeps a copy of the unsaved changes in the user's local data folder
# (never beside the puzzle), asks at the next opening of that puzzle whether to
# restore them, and after Yes and a save the file holds the letters.
set -uo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib/common.bash"

EXE=$GW_BIN_DIR/gridwell.exe
[ -f "$EXE" ] || { echo "gridwell.exe is not built yet"; exit 77; }
[ -n "${GW_PUZTOOL:-}" ] && [ -x "$GW_PUZTOOL" ] || { echo "puztool is not built"; exit 77; }
cd "$GW_OUT" || exit 1

write_text_puzzle puzzle.txt "Crash recovery"
"$GW_PUZTOOL" import puzzle.txt puzzle.puz >import.log 2>&1 || fail "puztool import failed: $(cat import.log)"
cp puzzle.puz original.puz
tip_of_day_off

start_program() {
  "$WINE" "$EXE" puzzle.puz >>wine.log 2>&1 &
}

start_program
wid=$(wait_window 'Gridwell - ') || true
[ -n "$wid" ] || fail "no puzzle window appeared"
sleep 2
xdotool windowfocus --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"
for key in z y x; do
  xdotool key --clearmodifiers "$key"
  sleep 0.2
done
import -window root typed.png

# The copy is written within half a minute of the change.
copy=""
for _ in $(seq 1 45); do
  copy=$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Local/Gridwell/Recovery/*.gwr' 2>/dev/null | head -1)
  [ -n "$copy" ] && break
  sleep 1
done
[ -n "$copy" ] || fail "no recovery copy appeared in the local data folder within 45 s"
echo "recovery copy: ${copy#"$WINEPREFIX"/}"
ls ./*.gwr >/dev/null 2>&1 && fail "a recovery copy was written beside the puzzle"
cmp -s puzzle.puz original.puz || fail "the puzzle file changed without a save"

# Killed hard: no close, no save, nothing written on the way out.
"$WINESERVER" -k
sleep 1

start_program
question=""
for _ in $(seq 1 60); do
  for w in $(xdotool search --onlyvisible --name '^Gridwell$' 2>/dev/null); do
    question=$w
  done
  [ -n "$question" ] && break
  sleep 0.5
done
[ -n "$question" ] || fail "no restore question appeared at the next start"
sleep 1
import -window root question.png
xdotool windowfocus "$question" 2>/dev/null
xdotool key --clearmodifiers Return   # Yes is the default button
wid=$(wait_window 'Gridwell - ') || true
[ -n "$wid" ] || fail "the puzzle did not open after the restore question"
sleep 2
import -window root restored.png
xdotool windowfocus --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"
xdotool key --clearmodifiers ctrl+s
sleep 2
close_program 'Gridwell - '

"$GW_PUZTOOL" info puzzle.puz >after.json || fail "the saved file does not read back"
python3 - <<'PY' || fail "the restored letters were not saved"
import json, sys
d = json.load(open("after.json"))
fill = d["fill"]
row = fill[0] if isinstance(fill, list) else fill[:d["width"]]
if row[:3] != "ZYX":
    print(f"expected the first row to start ZYX, found {row!r}")
    sys.exit(1)
print(f"first row after restore and save: {row}")
PY
left=$(find "$WINEPREFIX/drive_c/users" -path '*/Gridwell/Recovery/*.gwr' 2>/dev/null | wc -l)
[ "$left" -eq 0 ] || fail "the recovery copy was not removed by the save ($left left)"
echo "crash recovery: letters restored, saved, copy removed"
