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

. "$(dirname "${BASH_SOURCE[0]}")/lib/common.bash"

mkdir -p app/Plugins/Tools
cp "$EXE" app/
cp "$TOOL" app/Plugins/Tools/

write_text_puzzle tools.txt "Tool events"

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

tools=$(reg_dump Tools)
enabled=$(dump_value "$tools" OVtestA.dll)
[ "$enabled" = "1" ] || fail "Tools/OVtestA.dll after the run: expected 1, found '$enabled'"

testlog=$(reg_dump TestLog)
count=$(dump_value "$testlog" count)
[ -n "$count" ] || fail "the tool recorded nothing"
log=""
for ((i = 0; i < count; i++)); do
  log="$log $(dump_value "$testlog" "$i")"
done
log=${log# }
echo "recorded: $log"
# init, registered; loading, opened; closed; quit requested; shutdown; finish.
expected="1900 1951 1004 1005 1007 1016 1015 1990"
[ "$log" = "$expected" ] || fail "events: expected '$expected', found '$log'"
exit 0
