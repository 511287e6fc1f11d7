# shellcheck shell=bash
# The list of what the Linux install put into the user's home, so that the uninstall takes
# away exactly that (sourced; needs locations.sh). One entry a line, "KIND HASH PATH":
#   file  the install's own file: removed
#   user  a sample puzzle: removed only while unchanged (one the user solved is the user's)
#   dir   a folder the install made: removed once empty
#   made  a file a database tool made for the install (its HASH is "-"): the uninstall decides

declare -A GW_OLD_HASH=()   # path -> hash of the previous install's files
declare -A GW_NEW=()        # paths this install put
GW_ENTRIES=()

file_hash() { sha256sum -- "$1" | cut -d' ' -f1; }

record() {  # kind hash path
  local e="$1 $2 $3" x
  for x in "${GW_ENTRIES[@]}"; do [ "$x" = "$e" ] && return 0; done
  GW_ENTRIES+=("$e")
}

# The previous install's list: its folders and made files stay ours, its files are compared.
# After an uninstall that kept the prefix, the folders it could not remove yet are ours.
manifest_begin() {
  local kind hash path list
  for list in "$GW_MANIFEST" "$GW_KEPT_DIRS"; do
    [ -f "$list" ] || continue
    while IFS=' ' read -r kind hash path; do
      case $kind in
        file | user) GW_OLD_HASH[$path]=$hash ;;
        dir | made) record "$kind" - "$path" ;;
      esac
    done <"$list"
  done
}

make_dirs() {  # folder: made with its missing parents, each recorded
  local d=$1 missing=()
  while [ ! -d "$d" ]; do
    missing+=("$d")
    d=$(dirname "$d")
  done
  mkdir -p -- "$1"
  for d in "${missing[@]}"; do record dir - "$d"; done
}

put_file() {  # source destination mode
  make_dirs "$(dirname "$2")"
  install -m "$3" -- "$1" "$2"
  record file "$(file_hash "$2")" "$2"
  GW_NEW[$2]=1
}

put_user_file() {  # source destination: a file the user may change in place
  if [ -e "$2" ] && [ "$(file_hash "$2")" != "${GW_OLD_HASH[$2]:-}" ]; then
    echo "keeping $2 (changed since it was installed)"
    return 0
  fi
  make_dirs "$(dirname "$2")"
  install -m 644 -- "$1" "$2"
  record user "$(file_hash "$2")" "$2"
  GW_NEW[$2]=1
}

# A file the previous install put and this one did not goes, unless the user changed it.
manifest_commit() {
  local path
  for path in "${!GW_OLD_HASH[@]}"; do
    [ -n "${GW_NEW[$path]:-}" ] && continue
    [ -f "$path" ] && [ "$(file_hash "$path")" = "${GW_OLD_HASH[$path]}" ] && rm -f -- "$path"
  done
  make_dirs "$(dirname "$GW_MANIFEST")"
  printf '%s\n' "${GW_ENTRIES[@]}" >"$GW_MANIFEST.new"
  mv -f -- "$GW_MANIFEST.new" "$GW_MANIFEST"
  rm -f -- "$GW_KEPT_DIRS"
}

# The uninstall: removes the files, leaving GW_DIRS and GW_MADE for the caller.
GW_DIRS=()
GW_MADE=()
manifest_remove_files() {
  local kind hash path
  while IFS=' ' read -r kind hash path; do
    case $kind in
      file) rm -f -- "$path" ;;
      user)
        if [ -f "$path" ] && [ "$(file_hash "$path")" != "$hash" ]; then
          echo "keeping $path (changed since it was installed)"
        else
          rm -f -- "$path"
        fi ;;
      dir) GW_DIRS+=("$path") ;;
      made) GW_MADE+=("$path") ;;
    esac
  done < <(cat -- "$GW_MANIFEST" "$GW_KEPT_DIRS" 2>/dev/null)
  rm -f -- "$GW_MANIFEST" "$GW_KEPT_DIRS"
}

manifest_owns_dir() {  # folder
  local d
  for d in "${GW_DIRS[@]}"; do [ "$d" = "$1" ] && return 0; done
  return 1
}

# The recorded folders, deepest first, each removed when nothing else is in it. Those that
# hold a kept prefix are noted in it for a later --purge.
manifest_remove_dirs() {
  local d
  [ ${#GW_DIRS[@]} -gt 0 ] || return 0
  printf '%s\n' "${GW_DIRS[@]}" | awk '{ print length($0) "\t" $0 }' | sort -rn | cut -f2- |
    while IFS= read -r d; do rmdir -- "$d" 2>/dev/null || true; done
  if [ -d "$GW_PREFIX" ]; then
    for d in "${GW_DIRS[@]}"; do [ -d "$d" ] && echo "dir - $d"; done >"$GW_KEPT_DIRS"
  fi
  return 0
}
