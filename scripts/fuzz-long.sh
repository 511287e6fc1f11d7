#!/usr/bin/env bash
# Long fuzzing runs: each libFuzzer target in turn, for a long budget, then a table of
# what was reached. CI runs the same targets for seconds (scripts/test-all.sh, fuzz layer).
#
#   scripts/fuzz-long.sh [BUDGET] [TARGET...]
#
# BUDGET is seconds per target ("3600", the default) or executions per target ("10000000runs"),
# or both joined ("10000000runs,1800": whichever comes first). TARGETs are names as in
# build/fuzz/fuzz_targets.txt (with or without "_fuzz"); all of them by default.
# Runs niced, one target at a time. The corpus each run grows is kept in build/fuzz-long/corpus
# and reused by the next run; inputs that fail are kept in build/fuzz-long/artifacts/TARGET.
# Each run adds its table to build/fuzz-long/table.txt.
# Environment: GW_FUZZ_NICE=15, GW_JOBS=2 (build), GW_FUZZ_NO_BUILD=1 to use the build as it is.
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$ROOT/build/fuzz
OUT=$ROOT/build/fuzz-long
NICE=${GW_FUZZ_NICE:-15}
JOBS=${GW_JOBS:-2}

budget=${1:-3600}
[ $# -gt 0 ] && shift
seconds="" runs=""
for part in ${budget//,/ }; do
  case $part in
    *runs) runs=${part%runs} ;;
    *) seconds=$part ;;
  esac
done
if ! [[ "${runs:-0}" =~ ^[0-9]+$ && "${seconds:-0}" =~ ^[0-9]+$ ]] || [ -z "$runs$seconds" ]; then
  echo "usage: $0 [SECONDS | Nruns | Nruns,SECONDS] [TARGET...]" >&2
  exit 2
fi

if [ -z "${GW_FUZZ_NO_BUILD:-}" ]; then
  mkdir -p "$BUILD"
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
    -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g" -DGW_FUZZ=ON -DGW_BENCH=OFF >"$BUILD.configure.log" 2>&1 ||
    { cat "$BUILD.configure.log"; exit 1; }
  nice -n "$NICE" cmake --build "$BUILD" --target fuzz_targets -j"$JOBS" >"$BUILD.build.log" 2>&1 ||
    { tail -40 "$BUILD.build.log"; exit 1; }
fi

targets=()
if [ $# -gt 0 ]; then
  for t in "$@"; do targets+=("${t%_fuzz}_fuzz"); done
else
  mapfile -t targets < <(grep -v '^$' "$BUILD/fuzz_targets.txt")
fi

# seed_corpus TARGET DIR: the sample puzzles and the target's own seeds, as CI seeds it.
seed_corpus() {
  local key=${1%_fuzz} dir=$2 f
  find "$ROOT/samples" -maxdepth 1 -type f \( -name '*.puz' -o -name '*.txt' -o -name '*.ipuz' -o -name '*.jpz' -o -name '*.xml' \) \
    -exec cp {} "$dir/" \; 2>/dev/null
  for f in "$ROOT/tests/fuzz/seeds/$key"/*; do
    [ -f "$f" ] && cp "$f" "$dir/seed-$(basename "$f")"
  done
}

# run_one TARGET: one long run; leaves OUT/TARGET.log and a row in OUT/table.txt.
run_one() {
  local t=$1 exe=$BUILD/tests/fuzz/$1 corpus=$OUT/corpus/$1 art=$OUT/artifacts/$1 log=$OUT/$1.log
  if [ ! -x "$exe" ]; then
    printf '%-20s %14s %8s %8s %8s %9s %s\n' "$t" - - - - - "not built" | tee -a "$OUT/table.txt"
    return
  fi
  mkdir -p "$corpus" "$art"
  [ -n "$(ls -A "$corpus")" ] || seed_corpus "$t" "$corpus"
  local before start opts=(-timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$art/")
  before=$(ls "$art" | wc -l)
  # The target's dictionary, as CI uses it.
  [ -f "$ROOT/tests/fuzz/${t%_fuzz}.dict" ] && opts+=(-dict="$ROOT/tests/fuzz/${t%_fuzz}.dict")
  [ -n "$runs" ] && opts+=(-runs="$runs")
  [ -n "$seconds" ] && opts+=(-max_total_time="$seconds")
  start=$(date +%s)
  # The limit outside libFuzzer only catches a target that stops answering.
  (cd "$OUT" && timeout -k 30 $(( ${seconds:-86400} + 600 )) nice -n "$NICE" "$exe" "${opts[@]}" "$corpus") \
    >"$log" 2>&1
  local rc=$? secs=$(( $(date +%s) - start )) execs cov ft found status
  execs=$(grep -Eo '^stat::number_of_executed_units: [0-9]+' "$log" | grep -Eo '[0-9]+$' | tail -1)
  cov=$(grep -Eo 'cov: [0-9]+' "$log" | tail -1 | grep -Eo '[0-9]+')
  ft=$(grep -Eo 'ft: [0-9]+' "$log" | tail -1 | grep -Eo '[0-9]+')
  found=$(( $(ls "$art" | wc -l) - before ))
  status=ok
  [ "$rc" != 0 ] && status="FAILED (exit $rc; see $log)"
  printf '%-20s %14s %8s %8s %8s %9s %s\n' "$t" "${execs:-?}" "${cov:-?}" "${ft:-?}" \
    "$(ls "$corpus" | wc -l)" "$found" "$status, ${secs}s" | tee -a "$OUT/table.txt"
}

mkdir -p "$OUT"
{
  echo "fuzz-long $(date -u '+%Y-%m-%d %H:%M UTC'), budget ${runs:+$runs runs }${seconds:+$seconds s }per target"
  printf '%-20s %14s %8s %8s %8s %9s %s\n' target executions cov ft corpus findings result
} | tee -a "$OUT/table.txt"
failed=0
for t in "${targets[@]}"; do
  run_one "$t"
  tail -1 "$OUT/table.txt" | grep -q FAILED && failed=1
done
echo "table: $OUT/table.txt"
exit $failed
