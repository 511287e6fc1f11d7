#!/usr/bin/env bash
# Printing through a real print system: CUPS with a queue that writes PDFs, which Wine
# offers as its printer. Quick print of everyday15.puz (the puzzle) and of rebus.puz (the
# solution), then two copies of a two-page print chosen in the item and print dialogs. Each PDF is
# checked by its words and their positions and turned into PNGs (in $GW_OUT) to look at.
set -uo pipefail

EXE=$GW_BIN_DIR/gridwell.exe
POST=$GW_BIN_DIR/tools/post_command.exe
QUEUE=GridwellE2E
cd "$GW_OUT" || exit 1
. "$(dirname "${BASH_SOURCE[0]}")/lib/common.bash"
tip_of_day_off

[ -f "$EXE" ] || fail "gridwell.exe is not built"
[ -f "$POST" ] || fail "tools/post_command.exe is not built (tests/win/tests.cmake builds it)"
for tool in cupsd lpadmin lpstat pdftoppm pdftotext pdfinfo; do
  command -v "$tool" >/dev/null || fail "$tool is missing: scripts/install-deps.sh installs cups, printer-driver-cups-pdf and poppler-utils"
done
[ -e /usr/lib/cups/backend/cups-pdf ] || fail "the cups-pdf backend is missing (printer-driver-cups-pdf)"

scheduler_up() { lpstat -r 2>/dev/null | grep -qx 'scheduler is running'; }

# CI has no service manager: start the scheduler here when nothing runs one.
start_cups() {
  if ! scheduler_up; then
    [ "$(id -u)" -eq 0 ] || fail "no CUPS scheduler is running and only root can start one"
    cupsd || fail "cupsd did not start"
    for _ in $(seq 1 30); do scheduler_up && break; sleep 1; done
  fi
  scheduler_up || fail "the CUPS scheduler did not come up"
  local ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
  [ -f "$ppd" ] || fail "no CUPS-PDF PPD at $ppd"
  lpadmin -p "$QUEUE" -E -v cups-pdf:/ -P "$ppd" 2>lpadmin.log || fail "lpadmin: $(cat lpadmin.log)"
  # Wine takes the system's default destination as the default printer.
  lpadmin -d "$QUEUE" || fail "could not make $QUEUE the default destination"
  lpstat -d | grep -q "$QUEUE" || fail "$QUEUE is not the default destination: $(lpstat -d)"
}

# The PDF that cups-pdf writes for the next job of the document (its folder is the job
# owner's ~/PDF). Picked by its title, the document name, since on a shared machine
# other jobs may land in the same folder meanwhile.
wait_pdf() {  # marker-file document-name -> path
  local pdf
  for _ in $(seq 1 90); do
    if [ -z "$(lpstat -o "$QUEUE" 2>/dev/null)" ]; then
      while IFS= read -r pdf; do
        [ "$(pdfinfo "$pdf" 2>/dev/null | sed -n 's/^Title: *//p')" = "$2" ] || continue
        sleep 1
        echo "$pdf"
        return 0
      done < <(find "${HOME:-/root}/PDF" /root/PDF /var/spool/cups-pdf -name '*.pdf' -newer "$1" 2>/dev/null)
    fi
    sleep 1
  done
  return 1
}

start_program() {  # puzzle
  cp "$GW_SAMPLES/$1" "$1" && chmod u+w "$1"
  "$WINE" explorer /desktop=gw,1024x768 "$EXE" "$1" >>wine.log 2>&1 &
  [ -n "$(wait_window "Gridwell - .*${1%.puz}")" ] || fail "no window for $1"
  sleep 2
}

post() {  # command id
  timeout 60 "$WINE" explorer /desktop=gw,1024x768 "$POST" "$1" || fail "could not post command $1 to the program"
}

to_png() {  # pdf name
  pdftoppm -r 100 -png "$1" "$2" || fail "pdftoppm $1"
}

