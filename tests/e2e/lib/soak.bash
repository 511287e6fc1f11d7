# The GUI soak, shared by tests/e2e/soak.sh (CI's short run) and scripts/soak-long.sh.
# Needs WINE, WINESERVER, WINEPREFIX, DISPLAY, GW_BIN_DIR and GW_PUZTOOL set, and the
# current folder to be the run's own (everything is written there).

# run_soak ACTIONS [SEED] [PUZZLE]: runs the driver, then compares every save and opening it
# recorded with the file. Prints the report; returns non-zero on any failure.
run_soak() {
  local actions=$1 seed=${2:-} puzzle=${3:-$GW_SOURCE_DIR/samples/everyday15.puz}
  local tools=$GW_BIN_DIR/../tests/plugins/soak/Plugins/Tools/OVsoak.dll
  local driver=$GW_BIN_DIR/tools/soak_driver.exe
  [ -f "$tools" ] && [ -f "$driver" ] || { echo "the soak driver or OVsoak.dll is not built"; return 77; }
  rm -rf app checks soak-result.txt soak.log
  mkdir -p app/Plugins/Tools
  cp "$GW_BIN_DIR/gridwell.exe" app/
  cp "$GW_BIN_DIR"/Plugins/Tools/OV*.dll "$tools" app/Plugins/Tools/
  cp "$puzzle" puzzle.puz && chmod u+w puzzle.puz
  # The same seed must meet the same settings (layout, sizes) to do the same things.
  "$WINE" reg delete 'HKCU\Software\Pellicor\Orvane' /f >/dev/null 2>&1
  # The tip of the day would take the keys; a crash must end the process, not wait in a dialog.
  "$WINE" reg add 'HKCU\Software\Pellicor\Orvane\Tools' /v OVtipofday.dll /d 0 /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1

  local here="Z:$(pwd)"
  local args=(--exe "$here/app/gridwell.exe" --puzzle "$here/puzzle.puz" --out "$here" --actions "$actions")
  [ -n "$seed" ] && args+=(--seed "$seed")
  local start=$SECONDS limit=$((60 + actions * 4 / 10))  # a run here takes 2-9 s per 100 actions
  "$WINE" explorer /desktop=soak,1024x768 "$driver" "${args[@]}" >wine.log 2>&1 &
  while [ ! -f soak-result.txt ] && [ $((SECONDS - start)) -lt $limit ]; do sleep 2; done
  sleep 1
  import -window root soak-end.png 2>/dev/null
  "$WINESERVER" -k 2>/dev/null
  if [ ! -f soak-result.txt ]; then
    echo "FAIL: the driver wrote no result within ${limit}s; last lines of soak.log:"
    tail -5 soak.log 2>/dev/null
    return 1
  fi
  seed=$(awk '$1 == "seed" {print $2}' soak-result.txt)
  value() { awk -v k="$1" '$1 == k {print $2}' soak-result.txt; }
  echo "soak seed $seed (re-run: --seed $seed): $(value actions) actions in $(value seconds) s;" \
    "$(value saves) saves and $(value opens) openings recorded," \
    "$(($(value launches) - 1)) close-and-reopen cycles, $(value dialogs) dialogs answered"
  echo "  $(grep '^result' soak-result.txt)"
  local rc=0
  grep -q '^result ok' soak-result.txt || { rc=1; tail -4 soak.log | sed 's/^/  log: /'; }
  python3 "$GW_SOURCE_DIR/tests/e2e/lib/soak_compare.py" checks "$GW_PUZTOOL" "$seed" || rc=1
  return $rc
}
