#!/usr/bin/env bash
# The speed report: every figure side by side in one run, with its goal and the figure
# measured before this work. A report, not a test: nothing is judged, the exit status
# only says whether the figures could be taken.
#   scripts/speed-report.sh [BUILD_ROOT]   (default: build; uses BUILD_ROOT/native,
#                                           BUILD_ROOT/win64 and, when there, BUILD_ROOT/win32)
# Native figures come from the benchmarks (median of 5 short runs); the Wine figures
# from scripts/measure-startup.sh on stress39.puz (median of GW_MEASURE_RUNS runs).
set -uo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD=${1:-$ROOT/build}
OUT=${GW_MEASURE_OUT:-$BUILD/measure}
mkdir -p "$OUT"
LOG=$OUT/speed-details.txt
: >"$LOG"

bench() {  # bench NAME [FILTER]: the benchmark's own output, into the details
  local exe=$BUILD/native/bench/$1
  [ -x "$exe" ] || { echo "(no $1: build the native tree with the benchmark library)" >>"$LOG"; return 1; }
  (cd "$BUILD/native" && timeout -k 10 300 "$exe" --benchmark_min_time=0.2 --benchmark_repetitions=5 \
    --benchmark_color=false ${2:+--benchmark_filter=$2}) 2>&1 | sed 's/\x1b\[[0-9;]*m//g' | tee -a "$LOG"
}
# The median's real and CPU time (ns) of one benchmark in that output.
median_of() { awk -v n="$1_median" '$1 == n { print $2, $4 }'; }

OPEN=$(bench open_pipeline_bench)
read -r open_real open_cpu < <(echo "$OPEN" | median_of BM_OpenPuzzle)
read -r read_real read_cpu < <(echo "$OPEN" | median_of BM_ReadFileIntoMemory)
KEYS=$(bench keystroke_bench 'BM_TypeChar$')
read -r key_real key_cpu < <(echo "$KEYS" | median_of BM_TypeChar)

W64=$BUILD/win64
X86=$BUILD/win32
WINEFIG=$(GW_MEASURE_OUT=$OUT bash "$ROOT/scripts/measure-startup.sh" "$W64" "$X86" "$ROOT/samples/stress39.puz" 2>&1)
echo "$WINEFIG" >>"$LOG"
ratio() { awk -v a="${1:-0}" -v b="${2:-0}" 'BEGIN { if (a > 0 && b > 0) printf "%.2fx", a / b; else print "n/a" }'; }
startup=$(echo "$WINEFIG" | sed -n 's/.*ratio gridwell \/ minimal: \([0-9.]*\).*/\1x/p')
startms=$(echo "$WINEFIG" | sed -n 's/.*minimal window \([0-9]*\), gridwell \([0-9]*\).*/\2 vs \1 ms/p')
repaint=$(echo "$WINEFIG" | sed -n 's/^repaint: whole 39x39 grid (.*): \([0-9.]*\) ms per repaint/\1 ms/p')
memory=$(echo "$WINEFIG" | sed -n 's/^memory: private memory with [^:]*: \([0-9.]* MB\).*/\1/p')
size() { echo "$WINEFIG" | sed -n "s/^size of $1 ($2): \([0-9]*\) bytes.*/\1/p" | awk '{ if ($1) printf "%.0f KB", $1 / 1024 }'; }

row() { printf '%-44s %-18s %-22s %s\n' "$1" "$2" "$3" "$4"; }
echo
echo "== speed report ($(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg))"
row "figure" "before" "now" "goal"
row "open stress39.puz / read its bytes (wall)" "11.7x" "$(ratio "$open_real" "$read_real")" "<= 4x"
row "  the same in CPU time" "" "$(ratio "$open_cpu" "$read_cpu")" ""
row "  open / read, ns (wall)" "66000 / 5600" "${open_real:-n/a} / ${read_real:-n/a}" ""
row "keystroke on 39x39 (TypeChar + navigation)" "~40 ns" "${key_real:-n/a} ns" "keep ~40 ns"
row "repaint of a 39x39 grid under Wine" "~10 ms" "${repaint:-n/a}" "<= 4 ms"
row "start to first painted grid / minimal" "1.77x" "${startup:-n/a}" "<= 1.3x"
row "  start to first paint (median)" "147 vs 83 ms" "${startms:-n/a}" ""
row "private memory, stress39.puz open" "" "${memory:-n/a}" "<= 12 MB"
for arch in x64 x86; do
  exe=$(size gridwell.exe $arch)
  [ -n "$exe" ] && row "size gridwell.exe ($arch)" "" "$exe" "" \
    && row "  OVtimer.dll / OVtipofday.dll ($arch)" "" "$(size OVtimer.dll $arch) / $(size OVtipofday.dll $arch)" ""
done
echo "(every run's figures: $LOG)"
[ -n "$open_real" ] && [ -n "$repaint" ] && [ -n "$startup" ]
