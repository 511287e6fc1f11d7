#!/usr/bin/env bash
# Takes Gridwell out of the current user's Linux desktop: everything the install put there
# goes (program, launcher, menu entry, icons, file types, default handlers). Puzzles stay,
# and so does the Wine prefix with the settings and recovery copies, unless --purge.
#   bash uninstall.bash [--purge]
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
purge=0
case ${1:-} in
  "") ;;
  --purge) purge=1 ;;
  -h | --help) sed -n '2,5s/^# \{0,1\}//p' "$here/uninstall.bash"; exit 0 ;;
  *) echo "uninstall: unknown argument '$1' (only --purge)" >&2; exit 2 ;;
esac

# shellcheck source=locations.sh
. "$here/locations.sh"
# shellcheck source=manifest.sh
. "$here/manifest.sh"
# shellcheck source=desktop_db.sh
. "$here/desktop_db.sh"

if [ -f "$GW_MANIFEST" ]; then
  echo "Uninstalling Gridwell from $GW_HOME."
else
  echo "Gridwell is not installed in $GW_HOME."
fi
manifest_remove_files
unregister_desktop

if [ -d "$GW_PREFIX" ]; then
  if [ $purge -eq 1 ]; then
    # Its Wine processes first, or the server would write the registry back.
    server=/usr/lib/wine/wineserver
    [ -x "$server" ] || server=$(command -v wineserver 2>/dev/null || true)
    if [ -n "$server" ]; then WINEPREFIX=$GW_PREFIX "$server" -k 2>/dev/null || true; fi
    rm -rf -- "$GW_PREFIX"
    echo "Removed its Wine prefix (settings and recovery copies)."
  else
    echo "Kept its Wine prefix with your settings: $GW_PREFIX (--purge removes it)."
  fi
fi
manifest_remove_dirs
