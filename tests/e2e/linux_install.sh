#!/usr/bin/env bash
# The Linux desktop install end to end, in a throw-away home: install-linux.sh puts the
# program, the launcher, the menu entry and the file types in place (the entry validates;
# a .puz, a puzzle saved without its extension, an .ipuz and a .jpz are our types, with
# Gridwell their default); the launcher makes its prefix and opens "~/Puzzles/week end
# café.puz"; a second run finds the setting the first one left; the uninstall keeps the
# prefix, --purge takes it too, and the user's puzzles (a solved sample among them) and
# other default programs are all that is left.
set -uo pipefail
cd "$GW_OUT" || exit 1
. "$GW_SOURCE_DIR/tests/e2e/lib/common.bash"

[ -f "$GW_BIN_DIR/gridwell.exe" ] || { echo "gridwell.exe is not built yet"; exit 77; }
for tool in desktop-file-validate xdg-mime gio update-mime-database update-desktop-database; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh installs it)"
done

export HOME=$GW_OUT/home
unset XDG_DATA_HOME XDG_CONFIG_HOME
# xdg-mime asks the desktop's own tool for a file's type: GNOME's (gio), as on Debian's desktop.
export XDG_CURRENT_DESKTOP=GNOME
DATA=$HOME/.local/share
export WINEPREFIX=$DATA/gridwell/prefix
# The test's own Wine commands in that prefix run as the launcher runs the program: without
# winemenubuilder, which would otherwise put Wine's menu folders into the home.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
trap '[ -d "$WINEPREFIX" ] && "$WINESERVER" -k 2>/dev/null' EXIT
mkdir -p "$HOME/Puzzles"
PUZZLE="$HOME/Puzzles/week end café.puz"
cp "$GW_SAMPLES/everyday15.puz" "$PUZZLE"
cp "$GW_SAMPLES/everyday15.puz" "$HOME/Puzzles/saved without extension"
cp "$GW_SAMPLES/sampler.ipuz" "$HOME/Puzzles/sampler.ipuz"
printf '<?xml version="1.0"?>\n<crossword-compiler/>\n' >"$HOME/Puzzles/compiled.jpz"
mkdir -p "$HOME/.config"
printf '[Default Applications]\ntext/plain=org.gnome.TextEditor.desktop\n' >"$HOME/.config/mimeapps.list"
cp "$HOME/.config/mimeapps.list" defaults-before
mine=$(cd "$HOME" && find . -mindepth 1 | sort)

bash "$GW_SOURCE_DIR/scripts/install-linux.sh" --from "$GW_BIN_DIR" >install.log 2>&1 ||
  { cat install.log; fail "install-linux.sh exited with $?"; }
desktop=$DATA/applications/gridwell.desktop
problems=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate failed: $problems"
[ -z "$problems" ] || fail "desktop-file-validate: $problems"

expect_type() {  # file type
  local got
  got=$(xdg-mime query filetype "$1")
  [ "$got" = "$2" ] || fail "xdg-mime gives '$got' for $(basename "$1"), expected $2"
}
expect_type "$PUZZLE" application/x-orvane-puzzle
expect_type "$HOME/Puzzles/saved without extension" application/x-orvane-puzzle
expect_type "$HOME/Puzzles/sampler.ipuz" application/x-ipuz
expect_type "$HOME/Puzzles/compiled.jpz" application/x-crossword-compiler
for type in application/x-orvane-puzzle application/x-ipuz application/x-crossword-compiler; do
  got=$(xdg-mime query default "$type")
  [ "$got" = gridwell.desktop ] || fail "the default for $type is '$got', not gridwell.desktop"
done

# run N: the launcher on the puzzle, as the menu entry's Exec runs it; the title names the
# file; the tip of the day (first puzzle of a run) is closed, then the program.
run() {
  "$HOME/.local/bin/gridwell" "$PUZZLE" >"run$1.log" 2>&1 &
  local tip wid title
  tip=$(wait_window 'Tip of the Day' 120)
  [ -n "$tip" ] || { cat "run$1.log"; fail "run $1: no Gridwell window"; }
  xdotool windowfocus --sync "$tip" key Escape
  for _ in $(seq 1 20); do
    xdotool search --onlyvisible --name 'Tip of the Day' >/dev/null 2>&1 || break
    sleep 0.5
  done
  wid=$(wait_window 'week end café')
  [ -n "$wid" ] || fail "run $1: no window titled with the puzzle"
  title=$(xdotool getwindowname "$wid")
  echo "run $1: $title"
  case $title in "Gridwell - "*'\Puzzles\week end café'*) ;; *) fail "run $1: unexpected title '$title'" ;; esac
  import -window root "$GW_OUT/run$1.png"
  xdotool windowfocus --sync "$wid"
  close_program 'week end café'
}
next_tip() { dump_value "$(reg_dump PellTips)" NextTip; }

run 1
[ -f "$WINEPREFIX/system.reg" ] || fail "the first run made no prefix in $WINEPREFIX"
first=$(next_tip)
[ -n "$first" ] || fail "no PellTips/NextTip after the first run"
run 2
second=$(next_tip)
[ "$second" = $((first + 1)) ] || fail "NextTip after the second run is '$second', after the first '$first'"

# A sample solved in the program's own Puzzles folder is the user's now.
solved=$DATA/gridwell/program/Puzzles/rebus.puz
cp "$GW_SAMPLES/everyday15.puz" "$solved"
mine=$(printf '%s\n' "$mine" ./.local ./.local/share ./.local/share/gridwell ./.local/share/gridwell/program \
  ./.local/share/gridwell/program/Puzzles ./.local/share/gridwell/program/Puzzles/rebus.puz | sort)

bash "$GW_SOURCE_DIR/scripts/uninstall-linux.sh" >uninstall.log 2>&1 ||
  { cat uninstall.log; fail "uninstall-linux.sh exited with $?"; }
grep -q '^"NextTip"="'"$second"'"' "$WINEPREFIX/user.reg" || fail "the uninstall did not keep the settings in the prefix"
for type in application/x-orvane-puzzle application/x-ipuz; do
  got=$(xdg-mime query default "$type")
  [ -z "$got" ] || fail "after the uninstall the default for $type is still '$got'"
done
cmp -s defaults-before "$HOME/.config/mimeapps.list" || fail "the uninstall changed the user's other defaults"
left=$(cd "$HOME" && find . -mindepth 1 -path ./.local/share/gridwell/prefix -prune -o -print | sort)
[ "$left" = "$mine" ] || fail "after the uninstall, home differs from the user's own files:"$'\n'"$(diff <(echo "$mine") <(echo "$left"))"

bash "$GW_SOURCE_DIR/scripts/uninstall-linux.sh" --purge >purge.log 2>&1 ||
  { cat purge.log; fail "uninstall-linux.sh --purge exited with $?"; }
left=$(cd "$HOME" && find . -mindepth 1 | sort)
[ "$left" = "$mine" ] || fail "after --purge, home differs from the user's own files:"$'\n'"$(diff <(echo "$mine") <(echo "$left"))"
cmp -s "$PUZZLE" "$GW_SAMPLES/everyday15.puz" || fail "the puzzle changed"
cmp -s "$solved" "$GW_SAMPLES/everyday15.puz" || fail "the solved sample changed"
echo "installed, opened from the launcher twice with the setting kept, and uninstalled cleanly"
