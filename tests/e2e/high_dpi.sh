#!/usr/bin/env bash
# On a 144-DPI screen (Wine's LogPixels) the program opens at a size that keeps its
# proportions: the default window is scaled from 640 by 480 and its fonts follow the DPI.
# Screenshots at 144 DPI are left in $GW_OUT for people to look at.
set -uo pipefail
cd "$GW_OUT" || exit 1
. "$GW_SOURCE_DIR/tests/e2e/lib/common.bash"

[ -f "$GW_BIN_DIR/gridwell.exe" ] || { echo "gridwell.exe is not built yet"; exit 77; }

timeout 60 "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1 ||
  fail "could not set the DPI"
tip_of_day_off
# The display settings are read when Wine starts its services: start them again.
"$WINESERVER" -k; sleep 1

cp "$GW_SAMPLES/everyday15.puz" "$GW_OUT/"
"$WINE" "$GW_BIN_DIR/gridwell.exe" everyday15.puz >wine.log 2>&1 &
wid=$(wait_window 'Gridwell')
[ -n "$wid" ] || fail "no Gridwell window"
sleep 3
import -window root "$GW_OUT/main-144dpi.png"
# Without a window manager the X window leaves out the frame and caption Wine would draw
# (about 10 and 40 pixels at this DPI): unscaled, it would be about 630 by 440.
width=$(xdotool getwindowgeometry --shell "$wid" | awk -F= '$1 == "WIDTH" {print $2}')
height=$(xdotool getwindowgeometry --shell "$wid" | awk -F= '$1 == "HEIGHT" {print $2}')
echo "main window at 144 DPI: ${width}x${height} without its frame (960x720 with it)"
[ "$width" -ge 930 ] && [ "$width" -le 960 ] || fail "window width $width: the default size was not scaled to the DPI"
[ "$height" -ge 660 ] && [ "$height" -le 720 ] || fail "window height $height: the default size was not scaled to the DPI"
echo "the window keeps its proportions at 144 DPI"
