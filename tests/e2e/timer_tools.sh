#!/usr/bin/env bash
# The two tools in the real program: a puzzle whose saved time is "754,1" opens at
# 12:34 with the clock stopped (red) and still holds that time after solving and
# saving; the solved puzzle enters its folder's score board at its place by score;
# the tip of the day comes with the first puzzle of the run and not with the second.
set -uo pipefail

EXE=$GW_BIN_DIR/gridwell.exe
TOOLS=$GW_BIN_DIR/Plugins/Tools
if [ ! -f "$EXE" ] || [ ! -f "$TOOLS/OVtimer.dll" ] || [ ! -f "$TOOLS/OVtipofday.dll" ]; then
  echo "gridwell.exe or the tool libraries are not built yet"
  exit 77
fi
if [ -z "${GW_PUZTOOL:-}" ] || [ ! -x "$GW_PUZTOOL" ]; then echo "puztool is not built"; exit 77; fi
cd "$GW_OUT" || exit 1
. "$(dirname "${BASH_SOURCE[0]}")/lib/common.bash"

# section add FILE TAG TEXT | section get FILE TAG: a puzzle file's extra section.
section() {
  python3 - "$@" <<'PY'
import struct, sys
def checksum(data, c=0):
    for b in data:
        c = ((c >> 1) | 0x8000) if c & 1 else c >> 1
        c = (c + b) & 0xFFFF
    return c
op, path, tag = sys.argv[1:4]
if op == "add":
    d = sys.argv[4].encode()
    open(path, "ab").write(tag.encode() + struct.pack("<HH", len(d), checksum(d)) + d + b"\0")
else:
    b = open(path, "rb").read()
    i = b.rfind(tag.encode())
    print(b[i + 8:i + 8 + struct.unpack_from("<H", b, i + 4)[0]].decode("latin-1") if i >= 0 else "")
PY
}

write_text_puzzle small.txt "Timer test"   # 4x4, rows ABCD EFGH IJKL MNOP
"$GW_PUZTOOL" import small.txt timed.puz >import.log 2>&1 || { cat import.log; fail "puztool import failed"; }
cp timed.puz second.puz
section add timed.puz LTIM "754,1"
# Scores around the one the solved puzzle will get (160: 16 letters, no time points
# left after 754 seconds); "same" ties with it and is older, so it lists after it.
printf '[SCORE]\r\nhigh=1000:100:300:100\r\nsame=1000:100:160:100\r\nlow=1000:100:100:100\r\n' >score.dat
"$WINE" reg add 'HKCU\Software\Pellicor\Orvane\PellTimer' /v sortkey /d 2 /f >/dev/null 2>&1

"$WINE" explorer /desktop=gw,1024x768 "$EXE" timed.puz >"$GW_OUT/wine.log" 2>&1 &
tip=$(wait_window 'Tip of the Day') || true
[ -n "$tip" ] || fail "no tip with the first puzzle of the run"
import -window root "$GW_OUT/1-tip.png"
xdotool key Escape
[ -n "$(wait_window 'Gridwell - .*timed')" ] || fail "the puzzle was not opened"
timer=$(wait_window '^Timer$') || true
[ -n "$timer" ] || fail "no timer window"
sleep 3   # a clock that counted would have left 12:34 by now
import -window root "$GW_OUT/2-stopped.png"
import -window "$timer" timer.png
colours=$(convert timer.png -format %c histogram:info:-)
grep -qi '#FF0000' <<<"$colours" || fail "the time is not drawn in red (stopped)"
grep -qi '#00FF00' <<<"$colours" && fail "the time is drawn in green (counting)"

xdotool key Home
for word in ABCD EFGH IJKL MNOP; do
  xdotool type --delay 50 "$word"
  [ "$word" = MNOP ] || xdotool key Return
done
congrats=$(wait_window 'Congra') || true
[ -n "$congrats" ] || fail "the solved puzzle was not congratulated"
xdotool key Return
sleep 1
xdotool key ctrl+s
sleep 2
ltim=$(section get timed.puz LTIM)
[ "$ltim" = "754,1" ] || fail "LTIM after the save: expected '754,1', found '$ltim'"
grep -Eq '^timed=[0-9]+:754:160:100' score.dat || fail "no score entry 'timed=...:754:160:100': $(cat score.dat)"

# The board by score: high, timed, same, low. Delete the second line and see whose it was.
xdotool mousemove --window "$timer" 148 10 click 1
board=$(wait_window 'Orvane Score Board') || true
[ -n "$board" ] || fail "the score board did not open"
sleep 1
import -window root "$GW_OUT/3-board.png"
xdotool key Home Down Tab space
sleep 1
grep -q '^timed=' score.dat && fail "the second line of the board was not the solved puzzle: $(cat score.dat)"
for name in high same low; do grep -q "^$name=" score.dat || fail "entry $name was deleted instead"; done
xdotool key Escape
sleep 1

# A second puzzle in the same run: no tip this time.
xdotool key ctrl+o
open=$(wait_window '^Open') || true
[ -n "$open" ] || fail "no Open dialog"
xdotool type --delay 20 "$(pwd | sed 's|/|\\|g; s|^|Z:|')\\second.puz"
xdotool key Return
[ -n "$(wait_window 'Gridwell - .*second')" ] || fail "the second puzzle was not opened"
sleep 3
xdotool search --onlyvisible --name 'Tip of the Day' >/dev/null 2>&1 && fail "a second tip in the same run"
import -window root "$GW_OUT/4-second.png"
close_program 'Gridwell'

next=$(dump_value "$(reg_dump PellTips)" NextTip)
[ "$next" = "0" ] || fail "PellTips/NextTip after the first run: expected 0, found '$next'"
exit 0
