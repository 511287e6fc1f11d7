#!/usr/bin/env bash
# The whole test run, as CI does it: install what is missing, then build and run every
# layer, and end with one line "N passed, N failed" that counts layers (", N skipped" is
# added when a layer had nothing to run yet). Exits non-zero when any layer failed.
#
# Layers, in order (build folders under build/):
#   native  gcc Release build, ctest                               build/native
#   asan    gcc Debug build with ASan+UBSan, ctest                  build/asan
#   win64   mingw x64 build of everything; unit_tests.exe and
#           win_tests.exe run under Wine + a private Xvfb           build/win64
#   win32   mingw x86 build of the deliverables (warning-free; cannot run here)  build/win32
#   fuzz    clang libFuzzer targets, each run for a time budget     build/fuzz
#   e2e     tests/e2e/*.sh against the win64 build                  build/e2e
#   bench   each benchmark run briefly (bench/win ones under Wine); figures reported, never judged
#
# Environment knobs (all optional):
#   GW_LAYERS="native win64"   run only these layers
#   GW_FUZZ_SECONDS=15         time per fuzz target (scripts/fuzz-long.sh runs them longer)
#   GW_E2E_TIMEOUT=600         time limit per e2e script, seconds
#   GW_E2E_ONLY="soak layouts" run only these e2e scripts
#   GW_TEST_TIMEOUT=900        time limit per test executable, seconds
#   GW_JOBS=2                  parallel build jobs
#   GW_BUILD_ROOT=build        where the build folders go
#   GW_SKIP_DEPS=1             do not run install-deps.sh
set -uo pipefail
export DEBIAN_FRONTEND=noninteractive

cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD=${GW_BUILD_ROOT:-$ROOT/build}
case $BUILD in /*) ;; *) BUILD=$ROOT/$BUILD ;; esac
JOBS=${GW_JOBS:-2}
FUZZ_SECONDS=${GW_FUZZ_SECONDS:-15}
E2E_TIMEOUT=${GW_E2E_TIMEOUT:-600}
TEST_TIMEOUT=${GW_TEST_TIMEOUT:-900}
LAYERS=${GW_LAYERS:-native asan win64 win32 fuzz e2e bench}

. "$ROOT/scripts/lib.sh"

SUMMARY=()
PASSED=0
FAILED=0
SKIPPED=0
NOTE=""           # one line of detail a layer leaves for the summary
WIN64_OK=0        # the win64 build succeeded (e2e needs it)
WINE_TEMPLATE=""  # pristine prefix made once, cloned for each Wine run

cleanup() {
  release_fault_mounts
  stop_all_prefixes
  stop_xvfb
  rm -f "${TIMES_FILE:-}"
}
trap cleanup EXIT
trap 'echo "interrupted"; exit 130' INT TERM

header() {
  echo
  echo "======================================================================"
  echo "== $*"
  echo "======================================================================"
}

wanted() { case " $LAYERS " in *" $1 "*) return 0 ;; esac; return 1; }

# CPU seconds used so far by this script's finished children (builds, tests). Unlike the
# wall clock it does not depend on what else the machine is doing.
TIMES_FILE=$(mktemp)
# Sets CPU_NOW; must run in this shell, not in $(...): a subshell would not see the children.
cpu_seconds() {
  times >"$TIMES_FILE"
  CPU_NOW=$(tail -1 "$TIMES_FILE" | awk '{ t = 0; for (i = 1; i <= NF; i++) { split($i, p, "m"); sub("s", "", p[2]); t += p[1] * 60 + p[2] } printf "%d", t }')
}

# run_layer NAME FUNCTION: runs it, times it and records passed / failed / skipped (rc 77).
run_layer() {
  local name=$1 fn=$2 start rc secs status cpu0 cpu
  wanted "$name" || return 0
  header "$name"
  NOTE=""
  start=$(date +%s)
  cpu_seconds; cpu0=$CPU_NOW
  "$fn"
  rc=$?
  secs=$(( $(date +%s) - start ))
  cpu_seconds; cpu=$(( CPU_NOW - cpu0 ))
  case $rc in
    0) status=passed; PASSED=$((PASSED + 1)) ;;
    77) status=skipped; SKIPPED=$((SKIPPED + 1)) ;;
    *) status=FAILED; FAILED=$((FAILED + 1)) ;;
  esac
  echo "-- $name: $status (${secs}s, ${cpu}s CPU)${NOTE:+ - $NOTE}"
  SUMMARY+=("$(printf '%-7s %-8s %5ss %6ss CPU  %s' "$name" "$status" "$secs" "$cpu" "$NOTE")")
}

configure() {  # configure DIR [cmake args...]
  local dir=$1; shift
  cmake -S "$ROOT" -B "$dir" "$@" >"$dir.configure.log" 2>&1 || {
    cat "$dir.configure.log"; NOTE="cmake configure failed"; return 1; }
  grep -E '^-- (fuzz|gw)' "$dir.configure.log" || true
}

build() {  # build DIR [targets...]
  local dir=$1; shift
  local args=()
  [ $# -gt 0 ] && args=(--target "$@")
  cmake --build "$dir" -j "$JOBS" "${args[@]}" || { NOTE="build failed"; return 1; }
}

run_ctest() {
  local dir=$1 log="$1/ctest.log"
  (cd "$dir" && ctest --output-on-failure --no-tests=error --timeout "$TEST_TIMEOUT" -j "$JOBS") 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  NOTE=$(grep -E 'tests passed' "$log" | tail -1)
  return "$rc"
}

# ---------------------------------------------------------------- native
layer_native() {
  mkdir -p "$BUILD"
  configure "$BUILD/native" -DCMAKE_BUILD_TYPE=Release || return 1
  build "$BUILD/native" || return 1
  run_ctest "$BUILD/native"
}

# ---------------------------------------------------------------- asan
layer_asan() {
  mkdir -p "$BUILD"
  configure "$BUILD/asan" -DCMAKE_BUILD_TYPE=Debug -DGW_SANITIZE=ON -DGW_BENCH=OFF || return 1
  build "$BUILD/asan" || return 1
  ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:check_initialization_order=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_ctest "$BUILD/asan"
}

# ---------------------------------------------------------------- Wine helpers
ensure_display() {
  [ -n "$GW_XVFB_PID" ] && return 0
  start_xvfb || return 1
  echo "Xvfb on $GW_DISPLAY"
}

ensure_wine_template() {
  [ -n "$WINE_TEMPLATE" ] && return 0
  ensure_display || return 1
  local t="$BUILD/win64/wine/template"
  echo "creating a fresh Wine prefix (wineboot -i) ..."
  DISPLAY=$GW_DISPLAY new_prefix "$t" || { echo "wineboot failed"; return 1; }
  WINE_TEMPLATE=$t
}

# wine_test EXE PREFIX LOG: runs a GoogleTest exe under Wine; prints its brief output.
wine_test() {
  local exe=$1 prefix=$2 log=$3 rc
  echo "-- $(basename "$exe") under Wine (prefix $prefix)"
  (
    cd "$BUILD/win64" &&
    DISPLAY=$GW_DISPLAY WINEPREFIX=$prefix GW_BIN_DIR=$(windows_path "$BUILD/win64/bin") GW_FAULT_DIR=$FAULT_DIR \
      timeout -k 10 "$TEST_TIMEOUT" "$WINE_LOADER" "$exe" --gtest_brief=1 --gtest_color=no
  ) >"$log" 2>&1
  rc=$?
  cat "$log"
  stop_prefix "$prefix"
  [ $rc -eq 124 ] && echo "!! $(basename "$exe") timed out after ${TEST_TIMEOUT}s"
  local count
  count=$(grep -Eo '^\[==========\] [0-9]+ tests? from' "$log" | grep -Eo '[0-9]+' | tail -1)
  NOTE="${NOTE:+$NOTE; }$(basename "$exe" .exe): ${count:-?} tests $([ $rc -eq 0 ] && echo ok || echo "FAILED (exit $rc)")"
  return $rc
}

# Two small file systems for the save-fault tests: "full", a tiny disk the test fills,
# and "readonly", mounted read-only with a puzzle inside (a read-only folder means
# nothing to root, which CI runs as). Without the right to mount, those tests skip.
FAULT_DIR=""
make_fault_mounts() {
  local dir="$BUILD/faults"
  release_fault_mounts
  mkdir -p "$dir/full" "$dir/readonly" || return 0
  if mount -t tmpfs -o size=256k,mode=0777 gwfull "$dir/full" 2>/dev/null &&
    mount -t tmpfs -o size=64k,mode=0777 gwreadonly "$dir/readonly" 2>/dev/null &&
    cp "$ROOT/samples/everyday15.puz" "$dir/readonly/daily.puz" &&
    mount -o remount,ro "$dir/readonly" 2>/dev/null; then
    FAULT_DIR=$dir
    echo "-- save-fault file systems mounted under $dir"
  else
    release_fault_mounts
    echo "-- cannot mount small file systems here: the disk-full and read-only-folder save tests skip"
  fi
}
release_fault_mounts() {
  local m
  for m in "$BUILD/faults/full" "$BUILD/faults/readonly"; do
    mountpoint -q "$m" 2>/dev/null && umount "$m" 2>/dev/null
  done
  FAULT_DIR=""
}

# ---------------------------------------------------------------- win64
layer_win64() {
  mkdir -p "$BUILD"
  configure "$BUILD/win64" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-x64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DGW_BENCH=OFF || return 1
  build "$BUILD/win64" || return 1
  WIN64_OK=1
  ls -l "$BUILD/win64/bin" "$BUILD/win64/bin/Plugins/Tools" 2>/dev/null | grep -Ei '\.(exe|dll)$' || true
  [ -f "$BUILD/win64/bin/gridwell.exe" ] || echo "(no gridwell.exe yet: shell/main.cpp is not there)"

  ensure_wine_template || { NOTE="could not create a Wine prefix"; return 1; }
  make_fault_mounts
  local rc=0 exe
  for exe in unit_tests win_tests; do
    if [ ! -f "$BUILD/win64/tests/$exe.exe" ]; then
      echo "-- $exe.exe not built (no sources yet), skipped"
      continue
    fi
    # Each exe starts from a pristine prefix: settings written by one must not leak into the next.
    clone_prefix "$WINE_TEMPLATE" "$BUILD/win64/wine/$exe" || { NOTE="prefix copy failed"; return 1; }
    wine_test "$BUILD/win64/tests/$exe.exe" "$BUILD/win64/wine/$exe" "$BUILD/win64/$exe.log" || rc=1
  done
  release_fault_mounts
  return $rc
}

# ---------------------------------------------------------------- win32
layer_win32() {
  mkdir -p "$BUILD"
  # The deliverables only: the tests are the same sources as win64, and x86 cannot run here.
  configure "$BUILD/win32" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-x86.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DGW_TESTS=OFF -DGW_BENCH=OFF || return 1
  build "$BUILD/win32" || return 1
  local built
  built=$(cd "$BUILD/win32" && find . -path ./CMakeFiles -prune -o \( -name '*.exe' -o -name '*.dll' \) -print | sed 's|^\./||' | sort | tr '\n' ' ')
  NOTE="built: ${built:-gwcore only}"
}

# ---------------------------------------------------------------- fuzz
layer_fuzz() {
  mkdir -p "$BUILD"
  configure "$BUILD/fuzz" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
    -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g" -DGW_FUZZ=ON -DGW_BENCH=OFF || return 1
  build "$BUILD/fuzz" fuzz_targets || return 1
  local list="$BUILD/fuzz/fuzz_targets.txt" targets=() t
  [ -f "$list" ] && mapfile -t targets < <(grep -v '^$' "$list")
  if [ ${#targets[@]} -eq 0 ]; then
    NOTE="no fuzz target has its code yet"
    return 77
  fi
  # The targets run side by side, as many at a time as there are build jobs.
  # (In batches, waiting on those pids only: Xvfb is a background job of this shell too.)
  local i j pids
  for ((i = 0; i < ${#targets[@]}; i += JOBS)); do
    pids=()
    for ((j = i; j < i + JOBS && j < ${#targets[@]}; j++)); do
      fuzz_one "${targets[j]}" &
      pids+=($!)
    done
    wait "${pids[@]}"
  done
  local rc=0 log runs
  for t in "${targets[@]}"; do
    log="$BUILD/fuzz/$t.log"
    runs=$(grep -Eo 'Done [0-9]+ runs' "$log" | grep -Eo '[0-9]+' | tail -1)
    echo "-- $t: $(cat "$BUILD/fuzz/$t.seeds") seed(s), exit $(cat "$BUILD/fuzz/$t.rc")"
    if [ "$(cat "$BUILD/fuzz/$t.rc")" != 0 ]; then
      echo "!! $t failed; last lines of $log (inputs that crash are in $BUILD/fuzz/artifacts/$t):"
      tail -60 "$log"
      ls -l "$BUILD/fuzz/artifacts/$t"
      rc=1
      NOTE="${NOTE:+$NOTE; }$t FAILED"
    else
      grep -E '^(Done [0-9]+ runs|stat::number_of_executed_units|stat::peak_rss_mb)' "$log"
      NOTE="${NOTE:+$NOTE; }$t ${runs:-?} runs"
    fi
  done
  return $rc
}

# fuzz_one TARGET: one fuzzing run; leaves TARGET.log, TARGET.rc and TARGET.seeds.
fuzz_one() {
  local t=$1 key=${1%_fuzz} corpus="$BUILD/fuzz/corpus/$1" art="$BUILD/fuzz/artifacts/$1"
  rm -rf "$corpus" "$art"
  mkdir -p "$corpus" "$art"
  # Seed corpus: the sample puzzles (binary and text) and the target's own seeds.
  find "$ROOT/samples" -maxdepth 1 -type f \( -name '*.puz' -o -name '*.txt' -o -name '*.ipuz' -o -name '*.jpz' -o -name '*.xml' \) -exec cp {} "$corpus/" \; 2>/dev/null
  local f
  for f in "$ROOT/tests/fuzz/seeds/$key"/*; do   # renamed: a seed may share a sample's name
    [ -f "$f" ] && cp "$f" "$corpus/seed-$(basename "$f")"
  done
  ls "$corpus" | wc -l >"$BUILD/fuzz/$t.seeds"
  # A target's dictionary (tests/fuzz/KEY.dict) teaches it the words of its format.
  local dict=()
  [ -f "$ROOT/tests/fuzz/$key.dict" ] && dict=(-dict="$ROOT/tests/fuzz/$key.dict")
  (cd "$BUILD/fuzz" &&
    timeout -k 10 $((FUZZ_SECONDS + 300)) "$BUILD/fuzz/tests/fuzz/$t" "${dict[@]}" \
      -max_total_time="$FUZZ_SECONDS" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$art/" "$corpus") >"$BUILD/fuzz/$t.log" 2>&1
  echo $? >"$BUILD/fuzz/$t.rc"
}

# ---------------------------------------------------------------- e2e
layer_e2e() {
  local scripts=() s
  for s in "$ROOT"/tests/e2e/*.sh; do
    [ -f "$s" ] || continue
    [ -z "${GW_E2E_ONLY:-}" ] || [[ " $GW_E2E_ONLY " == *" $(basename "$s" .sh) "* ]] && scripts+=("$s")
  done
  if [ ${#scripts[@]} -eq 0 ]; then NOTE="no tests/e2e/*.sh yet"; return 77; fi
  if [ $WIN64_OK -ne 1 ]; then
    if wanted win64; then NOTE="win64 build failed, nothing to run against"; return 1; fi
    [ -d "$BUILD/win64/bin" ] || { NOTE="no win64 build (run the win64 layer)"; return 77; }
  fi
  ensure_wine_template || { NOTE="could not create a Wine prefix"; return 1; }
  local puztool=""
  for s in "$BUILD/native/puztool" "$BUILD/native/tools/puztool/puztool"; do
    [ -x "$s" ] && { puztool=$s; break; }
  done
  local pass=0 fail=0 skip=0 name out prefix rc
  for s in "${scripts[@]}"; do
    name=$(basename "$s" .sh)
    out="$BUILD/e2e/$name"
    prefix="$BUILD/e2e/wine-$name"
    rm -rf "$out"; mkdir -p "$out"
    clone_prefix "$WINE_TEMPLATE" "$prefix" || { NOTE="prefix copy failed"; return 1; }
    echo "-- e2e $name"
    (cd "$out" &&
      GW_BIN_DIR="$BUILD/win64/bin" GW_PUZTOOL="$puztool" GW_OUT="$out" GW_SOURCE_DIR="$ROOT" \
      GW_SAMPLES="$ROOT/samples" DISPLAY="$GW_DISPLAY" WINEPREFIX="$prefix" \
      WINE="$WINE_LOADER" WINESERVER="$WINE_SERVER" \
        timeout -k 10 "$E2E_TIMEOUT" bash "$s") </dev/null 2>&1 | sed "s/^/   [$name] /"
    rc=${PIPESTATUS[0]}
    stop_prefix "$prefix"
    case $rc in
      0) pass=$((pass + 1)); echo "-- e2e $name: passed" ;;
      77) skip=$((skip + 1)); echo "-- e2e $name: skipped" ;;
      124) fail=$((fail + 1)); echo "-- e2e $name: FAILED (timed out after ${E2E_TIMEOUT}s)" ;;
      *) fail=$((fail + 1)); echo "-- e2e $name: FAILED (exit $rc)" ;;
    esac
  done
  NOTE="scripts: $pass passed, $fail failed, $skip skipped; screenshots in $BUILD/e2e"
  [ $fail -eq 0 ] || return 1
  [ $pass -gt 0 ] || return 77
}

# ---------------------------------------------------------------- bench
layer_bench() {
  if [ $FAILED -gt 0 ]; then NOTE="not run: a test layer failed"; return 77; fi
  local exes=() wexes=() src exe
  for src in "$ROOT"/bench/*.cpp; do
    [ -f "$src" ] || continue
    exe="$BUILD/native/bench/$(basename "$src" .cpp)"
    [ -x "$exe" ] && exes+=("$exe")
  done
  for src in "$ROOT"/bench/win/*.cpp; do
    [ -f "$src" ] || continue
    exe="$BUILD/win64/bench/$(basename "$src" .cpp).exe"
    [ -f "$exe" ] && wexes+=("$exe")
  done
  if [ $((${#exes[@]} + ${#wexes[@]})) -eq 0 ]; then NOTE="no benchmarks built (bench/*.cpp or the native build missing)"; return 77; fi
  local report="$BUILD/bench-report.txt" rc=0
  : >"$report"
  for exe in "${exes[@]}"; do
    echo "-- $(basename "$exe")" | tee -a "$report"
    # Short runs: the figures are for reading, not for judging.
    (cd "$BUILD/native" && timeout -k 10 600 "$exe" --benchmark_min_time=0.05 --benchmark_color=false) \
      2>&1 | sed 's/\x1b\[[0-9;]*m//g' | tee -a "$report"
    [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "!! $(basename "$exe") did not finish cleanly"; rc=1; }
  done
  if [ ${#wexes[@]} -gt 0 ]; then
    ensure_wine_template || { NOTE="could not create a Wine prefix"; return 1; }
    local prefix="$BUILD/win64/wine/bench"
    clone_prefix "$WINE_TEMPLATE" "$prefix" || { NOTE="prefix copy failed"; return 1; }
    # With Wine's own fonts, as a user's Wine has them (without them every scroll bar
    # arrow is looked for in vain and painting is several times slower).
    cp /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
    for exe in "${wexes[@]}"; do
      echo "-- $(basename "$exe") under Wine" | tee -a "$report"
      (cd "$BUILD/win64" && DISPLAY=$GW_DISPLAY WINEPREFIX=$prefix timeout -k 10 600 "$WINE_LOADER" "$exe") \
        2>&1 | tr -d '\r' | tee -a "$report"
      [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "!! $(basename "$exe") did not finish cleanly"; rc=1; }
    done
    stop_prefix "$prefix"
  fi
  # Every speed figure side by side with its goal (start-up, repaint and memory under Wine).
  echo "-- speed report" | tee -a "$report"
  bash "$ROOT/scripts/speed-report.sh" "$BUILD" 2>&1 | tee -a "$report" | sed -n '/^== speed report/,$p'
  NOTE="$((${#exes[@]} + ${#wexes[@]})) benchmark exe(s); report in $report"
  return $rc
}

# ---------------------------------------------------------------- main
START=$(date +%s)
header "dependencies"
if [ "${GW_SKIP_DEPS:-0}" != 1 ]; then
  if ! bash "$ROOT/scripts/install-deps.sh"; then
    echo "installing the dependencies failed"
    echo "0 passed, 1 failed"
    exit 1
  fi
fi

run_layer native layer_native
run_layer asan layer_asan
run_layer win64 layer_win64
run_layer win32 layer_win32
run_layer fuzz layer_fuzz
run_layer e2e layer_e2e
run_layer bench layer_bench

cleanup
header "summary ($(( $(date +%s) - START ))s in all; counts are layers)"
for line in "${SUMMARY[@]}"; do echo "$line"; done
echo
if [ $SKIPPED -gt 0 ]; then
  echo "$PASSED passed, $FAILED failed, $SKIPPED skipped"
else
  echo "$PASSED passed, $FAILED failed"
fi
[ $FAILED -eq 0 ]
