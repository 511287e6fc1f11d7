#!/usr/bin/env bash
# Installs everything Gridwell needs to build, run and test on Debian 12.
# Quick no-op when everything is already there, so the other scripts call it every time.
set -euo pipefail

PACKAGES=(
  # native build and unit tests (googletest carries the sources the Windows tests build from)
  cmake g++ make libgtest-dev googletest libbenchmark-dev
  # Windows cross compilers (x64 is run here, x86 is only built)
  g++-mingw-w64-x86-64 g++-mingw-w64-i686
  # running the x64 build: Wine, a virtual display, input driving and screenshots
  wine64 xvfb x11-utils xdotool imagemagick
  # fonts: Liberation is metric-compatible with Arial; fonts-wine brings the faces Wine draws
  # its own controls with (Marlett, Tahoma), so screenshots look like Windows
  fonts-liberation fonts-wine
  # fuzzing with libFuzzer
  clang libclang-rt-14-dev
  # printing end to end: the CUPS scheduler, a queue that writes PDFs (Wine prints to CUPS
  # through libcups2, which cups pulls in) and the PDF tools that turn pages into text and PNGs
  cups printer-driver-cups-pdf poppler-utils
  # the installer (makensis) and the help files (chmcmd compiles them, chmls lists them)
  nsis fp-utils
  # JSON for the ipuz import and export (header-only; the Windows builds use the same headers)
  nlohmann-json3-dev
  # jpz (Crossword Compiler) import: libxml2's pull reader natively, zlib for zipped files
  # (the Windows builds link the static zlib of libz-mingw-w64-dev and read XML with XmlLite)
  libxml2-dev zlib1g-dev libz-mingw-w64-dev
  # the Linux desktop install: desktop entry check, MIME database and default handlers
  # (gio is what xdg-mime asks for a file's type on GNOME, Debian's desktop)
  desktop-file-utils shared-mime-info xdg-utils libglib2.0-bin
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

# The shipped googletest sources are what the cross-built tests compile; make sure they are there.
if [ ${#missing[@]} -eq 0 ] && [ -f /usr/src/googletest/CMakeLists.txt ]; then
  echo "install-deps: all ${#PACKAGES[@]} packages present"
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing packages: ${missing[*]}" >&2
  echo "install-deps: run this script as root to install them" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]:-googletest}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
# Without --no-install-recommends apt would pull the 32-bit Wine, which cannot run here.
apt-get install -y -q --no-install-recommends "${PACKAGES[@]}" </dev/null
if [ ! -f /usr/src/googletest/CMakeLists.txt ]; then
  echo "install-deps: /usr/src/googletest is missing after the install" >&2
  exit 1
fi
echo "install-deps: done"
