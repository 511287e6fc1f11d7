#!/usr/bin/env bash
# Window layouts in the real program: started with a layout and sizes stored by an
# earlier run it shows them (grid, prompt, both clue lists; screenshot in $GW_OUT), and
# closing it stores them again for the next run.
set -uo pipefail

EXE=$GW_BIN_DIR/gridwell.exe
if [ ! -f "$EXE" ]; then echo "gridwell.exe is not built yet"; exit 77; fi
[ -f "${GW_SAMPLES:-}/everyday15.puz" ] || { echo "no everyday15.puz sample"; exit 77; }
cd "$GW_OUT" || exit 1
. "$(dirname "${BASH_SOURCE[0]}")/lib/common.bash"
tip_of_day_off

cp "$GW_SAMPLES/everyday15.puz" puzzle.puz
chmod u+w puzzle.puz
key='HKCU\Software\Pellicor\Orvane\layout'
# Across above the grid, Down below it, a taller prompt: what a run in that layout stores.
for pair in type=1014 acclueheight=120 dnclueheight=90 promptHeight=40 promptposition=1035; do
  "$WINE" reg add "$key" /v "${pair%%=*}" /d "${pair#*=}" /f >/dev/null 2>&1 || fail "reg add $pair"
done

"$WINE" explorer /desktop=gw,1024x768 "$EXE" puzzle.puz >wine.log 2>&1 &
frame=$(wait_window 'Gridwell - .*puzzle') || true
[ -n "$frame" ] || fail "no window titled 'Gridwell - ...puzzle'"
sleep 3
import -window root layout-atdb.png
close_program 'Gridwell'

stored=$(reg_dump layout)
for pair in type=1014 acclueheight=120 dnclueheight=90 promptHeight=40 promptposition=1035; do
  got=$(dump_value "$stored" "${pair%%=*}")
  [ "$got" = "${pair#*=}" ] || fail "layout/${pair%%=*} after the run: expected ${pair#*=}, found '$got'"
done
echo "layout stored again: $(tr '\n' ' ' <<<"$stored")"
