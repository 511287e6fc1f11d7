#!/usr/bin/env bash
# A screen reader's session with the real program: a separate process (tools/reader_probe.exe)
# asks through oleacc, as NVDA or Narrator do, what the focused square is called and holds,
# listens to the WinEvents while keys are pressed (the cursor moving, a letter typed, Tab to
# the next clue: the prompt's new name), and follows F6 to the clue lists. Screenshot in $GW_OUT.
set -uo pipefail
cd "$GW_OUT" || exit 1
. "$GW_SOURCE_DIR/tests/e2e/lib/common.bash"

EXE=$GW_BIN_DIR/gridwell.exe
PROBE=$GW_BIN_DIR/tools/reader_probe.exe
[ -f "$EXE" ] || { echo "gridwell.exe is not built yet"; exit 77; }
[ -f "$PROBE" ] || fail "tools/reader_probe.exe is not built (tests/win/tests.cmake builds it)"

cp "$GW_SAMPLES/everyday15.puz" reader.puz || fail "no sample puzzle"

tip_of_day_off
"$WINE" "$EXE" reader.puz >wine.log 2>&1 &
wid=$(wait_window 'Gridwell') && [ -n "$wid" ] || fail "no Gridwell window"
sleep 3
xdotool windowfocus --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"

ask() { "$WINE" "$PROBE" "$@" 2>/dev/null | tr -d '\r'; }
expect_line() {  # output line what
  grep -qxF -- "$2" <<<"$1" || { echo "$1"; fail "expected the line: $2"; }
}

first=$(ask focus)
echo "$first" | sed 's/^/  reader: /'
expect_line "$first" "window=CanvasClass"
expect_line "$first" "name=1 Across, Something left for a good waiter, letter 1 of 3; 1 Down"
expect_line "$first" "value=empty"
expect_line "$first" "role=29"

# What the reader hears while the solver types: listen, then press keys.
ask listen 8000 >events.txt &
listener=$!
sleep 3
xdotool key --clearmodifiers Right
sleep 0.5
xdotool key --clearmodifiers c
sleep 0.5
xdotool key --clearmodifiers Tab
wait "$listener"
sed 's/^/  heard: /' events.txt
grep -qxF "event=focus child=2 name=1 Across, Something left for a good waiter, letter 2 of 3; 2 Down" events.txt ||
  fail "no focus event for the square the Right arrow moved to"
# The letter: the square's value changed, then the cursor moved on (in that order).
value_line=$(grep -n "^event=value child=2 " events.txt | head -1 | cut -d: -f1)
focus_line=$(grep -n "^event=focus child=3 " events.txt | head -1 | cut -d: -f1)
[ -n "$value_line" ] && [ -n "$focus_line" ] && [ "$value_line" -lt "$focus_line" ] ||
  fail "the typed letter did not raise a value event before the focus event"
grep -q "^event=namechange child=0 name=4. Number of wheels on a bicycle$" events.txt || fail "the prompt did not announce the next clue"

after=$(ask focus)
expect_line "$after" "name=4 Across, Number of wheels on a bicycle, letter 1 of 3; 4 Down"
typed=$(ask class CanvasClass 2)
grep -q "^child2.value=C$" <<<"$typed" || grep -q "^child2.value=C$" <<<"$(ask class CanvasClass 1)" ||
  fail "the typed letter is not the square's value"

# F6: the keyboard goes to the Across list, named by its header.
xdotool key --clearmodifiers F6
sleep 1
list=$(ask focus)
expect_line "$list" "window=ListBox"
expect_line "$list" "name=Across"
import -window root "$GW_OUT/screen-reader.png" 2>/dev/null && echo "screenshot: $GW_OUT/screen-reader.png"

echo "a reader in another process heard the grid, the prompt and the lists"
