# shellcheck shell=bash
# The desktop's databases for the Linux install (sourced; needs locations.sh and
# manifest.sh): the MIME types, the menu entries' MIME cache, the default handlers in
# mimeapps.list and the icon cache.

# A path as one argument of a desktop entry's Exec key. A plain one stays as it is (some
# tools, xdg-mime among them, read the command unquoted); one with reserved characters is
# quoted with those escaped, '%' doubled, and every backslash doubled again for the string.
desktop_exec_quote() {
  local q=$1
  case $q in
    *[[:space:]\"\'\\\>\<\~\|\&\;\$\*\?\#\(\)\`%=]*) ;;
    *) printf '%s' "$q"; return 0 ;;
  esac
  q=${q//\\/\\\\}
  q=${q//\"/\\\"}
  q=${q//\`/\\\`}
  q=${q//\$/\\\$}
  q=${q//%/%%}
  q="\"$q\""
  printf '%s' "${q//\\/\\\\}"
}

# The MIME types Gridwell's menu entry lists.
desktop_mime_types() {
  sed -n 's/^MimeType=//p' "$GW_DATA_HOME/applications/$GW_DESKTOP_ID" | tr ';' ' '
}

refresh_databases() {
  if [ -d "$GW_DATA_HOME/mime/packages" ]; then
    update-mime-database "$GW_DATA_HOME/mime" || return 1
  fi
  if [ -d "$GW_DATA_HOME/applications" ]; then
    update-desktop-database -q "$GW_DATA_HOME/applications" || true
  fi
  # A user's icon cache, where there is one, must know of the icons or hide them; without
  # one the theme folders are read as they are.
  local hicolor=$GW_DATA_HOME/icons/hicolor
  if [ -f "$hicolor/icon-theme.cache" ] && command -v gtk-update-icon-cache >/dev/null; then
    gtk-update-icon-cache -q -f -t "$hicolor" || true
  fi
}

# The databases learn of the installed files; Gridwell becomes the default for its types.
register_desktop() {
  local cache=$GW_DATA_HOME/applications/mimeinfo.cache
  [ -e "$cache" ] || record made - "$cache"
  [ -e "$GW_MIMEAPPS" ] || record made - "$GW_MIMEAPPS"
  make_dirs "$GW_CONFIG_HOME"
  refresh_databases || { echo "install-linux: update-mime-database failed" >&2; return 1; }
  # shellcheck disable=SC2046  # one argument per type
  XDG_CONFIG_HOME=$GW_CONFIG_HOME XDG_DATA_HOME=$GW_DATA_HOME \
    xdg-mime default "$GW_DESKTOP_ID" $(desktop_mime_types)
}

# Gridwell's name leaves every list in mimeapps.list; a key that named only Gridwell goes.
forget_default_handler() {
  [ -f "$GW_MIMEAPPS" ] || return 0
  awk -v app="$GW_DESKTOP_ID" '
    /^[[:space:]]*(\[|#)/ || index($0, "=") == 0 { print; next }
    {
      key = substr($0, 1, index($0, "=") - 1)
      value = substr($0, index($0, "=") + 1)
      if (index(";" value ";", ";" app ";") == 0) { print; next }
      n = split(value, parts, ";")
      kept = ""
      for (i = 1; i <= n; i++) if (parts[i] != "" && parts[i] != app) kept = kept parts[i] ";"
      if (kept != "") print key "=" kept
    }' "$GW_MIMEAPPS" >"$GW_MIMEAPPS.new" && mv -f -- "$GW_MIMEAPPS.new" "$GW_MIMEAPPS"
}

# After the files are gone: the databases forget them, and what a tool made only for
# Gridwell goes too (GW_MADE, GW_DIRS from the list of installed files).
unregister_desktop() {
  forget_default_handler
  refresh_databases || true
  local made
  for made in "${GW_MADE[@]}"; do
    case $made in
      */mimeinfo.cache)
        find "$(dirname "$made")" -name '*.desktop' 2>/dev/null | grep -q . || rm -f -- "$made" ;;
      */mimeapps.list)
        [ -f "$made" ] && ! grep -q '=' "$made" && rm -f -- "$made" ;;
    esac
  done
  # The MIME folder holds nothing but what update-mime-database wrote from packages/.
  local mime=$GW_DATA_HOME/mime
  if manifest_owns_dir "$mime" && [ -z "$(ls -A "$mime/packages" 2>/dev/null)" ]; then
    rm -rf -- "$mime"
  fi
}
