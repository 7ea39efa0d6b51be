#!/usr/bin/env bash
# Runs the tests of the Windows cross build (build/windows) under Wine.
#   test-windows.sh JOBS
# Without Wine the step ends after the build: compiling and linking the
# Windows code is then all that is checked, and this says so.
set -euo pipefail

jobs=${1:-2}
scripts=$(cd "$(dirname "$0")" && pwd)

if ! command -v wine >/dev/null && ! command -v wine64 >/dev/null; then
  echo "test-windows: Wine is not installed; the Windows build was compiled and linked," \
       "its tests were not run"
  exit 0
fi

# One server and Wine's own services for the whole run. Started here, with
# their output going nowhere, they stay out of the tests' output pipes: a
# service started by the first test would otherwise hold that test's pipe
# open until the server gives up, and every test would wait for it.
"$scripts/wine-run.sh" wineserver --persistent </dev/null >/dev/null 2>&1
trap '"$scripts/wine-run.sh" wineserver --kill || true' EXIT
"$scripts/wine-run.sh" wineboot </dev/null >/dev/null 2>&1

ctest --preset windows -j"$jobs"
