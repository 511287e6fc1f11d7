#!/usr/bin/env bash
# Smoke test: the program starts on a text puzzle named on the command line, shows its main
# window and keeps running (no crash dialog). Leaves a screenshot in $GW_OUT.
set -uo pipefail

EXE=$GW_BIN_DIR/gridwell.exe
if [ ! -f "$EXE" ]; then
  echo "gridwell.exe is not built yet"
  exit 77
fi

cat >"$GW_OUT/smoke.txt" <<'PUZ'
<ORVANE PUZZLE>
<TITLE>
Smoke test
<AUTHOR>
Gridwell tests
<COPYRIGHT>
2026
<SIZE>
3x3
<GRID>
CAT
A.A
TAR
<ACROSS>
Pet that purrs
Road surface
<DOWN>
Feline
Pitch
PUZ

cd "$GW_OUT" || exit 1
. "$(dirname "${BASH_SOURCE[0]}")/lib/common.bash"
"$WINE" "$EXE" smoke.txt >"$GW_OUT/wine.log" 2>&1 &
pid=$!

if ! wid=$(wait_window 'Gridwell' 120); then  # the first start in a new prefix can be slow
  echo "no window named Gridwell appeared within 120 s"
  import -window root "$GW_OUT/no-window.png" 2>/dev/null
  exit 1
fi
echo "main window: $(xdotool getwindowname "$wid")"
sleep 3
import -window root "$GW_OUT/main-window.png" && echo "screenshot: $GW_OUT/main-window.png"

if xdotool search --name 'Program Error' >/dev/null 2>&1; then
  echo "Wine's crash dialog is up: the program crashed"
  exit 1
fi
if ! kill -0 "$pid" 2>/dev/null; then
  wait "$pid"
  echo "the program exited on its own (exit $?) instead of waiting for the user"
  exit 1
fi
echo "the program is up and running"
