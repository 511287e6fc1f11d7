# Shared helpers for the scripts in this folder (sourced, not run).
# Private X displays and Wine prefixes, and their clean-up.

WINE_LOADER=/usr/lib/wine/wine64
WINE_SERVER=/usr/lib/wine/wineserver
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

GW_XVFB_PID=""
GW_PREFIXES=()

# Starts Xvfb on the first free display from 110 up; sets GW_DISPLAY (":N") and GW_XVFB_PID.
start_xvfb() {
  local n log
  for n in $(seq 110 199); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    log=$(mktemp)
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$log" 2>&1 &
    GW_XVFB_PID=$!
    local i
    for i in $(seq 1 50); do
      if ! kill -0 "$GW_XVFB_PID" 2>/dev/null; then break; fi   # lost a race for :n, try the next
      if xdpyinfo -display ":$n" >/dev/null 2>&1; then
        GW_DISPLAY=":$n"
        rm -f "$log"
        return 0
      fi
      sleep 0.2
    done
    kill "$GW_XVFB_PID" 2>/dev/null
    wait "$GW_XVFB_PID" 2>/dev/null
    GW_XVFB_PID=""
    rm -f "$log"
  done
  echo "could not start Xvfb on any display from :110 to :199" >&2
  return 1
}

stop_xvfb() {
  if [ -n "$GW_XVFB_PID" ]; then
    kill "$GW_XVFB_PID" 2>/dev/null
    wait "$GW_XVFB_PID" 2>/dev/null
    GW_XVFB_PID=""
  fi
}

# new_prefix DIR: a fresh Wine prefix (wineboot -i), left with its wineserver stopped.
new_prefix() {
  local dir=$1
  rm -rf "$dir"
  mkdir -p "$(dirname "$dir")"
  GW_PREFIXES+=("$dir")
  WINEPREFIX=$dir "$WINE_LOADER" wineboot -i >/dev/null 2>&1 || return 1
  # Let the server write the registry and exit before anyone copies the prefix.
  WINEPREFIX=$dir "$WINE_SERVER" -w
  [ -f "$dir/system.reg" ]
}

# clone_prefix SRC DST: a copy of a pristine prefix, in a second rather than a wineboot.
# The big system folder is hard-linked (Wine never writes its DLLs in place); the registry
# and the user folders, which programs do write, are real copies.
clone_prefix() {
  local src=$1 dst=$2
  rm -rf "$dst"
  GW_PREFIXES+=("$dst")
  cp -al "$src" "$dst" || return 1
  rm -rf "$dst"/*.reg "$dst/drive_c/users" "$dst/drive_c/ProgramData"
  cp -a "$src"/*.reg "$dst/" || return 1
  cp -a "$src/drive_c/users" "$dst/drive_c/" || return 1
  if [ -d "$src/drive_c/ProgramData" ]; then cp -a "$src/drive_c/ProgramData" "$dst/drive_c/" || return 1; fi
}

# has_target BUILD_DIR NAME: whether the configured build has that target.
has_target() {
  cmake --build "$1" --target help 2>/dev/null >"$1/targets.txt"
  grep -q "^\.\.\. $2\$" "$1/targets.txt"
}

# build_windows_program SOURCE_DIR BUILD_DIR JOBS TARGET...: a Release mingw x64 build in
# BUILD_DIR (configure log beside it) of those of the targets the tree has.
build_windows_program() {
  local src=$1 dir=$2 jobs=$3 t targets=()
  shift 3
  mkdir -p "$(dirname "$dir")"
  cmake -S "$src" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-x64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DGW_BENCH=OFF >"$dir.configure.log" 2>&1 \
    || { cat "$dir.configure.log"; echo "cmake configure failed"; return 1; }
  for t in "$@"; do
    has_target "$dir" "$t" && targets+=("$t")
  done
  [ ${#targets[@]} -eq 0 ] && return 0
  cmake --build "$dir" -j "$jobs" --target "${targets[@]}" || { echo "build failed"; return 1; }
}

# Stops the wineserver (and every Wine process) of one prefix.
stop_prefix() {
  [ -d "$1" ] && WINEPREFIX=$1 "$WINE_SERVER" -k 2>/dev/null
  return 0
}

stop_all_prefixes() {
  local p
  for p in "${GW_PREFIXES[@]}"; do stop_prefix "$p"; done
}

# The path Win32 code under Wine uses for a Linux path (Wine maps / to drive Z:).
windows_path() {
  printf 'Z:%s' "$(printf '%s' "$1" | tr '/' '\\')"
}
