#!/usr/bin/env bash
# The long GUI soak: 10,000 seeded random actions on the real program under Wine, on a
# private display and a fresh Wine prefix, then a report (actions, saves and openings
# compared with the files, close-and-reopen cycles, dialogs answered, time, failures).
#   bash scripts/soak-long.sh [--actions N] [--seed N] [--puzzle FILE]
# A failure names its seed and action; `--seed N` runs exactly those actions again.
# Everything the run leaves (soak.log, checks/, soak-result.txt) is in build/soak-long/.
set -uo pipefail

cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD=${GW_BUILD_ROOT:-$ROOT/build}
case $BUILD in /*) ;; *) BUILD=$ROOT/$BUILD ;; esac
JOBS=${GW_JOBS:-2}
ACTIONS=10000
SEED=""
PUZZLE=$ROOT/samples/everyday15.puz
while [ $# -gt 0 ]; do
  case $1 in
    --actions) ACTIONS=$2 ;;
    --seed) SEED=$2 ;;
    --puzzle) PUZZLE=$(realpath "$2") ;;
    *) echo "usage: $0 [--actions N] [--seed N] [--puzzle FILE]"; exit 2 ;;
  esac
  shift 2
done

. "$ROOT/scripts/lib.sh"
trap 'stop_all_prefixes; stop_xvfb' EXIT

echo "== building what the soak runs (build/win64: the program, its tools, the driver; build/native: puztool)"
if [ ! -f "$BUILD/win64/CMakeCache.txt" ]; then
  cmake -S "$ROOT" -B "$BUILD/win64" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-x64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DGW_BENCH=OFF >/dev/null || exit 1
fi
cmake --build "$BUILD/win64" -j "$JOBS" --target gridwell OVtimer OVtipofday soak_driver testtool_soak >/dev/null ||
  { echo "the Windows build failed"; exit 1; }
if [ ! -f "$BUILD/native/CMakeCache.txt" ]; then
  cmake -S "$ROOT" -B "$BUILD/native" -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 1
fi
cmake --build "$BUILD/native" -j "$JOBS" --target puztool >/dev/null || { echo "the native build failed"; exit 1; }

OUT=$BUILD/soak-long
rm -rf "$OUT"
mkdir -p "$OUT"
start_xvfb || exit 1
new_prefix "$OUT/wine" || { echo "wineboot failed"; exit 1; }

echo "== soak: $ACTIONS actions on $(basename "$PUZZLE")"
(
  cd "$OUT" &&
  export DISPLAY=$GW_DISPLAY WINEPREFIX=$OUT/wine WINE=$WINE_LOADER WINESERVER=$WINE_SERVER \
    GW_BIN_DIR=$BUILD/win64/bin GW_PUZTOOL=$BUILD/native/puztool GW_SOURCE_DIR=$ROOT &&
  . "$ROOT/tests/e2e/lib/soak.bash" &&
  run_soak "$ACTIONS" "$SEED" "$PUZZLE"
)
rc=$?
echo "== soak $([ $rc -eq 0 ] && echo passed || echo FAILED); log and checks in $OUT"
exit $rc
