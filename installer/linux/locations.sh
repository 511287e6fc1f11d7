# shellcheck shell=bash
# Where Gridwell lives in a Linux user's home (sourced by the install and uninstall scripts).
# The XDG base directories decide; a relative XDG_* value is invalid and is ignored, as
# the base-directory rules ask.
# shellcheck disable=SC2034  # used by the scripts that source this
gw_xdg_dir() {  # value default
  case $1 in /*) printf '%s' "$1" ;; *) printf '%s' "$2" ;; esac
}
GW_DATA_HOME=$(gw_xdg_dir "${XDG_DATA_HOME:-}" "$HOME/.local/share")
GW_CONFIG_HOME=$(gw_xdg_dir "${XDG_CONFIG_HOME:-}" "$HOME/.config")
GW_HOME=$GW_DATA_HOME/gridwell          # program, Wine prefix, list of installed files
GW_PROGRAM=$GW_HOME/program
GW_PREFIX=$GW_HOME/prefix
GW_MANIFEST=$GW_HOME/installed.list
GW_KEPT_DIRS=$GW_PREFIX/.gridwell-dirs  # folders still to remove with a prefix kept by an uninstall
GW_LAUNCHER=$HOME/.local/bin/gridwell   # user programs have no XDG variable of their own
GW_DESKTOP_ID=gridwell.desktop
GW_MIMEAPPS=$GW_CONFIG_HOME/mimeapps.list
