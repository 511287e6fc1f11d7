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

# The same program at 100, 150 and 200 %, inside Wine's virtual desktop so that the frames
# show: the toolbar's pictures come from the strip made for the DPI (24, 48 and 48 pixels:
# the next size up, never stretched) and the grid's letters grow with the DPI. Screenshots
# main-96.png, main-144.png and main-192.png are left for people to look at.
# Ending the Wine session ends the program (nothing of this run needs keeping).
"$WINESERVER" -k; sleep 1
"$WINE" reg add 'HKCU\Software\Pellicor\Orvane\Colors' /v CurrentLetter /d 9881600 /f >/dev/null 2>&1 ||
  fail "could not set the current letter's colour"
declare -A toolbar letter
for dpi in 96 144 192; do
  timeout 60 "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 ||
    fail "could not set the DPI"
  "$WINESERVER" -k; sleep 1
  "$WINE" explorer /desktop=gw,1280x1024 "$GW_BIN_DIR/gridwell.exe" everyday15.puz >"wine-$dpi.log" 2>&1 &
  wid=$(wait_window 'Gridwell - ')
  [ -n "$wid" ] || fail "no Gridwell window at $dpi DPI"
  sleep 3
  xdotool windowfocus --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"
  xdotool key --clearmodifiers W Left
  sleep 1
  import -window root "main-$dpi.png"
  read -r bar glyph square < <(python3 "$GW_SOURCE_DIR/tests/e2e/lib/dpi_measure.py" "main-$dpi.png" |
    sed 's/[a-z]*=//g')
  echo "$dpi DPI: toolbar pictures ${bar} px high, the letter W ${glyph} px in a ${square}-px square"
  toolbar[$dpi]=$bar
  letter[$dpi]=$glyph
  # The typed letter is a change: Alt+F4, then No to saving it.
  xdotool key alt+F4
  sleep 2
  xdotool key --clearmodifiers n
  timeout 60 "$WINESERVER" -w
done
[ "${toolbar[96]}" -ge 18 ] && [ "${toolbar[96]}" -le 24 ] || fail "toolbar pictures at 96 DPI: ${toolbar[96]} px"
[ "${toolbar[192]}" -eq $((2 * toolbar[96])) ] || fail "at 192 DPI the toolbar should show the 48-pixel strip"
[ "${toolbar[144]}" -eq "${toolbar[192]}" ] || fail "at 144 DPI the toolbar should take the next larger strip"
[ "${letter[96]}" -gt 0 ] || fail "no letter found in the current square at 96 DPI"
ratio=$((100 * letter[192] / letter[96]))
[ "$ratio" -ge 170 ] && [ "$ratio" -le 230 ] || fail "the letter at 192 DPI is ${ratio}% of its height at 96 DPI"
ratio=$((100 * letter[144] / letter[96]))
[ "$ratio" -ge 125 ] && [ "$ratio" -le 175 ] || fail "the letter at 144 DPI is ${ratio}% of its height at 96 DPI"
echo "pictures and letters follow the DPI"
