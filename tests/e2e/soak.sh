#!/usr/bin/env bash
# GUI soak, short: about 1,000 seeded random actions (keys, clicks on the grid and the
# clue lists, menu commands, check and reveal, undo, paste, layouts, save, close and
# reopen) on the real program. It must never crash or hang, and after every save and
# every opening the file holds exactly the state the program had in memory. The seed is
# printed; GW_SOAK_SEED=N re-runs one, GW_SOAK_ACTIONS changes the length, GW_SOAK_PUZZLE
# the puzzle.
set -uo pipefail

if [ ! -f "$GW_BIN_DIR/gridwell.exe" ]; then echo "gridwell.exe is not built yet"; exit 77; fi
if [ -z "${GW_PUZTOOL:-}" ] || [ ! -x "$GW_PUZTOOL" ]; then echo "puztool is not built"; exit 77; fi
cd "$GW_OUT" || exit 1
. "$(dirname "${BASH_SOURCE[0]}")/lib/soak.bash"

run_soak "${GW_SOAK_ACTIONS:-1000}" "${GW_SOAK_SEED:-}" "${GW_SOAK_PUZZLE:-${GW_SAMPLES:-$GW_SOURCE_DIR/samples}/everyday15.puz}"
