#!/usr/bin/env bash
# Builds the Windows program and opens a sample puzzle in it under Wine.
#   bash scripts/run-sample.sh [puzzle]      (default samples/everyday15.puz)
# With a DISPLAY the program opens there and the script waits until you close it.
# Without one it runs on a private virtual display, takes a screenshot to
# build/sample-screenshot.png and closes the program.
set -uo pipefail
export DEBIAN_FRONTEND=noninteractive

cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD=${GW_BUILD_ROOT:-$ROOT/build}
case $BUILD in /*) ;; *) BUILD=$ROOT/$BUILD ;; esac
JOBS=${GW_JOBS:-2}
PUZZLE=${1:-samples/everyday15.puz}
case $PUZZLE in /*) ;; *) PUZZLE=$ROOT/$PUZZLE ;; esac

. "$ROOT/scripts/lib.sh"
trap 'stop_all_prefixes; stop_xvfb' EXIT

bash "$ROOT/scripts/install-deps.sh" || { echo "installing the dependencies failed"; exit 1; }

# Only the deliverables: gridwell.exe and the plug-ins, as far as they exist yet.
echo "== building the Windows program (build/win64)"
build_windows_program "$ROOT" "$BUILD/win64" "$JOBS" gridwell OVtimer OVtipofday || exit 1
EXE=$BUILD/win64/bin/gridwell.exe

if [ ! -f "$EXE" ]; then
  # The Windows front end is not in this tree yet: show what the core makes of the sample.
  echo "gridwell.exe is not built yet (the Windows front end is not there); showing the"
  echo "sample with the command-line companion puztool instead."
  cmake -S "$ROOT" -B "$BUILD/native" -DCMAKE_BUILD_TYPE=Release >"$BUILD/native.configure.log" 2>&1 \
    || { cat "$BUILD/native.configure.log"; echo "cmake configure failed"; exit 1; }
  if ! has_target "$BUILD/native" puztool; then
    echo "puztool is not in this tree yet either; nothing to show."
    exit 0
  fi
  cmake --build "$BUILD/native" -j "$JOBS" --target puztool || { echo "build failed"; exit 1; }
  if [ ! -f "$PUZZLE" ]; then
    echo "The sample $PUZZLE is not there yet; nothing to show."
    exit 0
  fi
  echo "== puztool info ${PUZZLE#$ROOT/}"
  "$BUILD/native/puztool" info "$PUZZLE"
  exit $?
fi

# The program's own prefix: settings written by one run are there for the next, as for a user.
export WINEPREFIX=$BUILD/win64/wine/sample
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "== creating a Wine prefix in ${WINEPREFIX#$ROOT/} (takes a few seconds)"
  if [ -z "${DISPLAY:-}" ]; then start_xvfb || exit 1; export DISPLAY=$GW_DISPLAY; fi
  new_prefix "$WINEPREFIX" || { echo "wineboot failed"; exit 1; }
  # Debian's Wine does not look in its own font folder, so window frames would lose their
  # button glyphs (Marlett) and dialogs their face (Tahoma): give the prefix those fonts.
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
else
  GW_PREFIXES+=("$WINEPREFIX")
fi

# The puzzle is opened from a copy on the prefix's drive C: the program reads an unquoted
# command-line name only up to a '-' or '/' (as Windows programs of its kind do), which a
# checkout folder may well contain; and the sample itself stays as it is.
args=()
if [ -f "$PUZZLE" ]; then
  mkdir -p "$WINEPREFIX/drive_c/Puzzles"
  name=$(basename "$PUZZLE" | tr -- '-/' '__')
  [ -f "$WINEPREFIX/drive_c/Puzzles/$name" ] || cp "$PUZZLE" "$WINEPREFIX/drive_c/Puzzles/$name"
  args=("C:\\Puzzles\\$name")
else
  echo "The sample $PUZZLE is not there; starting the program without a puzzle."
fi

cd "$BUILD/win64/bin" || exit 1
if [ -z "${DISPLAY:-}" ] || [ -n "$GW_XVFB_PID" ]; then
  # No screen of our own: a private display, one screenshot, then close the program.
  if [ -z "$GW_XVFB_PID" ]; then start_xvfb || exit 1; fi
  export DISPLAY=$GW_DISPLAY
  SHOT=$BUILD/sample-screenshot.png
  echo "== running gridwell.exe on display $DISPLAY (no DISPLAY of yours was set)"
  # Wine's virtual desktop gives the window its frame, as on Windows.
  "$WINE_LOADER" explorer /desktop=gridwell,1280x1024 gridwell.exe "${args[@]}" >/dev/null 2>&1 &
  WINE_PID=$!
  sleep "${GW_SAMPLE_WAIT:-8}"
  if ! import -window root "$SHOT"; then echo "screenshot failed"; exit 1; fi
  echo "Screenshot of the program: $SHOT"
  stop_prefix "$WINEPREFIX"
  wait "$WINE_PID" 2>/dev/null
  exit 0
fi

echo "== running gridwell.exe on $DISPLAY; close its window to finish"
"$WINE_LOADER" gridwell.exe "${args[@]}"
