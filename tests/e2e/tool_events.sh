#!/usr/bin/env bash
# A tool written in C against tool_api.h alone, in a copy of the program's folder:
# gridwell loads it from Plugins\Tools, it registers and subscribes, receives the
# events of one run (open, close, quit, shutdown) in order, is finished, and its
# enabled state is in the registry afterwards. The test tool records everything
# it receives through the host's setting services under "TestLog".
set -uo pipefail

EXE=$GW_BIN_DIR/gridwell.exe
TOOL=$GW_BIN_DIR/../tests/plugins/order/Plugins/Tools/OVtestA.dll
if [ ! -f "$EXE" ] || [ ! -f "$TOOL" ]; then
  echo "gridwell.exe or the test tools are not built yet"
  exit 77
fi
cd "$GW_OUT" || exit 1

fail() {
  echo "FAIL: $*"
  import -window root "$GW_OUT/failure.png" 2>/dev/null
  exit 1
}

wait_window() {  # name pattern -> window id
  timeout 60 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1
}

mkdir -p app/Plugins/Tools
cp "$EXE" app/
cp "$TOOL" app/Plugins/Tools/

cat >tools.txt <<'PUZ'
<ORVANE PUZZLE>
<TITLE>
Tool events
<AUTHOR>
Gridwell tests
<COPYRIGHT>
2026
<SIZE>
4x4
<GRID>
ABCD
EFGH
IJKL
MNOP
<ACROSS>
A1
A2
A3
A4
<DOWN>
D1
D2
D3
D4
PUZ

"$WINE" explorer /desktop=gw,1024x768 app/gridwell.exe tools.txt >"$GW_OUT/wine.log" 2>&1 &
# The binary reader refuses the text file first, then it is imported.
warning=$(wait_window 'Gridwell Warning') || true
[ -n "$warning" ] || fail "no warning before the text import"
xdotool key --window "$warning" Return
titled=$(wait_window 'Gridwell - .*tools') || true
[ -n "$titled" ] || fail "the puzzle was not opened"
sleep 1
import -window root "$GW_OUT/1-open.png"

# Exit; the imported puzzle is unsaved, so decline saving it.
xdotool key alt+F4
question=$(wait_window 'Gridwell Question') || true
[ -n "$question" ] || fail "no save question on exit"
xdotool key --window "$question" n
timeout 60 "$WINESERVER" -w

# One query per key, read whole: a wine process per value was seen to come back
# empty now and then, with the value present in the registry all along.
reg_dump() {  # key -> "name data" lines
  local attempt out
  for attempt in 1 2 3; do
    out=$("$WINE" reg query "HKCU\\Software\\Pellicor\\Orvane\\$1" 2>/dev/null | tr -d '\r' |
      awk '$2 ~ /^REG_/ {print $1, $3}')
    if [ -n "$out" ]; then
      printf '%s\n' "$out"
      return 0
    fi
    sleep 1
  done
}

tools=$(reg_dump Tools)
enabled=$(awk '$1 == "OVtestA.dll" {print $2}' <<<"$tools")
[ "$enabled" = "1" ] || fail "Tools/OVtestA.dll after the run: expected 1, found '$enabled'"

testlog=$(reg_dump TestLog)
count=$(awk '$1 == "count" {print $2}' <<<"$testlog")
[ -n "$count" ] || fail "the tool recorded nothing"
log=""
for ((i = 0; i < count; i++)); do
  log="$log $(awk -v name="$i" '$1 == name {print $2}' <<<"$testlog")"
done
log=${log# }
echo "recorded: $log"
# init, registered; loading, opened; closed; quit requested; shutdown; finish.
expected="1900 1951 1004 1005 1007 1016 1015 1990"
[ "$log" = "$expected" ] || fail "events: expected '$expected', found '$log'"
exit 0
