#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own Wine prefix, with
# Wine's diagnostics off so that a test's output is the test's alone. CMake
# uses this as the emulator of the MinGW-w64 build; ctest and GoogleTest's
# test discovery go through it.
#   wine-run.sh PROGRAM.exe [ARGUMENTS...]
#   wine-run.sh wineserver [OPTIONS...]    the same prefix's server
# The prefix is build/wine-prefix (or PFEDIT_WINEPREFIX); the first run
# creates it, which takes a few seconds.
set -euo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
export WINEPREFIX=${PFEDIT_WINEPREFIX:-$repo/build/wine-prefix}
export WINEDEBUG=-all
# A 64-bit prefix: Debian's wine64 alone cannot set up the 32-bit half.
export WINEARCH=win64
# No menu entries in the user's desktop, and no offer to download the .NET or
# HTML engines while the prefix is made.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
# Console programs only: nothing may open a window on the user's display.
export DISPLAY=
mkdir -p "$WINEPREFIX"

if [[ "${1:-}" == wineserver ]]; then
  shift
  exec wineserver "$@"
fi
exec "$(command -v wine || command -v wine64)" "$@"
