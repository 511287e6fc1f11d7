#!/usr/bin/env bash
# Makes Gridwell an application of the current user's Linux desktop, without root:
# the program with its plug-ins, help and sample puzzles in ~/.local/share/gridwell (its
# Wine prefix beside them is made by the first run), the launcher ~/.local/bin/gridwell,
# a menu entry with Gridwell's icon, and .puz, .ipuz and .jpz files opening in Gridwell.
#   bash scripts/install-linux.sh [--from BIN_DIR]
# Without --from it builds the Windows x64 program first (in build/win64, or GW_BUILD_ROOT);
# --from installs an existing build's bin folder. Run again to update: puzzles you solved
# in the program's folder are kept. scripts/uninstall-linux.sh takes it all away again.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
usage() { sed -n '6,9s/^# \{0,1\}//p' "$ROOT/scripts/install-linux.sh"; }
FROM=""
while [ $# -gt 0 ]; do
  case $1 in
    --from) [ $# -ge 2 ] || { usage >&2; exit 2; }; FROM=$2; shift 2 ;;
    -h | --help) usage; exit 0 ;;
    *) echo "install-linux: unknown argument '$1'" >&2; usage >&2; exit 2 ;;
  esac
done

. "$ROOT/scripts/lib.sh"
. "$ROOT/installer/linux/locations.sh"
. "$ROOT/installer/linux/manifest.sh"
. "$ROOT/installer/linux/desktop_db.sh"

if [ -z "$FROM" ]; then
  bash "$ROOT/scripts/install-deps.sh" || { echo "install-linux: installing the dependencies failed"; exit 1; }
  BUILD=${GW_BUILD_ROOT:-$ROOT/build}
  case $BUILD in /*) ;; *) BUILD=$ROOT/$BUILD ;; esac
  echo "== building the Windows program ($BUILD/win64)"
  build_windows_program "$ROOT" "$BUILD/win64" "${GW_JOBS:-2}" gridwell OVtimer OVtipofday help_files || exit 1
  FROM=$BUILD/win64/bin
fi
FROM=$(cd "$FROM" && pwd)

missing=()
for f in gridwell.exe Plugins/Tools/OVtimer.dll Plugins/Tools/OVtipofday.dll; do
  [ -f "$FROM/$f" ] || missing+=("$FROM/$f")
done
for tool in convert update-mime-database update-desktop-database xdg-mime iconv flock; do
  command -v "$tool" >/dev/null || missing+=("the command $tool")
done
[ -x "$WINE_LOADER" ] || command -v wine64 >/dev/null || missing+=("Wine (wine64)")
if [ ${#missing[@]} -gt 0 ]; then
  printf 'install-linux: missing %s\n' "${missing[@]}" >&2
  echo "install-linux: scripts/install-deps.sh (as root) installs the packages" >&2
  exit 1
fi

STAGE=$(mktemp -d)
trap 'rm -rf "$STAGE"' EXIT
manifest_begin

echo "== installing Gridwell into $GW_HOME"
for f in gridwell.exe GRIDWELL.CHM Plugins/Tools/OVtimer.dll Plugins/Tools/OVtipofday.dll \
  Plugins/Tools/OVTimer.chm Images/tlogo.bmp; do
  if [ -f "$FROM/$f" ]; then
    put_file "$FROM/$f" "$GW_PROGRAM/$f" 644
  else
    echo "install-linux: $f is not in the build; installing without it" >&2
  fi
done
# The program opens puzzles from "Puzzles" beside it first; a sample the user has solved
# there is the user's and stays as it is.
for f in everyday15.puz sunday21.puz rebus.puz diagramless.puz locked.puz everyday15.txt sampler.ipuz wordsquare.jpz; do
  put_user_file "$ROOT/samples/$f" "$GW_PROGRAM/Puzzles/$f"
done
# The uninstall, so that the way out does not need this source tree.
for f in locations.sh manifest.sh desktop_db.sh uninstall.bash; do
  put_file "$ROOT/installer/linux/$f" "$GW_HOME/$f" 644
done

{
  printf '#!/usr/bin/env bash\n# Gridwell under Wine, installed by install-linux.sh.\nGW_HOME=%q\n' "$GW_HOME"
  cat "$ROOT/installer/linux/launcher.bash"
} >"$STAGE/gridwell"
put_file "$STAGE/gridwell" "$GW_LAUNCHER" 755

# The menu entry names the launcher by its full path: ~/.local/bin joins a session's PATH
# only at the next login when it did not exist before.
desktop=$(<"$ROOT/installer/linux/gridwell.desktop.in")
printf '%s\n' "${desktop//@LAUNCHER@/$(desktop_exec_quote "$GW_LAUNCHER")}" >"$STAGE/$GW_DESKTOP_ID"
put_file "$STAGE/$GW_DESKTOP_ID" "$GW_DATA_HOME/applications/$GW_DESKTOP_ID" 644

# The icon is the program's own 32-pixel one, scaled by whole pixels so that it stays sharp.
for size in 48 256; do
  convert "$ROOT/resources/art/gridwell.ico[0]" -filter point -resize "${size}x$size" "PNG32:$STAGE/icon$size.png"
  put_file "$STAGE/icon$size.png" "$GW_DATA_HOME/icons/hicolor/${size}x$size/apps/gridwell.png" 644
done

put_file "$ROOT/installer/linux/gridwell-mime.xml" "$GW_DATA_HOME/mime/packages/gridwell.xml" 644
register_desktop

manifest_commit
echo "Gridwell is installed: in the applications menu (Games), as 'gridwell [PUZZLE]' in a terminal,"
echo "and as the program for .puz, .ipuz and .jpz files. The first start sets up Wine (a few seconds)."
case ":$PATH:" in *":$HOME/.local/bin:"*) ;; *) echo "Note: $HOME/.local/bin is not on your PATH yet (it is after your next login)." ;; esac
echo "To remove it: bash scripts/uninstall-linux.sh [--purge]   (or bash $(printf %q "$GW_HOME")/uninstall.bash)"