words() { pdftotext -bbox "$1" - 2>/dev/null; }
# xMin and yMin of the first word that is exactly $2 on page $3 (1-based)
word_at() {
  words "$1" | awk -v w="$2" -v p="$3" '
    /<page / {page++}
    page == p && /<word / {
      text = $0; sub(/.*">/, "", text); sub(/<\/word>.*/, "", text)
      if (text == w) { match($0, /xMin="[0-9.]+"/); x = substr($0, RSTART + 6, RLENGTH - 7)
                       match($0, /yMin="[0-9.]+"/); y = substr($0, RSTART + 6, RLENGTH - 7)
                       printf "%d %d\n", x, y; exit } }'
}
# Text of a page with every blank removed, so that wrapped clues read whole again (the
# PostScript fonts name '-' "hyphen", which comes back as a soft hyphen).
squeezed() { pdftotext -f "$2" -l "$2" -raw "$1" - 2>/dev/null | sed 's/\xc2\xad/-/g' | tr -d ' \n\r\t'; }
clues_of() { awk '/^<(ACROSS|DOWN)>/ {on = 1; next} /^</ {on = 0} on && NF' "$GW_SAMPLES/$1"; }
pages() { pdfinfo "$1" | awk '/^Pages:/ {print $2}'; }

expect_all_clues() {  # pdf page text-source
  local text missing=0 clue
  text=$(squeezed "$1" "$2")
  while IFS= read -r clue; do
    grep -qF -- "$(tr -d ' \t' <<<"$clue")" <<<"$text" || { echo "missing or cut clue: $clue"; missing=$((missing + 1)); }
  done < <(clues_of "$3")
  [ "$missing" -eq 0 ] || fail "$missing clue(s) of $3 missing or cut on page $2 of $1"
}

# The grid is square when the first number (top-left cell) is as far from the top-right
# corner's number as from the bottom-left corner's.
expect_square() {  # pdf page first right bottom cells-between
  local a b c
  a=$(word_at "$1" "$3" "$2") b=$(word_at "$1" "$4" "$2") c=$(word_at "$1" "$5" "$2")
  [ -n "$a" ] && [ -n "$b" ] && [ -n "$c" ] || fail "grid numbers $3, $4, $5 not all found on page $2"
  read -r ax ay <<<"$a"; read -r bx by <<<"$b"; read -r cx cy <<<"$c"
  local dx=$((bx - ax)) dy=$((cy - ay))
  echo "grid: $3 at $a, $4 at $b, $5 at $c (across $dx, down $dy points)"
  [ $((dx > dy ? dx - dy : dy - dx)) -le 3 ] || fail "the grid is not square: $dx points across, $dy down"
  [ "$((by - ay))" -le 1 ] && [ "$((by - ay))" -ge -1 ] || fail "numbers $3 and $4 are not on one row"
}

start_cups

# ---- quick print of the puzzle as currently filled
touch marker1
start_program everyday15.puz
post 40062
pdf=$(wait_pdf marker1 everyday15.puz) || fail "no PDF after quick print of everyday15.puz; queue: $(lpstat -o "$QUEUE");" \
  "Wine's printers (none when it cannot load libcups.so.2):" \
  "$(timeout 60 "$WINE" reg query 'HKLM\System\CurrentControlSet\Control\Print\Printers' 2>&1 | tr -d '\r' | grep -v '^$')"
cp "$pdf" everyday15.pdf
close_program 'Gridwell'
to_png everyday15.pdf everyday15
[ "$(pages everyday15.pdf)" = 1 ] || fail "everyday15: expected 1 page, got $(pages everyday15.pdf)"
expect_all_clues everyday15.pdf 1 everyday15.txt
expect_square everyday15.pdf 1 1 10 65
title=$(word_at everyday15.pdf Everyday 1) grid=$(word_at everyday15.pdf 1 1)
copyright=$(word_at everyday15.pdf Gridwell 1)
read -r tx ty <<<"$title"; read -r gx gy <<<"$grid"
[ "$ty" -lt "$gy" ] || fail "the title ($title) is not above the grid ($grid)"
[ "$tx" -lt "$gx" ] || fail "the title ($title) does not start left of the grid ($grid): clues stand left of it"
echo "everyday15: one page, every clue whole, title at $title, grid from $grid"

# ---- quick print of the solution
touch marker2
start_program rebus.puz
post 40063
pdf=$(wait_pdf marker2 rebus.puz) || fail "no PDF after quick print of the solution of rebus.puz"
cp "$pdf" rebus-solution.pdf
close_program 'Gridwell'
to_png rebus-solution.pdf rebus-solution
text=$(squeezed rebus-solution.pdf 1)
grep -q 'RebusSampler' <<<"$text" || fail "the solution page has no title"
grep -q 'ACROSS' <<<"$text" && fail "the solution page carries the clues"
grep -q 'GridwellTeam' <<<"$text" && fail "the solution page carries the author"
grep -q '2026Gridwellproject' <<<"$text" || fail "the solution page has no copyright"
grep -q 'ONE' <<<"$text" || fail "the solution's multi-letter entry ONE is not printed"
[ -n "$(word_at rebus-solution.pdf S 1)" ] && [ -n "$(word_at rebus-solution.pdf K 1)" ] || fail "solution letters missing"
echo "rebus solution: title, grid with the solution, copyright; no clues, no author"

# ---- Print...: the item dialog (two pages) and the print dialog
touch marker3
start_program everyday15.puz
post 40006
[ -n "$(wait_window 'Select items to print')" ] || fail "the item dialog did not open"
sleep 1
import -window root items-dialog.png
xdotool key Tab space Return  # past the presets to "Print using two pages", then OK
[ -n "$(wait_window '^Print$')" ] || fail "the print dialog did not open"
sleep 1
xdotool key alt+c && sleep 0.3 && xdotool key ctrl+a BackSpace && xdotool type 2  # two copies
sleep 0.5
import -window root print-dialog.png
xdotool key Return
pdf=$(wait_pdf marker3 everyday15.puz) || fail "no PDF after Print with two pages"
cp "$pdf" two-pages.pdf
close_program 'Gridwell'
to_png two-pages.pdf two-pages
[ "$(pages two-pages.pdf)" = 4 ] || fail "two copies of two pages: got $(pages two-pages.pdf) page(s)"
for first in 1 3; do
  squeezed two-pages.pdf $first | grep -q 'ACROSS' && fail "page $first carries the clues"
  expect_square two-pages.pdf $first 1 10 65
  expect_all_clues two-pages.pdf $((first + 1)) everyday15.txt
  [ -z "$(word_at two-pages.pdf 65 $((first + 1)))" ] || fail "page $((first + 1)) carries the grid"
done
echo "two copies of two pages: the grid on pages 1 and 3, every clue on pages 2 and 4"
