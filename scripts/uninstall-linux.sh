#!/usr/bin/env bash
# Takes away what scripts/install-linux.sh put into your home; your puzzles stay, and so
# does Gridwell's Wine prefix with your settings unless you ask for --purge.
#   bash scripts/uninstall-linux.sh [--purge]
# The install keeps a copy of this at ~/.local/share/gridwell/uninstall.bash.
exec bash "$(dirname "$0")/../installer/linux/uninstall.bash" "$@"
