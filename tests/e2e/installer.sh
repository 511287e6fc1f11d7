#!/usr/bin/env bash
# The installer end to end, in this script's fresh prefix: a silent install puts the files,
# the Start-menu entry, the .puz, .ipuz and .jpz associations, the Open With entry and the uninstall
# entry in place; a .puz, an .ipuz and a .jpz with spaces in their paths, opened through the
# shell, start the installed gridwell on that file; a silent uninstall removes exactly what
# was installed (a puzzle of the user's and the settings stay).
set -uo pipefail
cd "$GW_OUT" || exit 1
. "$GW_SOURCE_DIR/tests/e2e/lib/common.bash"

[ -f "$GW_BIN_DIR/gridwell.exe" ] || { echo "gridwell.exe is not built yet"; exit 77; }
setup=$(ls "$GW_BIN_DIR"/../installer/gridwell-*-x64-setup.exe 2>/dev/null | head -1)
[ -n "$setup" ] || fail "no installer in $GW_BIN_DIR/../installer (are nsis and fp-utils installed?)"
echo "installer: $setup"

CLASSES='HKCU\Software\Classes'
UNINSTALL='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Gridwell'
SETTINGS='HKCU\Software\Pellicor\Orvane'

# The default value (or a named one) of a key, empty when the key or value is missing.
reg_value() {  # key [name]
  local args=(/ve)
  [ $# -gt 1 ] && args=(/v "$2")
  "$WINE" reg query "$1" "${args[@]}" 2>/dev/null | tr -d '\r' | awk '$0 ~ /REG_/ { sub(/^.*REG_[A-Z_]+ */, ""); print; exit }'
}
key_exists() { "$WINE" reg query "$1" >/dev/null 2>&1; }

"$WINE" "$setup" /S >install.log 2>&1 || fail "the silent install exited with $?"
timeout 120 "$WINESERVER" -w

location=$(reg_value "$UNINSTALL" InstallLocation)
[ -n "$location" ] || fail "no InstallLocation in the uninstall entry"
dir=$("$WINE" winepath -u "$location" 2>/dev/null | tr -d '\r')
echo "installed in $location ($dir)"
installed=(gridwell.exe GRIDWELL.CHM Uninstall.exe Plugins/Tools/OVtimer.dll Plugins/Tools/OVtipofday.dll
  Plugins/Tools/OVTimer.chm Images/tlogo.bmp Puzzles/everyday15.puz Puzzles/sunday21.puz Puzzles/sampler.ipuz Puzzles/wordsquare.jpz)
for f in "${installed[@]}"; do
  [ -s "$dir/$f" ] || fail "$f was not installed"
done
cmp -s "$dir/gridwell.exe" "$GW_BIN_DIR/gridwell.exe" || fail "the installed gridwell.exe is not the one built"
startmenu=$(find "$WINEPREFIX/drive_c/users" -name Gridwell.lnk -path '*Start Menu*' | head -1)
[ -n "$startmenu" ] || fail "no Start-menu entry"

expected="\"$location\\gridwell.exe\" \"%1\""
[ "$(reg_value "$CLASSES\\.puz")" = Gridwell.Puzzle ] || fail ".puz is not associated with Gridwell.Puzzle"
key_exists "$CLASSES\\.puz\\OpenWithProgids" || fail "no OpenWithProgids under .puz"
[ "$(reg_value "$CLASSES\\.ipuz")" = Gridwell.Puzzle ] || fail ".ipuz is not associated with Gridwell.Puzzle"
[ "$(reg_value "$CLASSES\\.jpz")" = Gridwell.Puzzle ] || fail ".jpz is not associated with Gridwell.Puzzle"
[ "$(reg_value "$CLASSES\\Gridwell.Puzzle\\shell\\open\\command")" = "$expected" ] ||
  fail "open command is '$(reg_value "$CLASSES\\Gridwell.Puzzle\\shell\\open\\command")', expected '$expected'"
[ "$(reg_value "$CLASSES\\Applications\\gridwell.exe\\shell\\open\\command")" = "$expected" ] ||
  fail "no Open With entry with the quoted command"
[ "$(reg_value "$UNINSTALL" UninstallString)" = "\"$location\\Uninstall.exe\"" ] || fail "wrong UninstallString"
[ -n "$(reg_value "$UNINSTALL" DisplayVersion)" ] || fail "no DisplayVersion"

# Open a puzzle through the shell. Windows merges the user's classes into HKEY_CLASSES_ROOT;
# Wine 8 does not, so the user's keys are mirrored into the machine's classes first and
# the shell's own lookup (start -> ShellExecuteEx) then finds the command.
for k in .puz .ipuz .jpz Gridwell.Puzzle; do
  "$WINE" reg copy "$CLASSES\\$k" "HKLM\\Software\\Classes\\$k" /s /f >/dev/null 2>&1 || fail "reg copy of $k failed"
done
mkdir -p "$WINEPREFIX/drive_c/My Puzzles"

# open_through_shell SAMPLE NAME EXT: a copy of the sample, with a space in its name, opened
# with "start"; the window's title names the file (an imported one by the .puz it saves to).
open_through_shell() {
  cp "$GW_SAMPLES/$1" "$WINEPREFIX/drive_c/My Puzzles/$2.$3"
  "$WINE" start "C:\\My Puzzles\\$2.$3" >"start-$3.log" 2>&1 &
  local wid title
  wid=$(wait_window "$2")
  [ -n "$wid" ] || fail "no Gridwell window on '$2.$3' after opening it through the shell"
  title=$(xdotool getwindowname "$wid")
  echo "opened through the .$3 association: $title"
  case $title in "Gridwell - C:\\My Puzzles\\$2"*) ;; *) fail "unexpected window title '$title'" ;; esac
  import -window root "$GW_OUT/opened-$3.png"
  "$WINESERVER" -k; sleep 1
}
open_through_shell everyday15.puz 'every day' puz
open_through_shell sampler.ipuz 'week end' ipuz
open_through_shell wordsquare.jpz 'word square' jpz

# Something of the user's in each kind of place the uninstaller must leave alone.
"$WINE" reg add "$SETTINGS\\display" /v toolbar /t REG_DWORD /d 1 /f >/dev/null 2>&1
cp "$GW_SAMPLES/rebus.puz" "$dir/Puzzles/my own.puz"

"$WINE" "$dir/Uninstall.exe" /S >uninstall.log 2>&1 || fail "the silent uninstall exited with $?"
timeout 120 "$WINESERVER" -w
for f in "${installed[@]}"; do
  [ -e "$dir/$f" ] && fail "$f is still there after the uninstall"
done
for d in Plugins Images; do [ -e "$dir/$d" ] && fail "the folder $d is still there"; done
[ -f "$dir/Puzzles/my own.puz" ] || fail "the uninstall removed a puzzle of the user's"
[ -e "$startmenu" ] && fail "the Start-menu entry is still there"
for k in "$CLASSES\\.puz" "$CLASSES\\.ipuz" "$CLASSES\\.jpz" "$CLASSES\\Gridwell.Puzzle" "$CLASSES\\Applications\\gridwell.exe" "$UNINSTALL"; do
  key_exists "$k" && fail "$k is still in the registry"
done
[ "$(reg_value "$SETTINGS\\display" toolbar)" = 0x1 ] || fail "the silent uninstall removed the settings"
echo "installed, opened through the association and uninstalled cleanly"
