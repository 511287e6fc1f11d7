#!/usr/bin/env bash
# Measures (a report, not a test):
#   - time from process start to the first painted grid of gridwell.exe under Wine,
#     beside a minimal Win32 program that only shows a window, as a ratio;
#   - time to repaint a whole 39 x 39 grid (from win_tests.exe, when built);
#   - private memory of gridwell.exe with stress39.puz open (from bench/win, when built);
#   - size of gridwell.exe for x64 and x86 (the builds given).
# Usage: scripts/measure-startup.sh [WIN64_BUILD_DIR] [X86_BUILD_DIR] [PUZZLE]
#   defaults: build/win64, build/win32, samples/everyday15.puz (a 15x15 text puzzle is made when missing)
# Runs on a private Xvfb and a private Wine prefix under build/measure/.
set -uo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
W64=${1:-$ROOT/build/win64}
X86=${2:-$ROOT/build/win32}
PUZZLE=${3:-$ROOT/samples/everyday15.puz}
[ -f "$PUZZLE" ] || [ -n "${3:-}" ] || PUZZLE=$ROOT/samples/everyday15.txt
RUNS=${GW_MEASURE_RUNS:-7}
OUT=${GW_MEASURE_OUT:-$ROOT/build/measure}
mkdir -p "$OUT"
EXE=$W64/bin/gridwell.exe
[ -f "$EXE" ] || { echo "no gridwell.exe in $W64/bin: build the win64 program first"; exit 1; }

export WINEPREFIX=$OUT/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

# A display of our own.
DISP=${GW_MEASURE_DISPLAY:-:171}
Xvfb "$DISP" -screen 0 1280x1024x24 >/dev/null 2>&1 &
XVFB=$!
export DISPLAY=$DISP
trap '"$WINESERVER" -k 2>/dev/null; kill $XVFB 2>/dev/null' EXIT
sleep 1

x86_64-w64-mingw32-windres -I "$ROOT/scripts/measure" "$ROOT/scripts/measure/minimal_window.rc" -O coff \
  -o "$OUT/minimal_window.res" \
  && x86_64-w64-mingw32-gcc -O2 -mwindows -static -o "$OUT/minimal.exe" "$ROOT/scripts/measure/minimal_window.c" \
    "$OUT/minimal_window.res" -lcomctl32 \
  || { echo "cannot build the minimal program"; exit 1; }

if [ ! -f "$PUZZLE" ]; then
  PUZZLE=$OUT/measure15.txt
  python3 - "$PUZZLE" <<'PY'
import sys
rows = []
for y in range(15):
    rows.append("".join("." if (x * 7 + y * 3) % 11 == 0 else chr(65 + (x + y) % 26) for x in range(15)))
def words(lines):
    n = 0
    for line in lines:
        for run in line.split("."):
            if len(run) >= 2:
                n += 1
    return n
cols = ["".join(r[x] for r in rows) for x in range(15)]
a, d = words(rows), words(cols)
with open(sys.argv[1], "w") as f:
    f.write("<ORVANE PUZZLE>\n<TITLE>\nMeasure\n<AUTHOR>\nGridwell\n<COPYRIGHT>\n2026\n<SIZE>\n15x15\n<GRID>\n")
    f.write("\n".join(rows) + "\n<ACROSS>\n")
    f.write("".join(f"Across {i}\n" for i in range(a)))
    f.write("<DOWN>\n")
    f.write("".join(f"Down {i}\n" for i in range(d)))
PY
fi
# The program takes Windows paths (a word starting with "/" is a switch): run beside the file.
cp "$PUZZLE" "$OUT/" && PUZZLE=$(basename "$PUZZLE")
cd "$OUT" || exit 1

"$WINE" wineboot -i >/dev/null 2>&1
"$WINESERVER" -w
# Wine's own fonts, as a user's Wine has them (without them painting looks for them in vain).
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true

# Wall time of one run, in milliseconds; the program leaves after its first paint.
run_ms() {
  local start end
  start=$(date +%s%N)
  GW_EXIT_AFTER_FIRST_PAINT=1 timeout 60 "$WINE" "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'; }

# Warm up both (first runs load Wine's libraries from disk).
run_ms "$OUT/minimal.exe" >/dev/null
run_ms "$EXE" "$PUZZLE" >/dev/null
: >"$OUT/minimal.times"
: >"$OUT/gridwell.times"
for ((i = 0; i < RUNS; i++)); do
  run_ms "$OUT/minimal.exe" >>"$OUT/minimal.times"
  run_ms "$EXE" "$PUZZLE" >>"$OUT/gridwell.times"
done
MIN=$(median <"$OUT/minimal.times")
GW=$(median <"$OUT/gridwell.times")
echo "start to first paint, median of $RUNS (ms): minimal window $MIN, gridwell $GW ($(basename "$PUZZLE"))"
echo "  runs: minimal $(tr '\n' ' ' <"$OUT/minimal.times")| gridwell $(tr '\n' ' ' <"$OUT/gridwell.times")"
awk -v g="$GW" -v m="$MIN" 'BEGIN { printf "  ratio gridwell / minimal: %.2f (goal <= 1.3)\n", g / m }'
# Every library in the import table is loaded before WinMain runs.
if command -v x86_64-w64-mingw32-objdump >/dev/null; then
  echo "  gridwell.exe imports: $(x86_64-w64-mingw32-objdump -p "$EXE" | awk '/DLL Name:/ {print $3}' | tr '\n' ' ')"
fi

TESTS=$W64/tests/win_tests.exe
if [ -f "$TESTS" ]; then
  "$WINE" "$TESTS" --gtest_also_run_disabled_tests --gtest_filter='GridPictures.DISABLED_RepaintWholeLargeGrid' 2>&1 \
    | grep -E 'ms per' | sed 's/^/repaint: /'
fi

MEMORY=$W64/bench/private_memory_bench.exe
if [ -f "$MEMORY" ]; then
  "$WINE" "$MEMORY" 2>&1 | tr -d '\r' | sed 's/^/memory: /'
fi

for dir in "$W64" "$X86"; do
  [ -f "$dir/bin/gridwell.exe" ] || continue
  arch=$(file -b "$dir/bin/gridwell.exe" | grep -q x86-64 && echo x64 || echo x86)
  echo "size of gridwell.exe ($arch): $(stat -c %s "$dir/bin/gridwell.exe") bytes ($dir)"
  for dll in "$dir"/bin/Plugins/Tools/*.dll; do
    [ -f "$dll" ] && echo "size of $(basename "$dll") ($arch): $(stat -c %s "$dll") bytes"
  done
done
