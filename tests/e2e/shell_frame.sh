#!/usr/bin/env bash
# The main window's frame: started without a file it offers the Open dialog; started on a
# puzzle it shows the puzzle's title, the solving menus and the status bar; closing it ends
# the program and leaves the window settings in the registry. Screenshots in $GW_OUT.
set -uo pipefail

EXE=$GW_BIN_DIR/gridwell.exe
if [ ! -f "$EXE" ]; then
  echo "gridwell.exe is not built yet"
  exit 77
fi
cd "$GW_OUT" || exit 1

. "$(dirname "${BASH_SOURCE[0]}")/lib/common.bash"

# 1. No file: the Open dialog comes first; Escape leaves the empty frame.
"$WINE" explorer /desktop=gw,1024x768 "$EXE" >"$GW_OUT/wine1.log" 2>&1 &
dialog=$(wait_window '^Open$') || true
[ -n "$dialog" ] || fail "no Open dialog at start-up without a file"
sleep 1
import -window root "$GW_OUT/1-open-dialog.png"
xdotool key --window "$dialog" Escape
sleep 2
frame=$(wait_window '^Gridwell$') || true
[ -n "$frame" ] || fail "no window titled Gridwell after cancelling the Open dialog"
xdotool key alt+f
sleep 1
import -window root "$GW_OUT/2-file-menu.png"
xdotool key Escape
xdotool key Escape
close_program '^Gridwell$'
width=$(dump_value "$(reg_dump geometry)" width)
[ "$width" = "640" ] || fail "geometry/width after the first run: expected 640, found '$width'"

# 2. A puzzle on the command line: its name in the title, five menus, the status bar.
write_text_puzzle "$GW_OUT/frame.txt" "Frame test"
"$WINE" explorer /desktop=gw,1024x768 "$EXE" frame.txt >"$GW_OUT/wine2.log" 2>&1 &
warning=$(wait_window 'Gridwell Warning') || true
[ -n "$warning" ] || fail "the binary reader's warning did not come before the text import"
xdotool key --window "$warning" Return
titled=$(wait_window 'Gridwell - .*frame') || true
[ -n "$titled" ] || fail "no window titled 'Gridwell - ...frame' after importing frame.txt"
echo "title: $(xdotool getwindowname "$titled")"
sleep 2
xdotool key alt+s
sleep 1
import -window root "$GW_OUT/3-solution-menu.png"
xdotool key Escape
xdotool key Escape
echo "screenshots: $GW_OUT/*.png"
exit 0
