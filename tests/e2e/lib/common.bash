# Helpers shared by the end-to-end scripts: source it after `cd "$GW_OUT"`.

fail() {
  echo "FAIL: $*"
  import -window root "$GW_OUT/failure.png" 2>/dev/null
  exit 1
}

# Polls rather than leaving it to `xdotool search --sync`, which was seen to give up at
# once, with no window, while windows came and went under load.
wait_window() {  # name pattern [seconds, default 60] -> window id
  local deadline=$((SECONDS + ${2:-60})) id
  while :; do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    [ $SECONDS -lt $deadline ] || break
    sleep 0.5
  done
  echo "waited $((${2:-60}))s for a window named like '$1'; shown: $(shown_windows)" >&2
  return 1
}

shown_windows() {  # the names of the visible windows, for a failure message
  local w
  for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    printf '[%s] ' "$(xdotool getwindowname "$w" 2>/dev/null)"
  done
}

# Alt+F4 to the program, then waits until the window named like the pattern is gone
# and Wine has finished (the program writes its settings on the way out).
close_program() {  # name pattern
  xdotool key alt+F4
  for _ in $(seq 1 30); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || break
    sleep 1
  done
  xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && fail "the window did not close on Alt+F4"
  timeout 60 "$WINESERVER" -w
}

# The values of one key under the program's registry root as "name data" lines, from
# one query of the whole key: a wine process per value was seen to come back empty now
# and then, with the value present all along, so an empty answer is asked again.
reg_dump() {  # sub-key
  local attempt out
  for attempt in 1 2 3; do
    out=$("$WINE" reg query "HKCU\\Software\\Pellicor\\Orvane\\$1" 2>/dev/null | tr -d '\r' |
      awk '$2 ~ /^REG_/ {print $1, $3}')
    if [ -n "$out" ]; then
      printf '%s\n' "$out"
      return 0
    fi
    sleep 1
  done
}

dump_value() {  # dump name -> data
  awk -v name="$2" '$1 == name {print $2}' <<<"$1"
}

# The tip of the day opens over the first puzzle of a run and takes the keyboard;
# scripts that type into the grid or close the program by key turn it off first
# (timer_tools.sh tests it).
tip_of_day_off() {
  timeout 60 "$WINE" reg add 'HKCU\Software\Pellicor\Orvane\Tools' /v OVtipofday.dll /d 0 /f >/dev/null 2>&1 ||
    fail "could not turn the tip of the day off"
}

# A 4x4 text puzzle with no black squares, titled $2, written to $1.
write_text_puzzle() {  # file title
  cat >"$1" <<PUZ
<ORVANE PUZZLE>
<TITLE>
$2
<AUTHOR>
Gridwell tests
<COPYRIGHT>
2026
<SIZE>
4x4
<GRID>
ABCD
EFGH
IJKL
MNOP
<ACROSS>
A1
A2
A3
A4
<DOWN>
D1
D2
D3
D4
PUZ
}
