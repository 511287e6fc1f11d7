# Runs Gridwell under Wine in its own prefix; each argument is a puzzle to open, each in a
# window of its own. The install script puts GW_HOME above this text.
set -u

WINE=""
for w in /usr/lib/wine/wine64 "$(command -v wine64 2>/dev/null)" "$(command -v wine 2>/dev/null)"; do
  if [ -n "$w" ] && [ -x "$w" ]; then WINE=$w; break; fi
done
if [ -z "$WINE" ]; then
  echo "gridwell: Wine is not installed (Debian: apt-get install wine64)" >&2
  exit 1
fi
WINESERVER=$(dirname "$WINE")/wineserver
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver 2>/dev/null || echo wineserver)

export WINEPREFIX=$GW_HOME/prefix WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko download offers, and no menu entries or file types of Wine's own in the
# user's desktop: the install made the ones Gridwell needs.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# The first run makes the prefix; a lock keeps two first runs (two puzzles opened at
# once) from making it together. A prefix is ready once the fonts are in.
ready=$WINEPREFIX/.gridwell-ready
if [ ! -f "$ready" ]; then
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    if [ ! -f "$ready" ]; then
      echo "gridwell: setting up Wine for Gridwell (once; takes a few seconds)" >&2
      # wineboot was seen to report a failure now and then with the prefix made all the same:
      # the registry it leaves is what counts.
      "$WINE" wineboot -i >"$WINEPREFIX/.gridwell-setup.log" 2>&1
      "$WINESERVER" -w
      [ -f "$WINEPREFIX/system.reg" ] || exit 1
      # Debian's Wine does not look in its own font folder: without these the window frames
      # lose their button glyphs (Marlett) and the dialogs their face (Tahoma).
      cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
      touch "$ready"
    fi
  ) 9>"$WINEPREFIX/.gridwell-lock" || { echo "gridwell: wineboot failed in $WINEPREFIX (see .gridwell-setup.log there)" >&2; exit 1; }
fi

# The code page the program's 8-bit texts use, as Wine chose it for this prefix.
ansi_code_page() {
  sed -n 's/^"ACP"="\([0-9]*\)".*/\1/p' "$WINEPREFIX/system.reg" 2>/dev/null | tail -1
}

# The name the program is given for a Linux path. Wine's own mapping first (a file inside the
# prefix becomes C:\...); a name the program's code page cannot spell, or one with a double
# quote, is handed over by its short 8.3 form, which is plain ASCII.
program_path() {
  local abs win acp
  abs=$(realpath -m -- "$1")
  win=$("$WINE" winepath -w "$abs" 2>/dev/null | tr -d '\r')
  [ -n "$win" ] || win="Z:${abs//\//\\}"
  acp=$(ansi_code_page)
  case $acp in 65001) acp=UTF-8 ;; "") acp=CP1252 ;; *) acp=CP$acp ;; esac
  if [[ $win == *'"'* ]] || ! printf '%s' "$win" | iconv -f UTF-8 -t "$acp" >/dev/null 2>&1; then
    local short
    short=$("$WINE" winepath -s "$win" 2>/dev/null | tr -d '\r')
    [ -n "$short" ] && win=$short
  fi
  # The program reads a '-' or '/' outside double quotes as the start of an option, and Wine
  # quotes an argument only when it holds a blank: the trailing blank makes Wine quote it,
  # and the program drops trailing blanks from its last argument.
  printf '%s ' "$win"
}

exe=$GW_HOME/program/gridwell.exe
if [ $# -eq 0 ]; then exec "$WINE" "$exe"; fi
while [ $# -gt 1 ]; do
  "$WINE" "$exe" "$(program_path "$1")" &
  shift
done
exec "$WINE" "$exe" "$(program_path "$1")"
