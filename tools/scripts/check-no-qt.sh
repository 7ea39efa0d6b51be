#!/usr/bin/env bash
# Proves that a build folder configured without the GUI contains no trace of
# Qt: no Qt package found, no Qt include path or library in any compile or
# link line, and no built program that loads a Qt library.
set -euo pipefail

build=${1:?usage: check-no-qt.sh BUILD_FOLDER}
failures=0

fail() {
  echo "no-qt: $*" >&2
  failures=$((failures + 1))
}

qt_dir=$(sed -n 's/^Qt6_DIR:[A-Z]*=//p' "$build/CMakeCache.txt")
if [[ -n "$qt_dir" && "$qt_dir" != *NOTFOUND ]]; then
  fail "the configuration found a Qt package in $qt_dir"
fi

if grep -Eiq 'qt6|libQt|Qt6::' "$build/build.ninja"; then
  fail "build.ninja mentions Qt:"
  grep -Eio '[^ ]*(qt6|libQt)[^ ]*' "$build/build.ninja" | sort -u | head -5 >&2 || true
fi

if [[ -f "$build/compile_commands.json" ]] && grep -Eq '[Qq]t6|-DQT_[A-Z_]+' "$build/compile_commands.json"; then
  fail "a compile command uses a Qt include path or definition"
fi

checked=0
while IFS= read -r -d '' program; do
  checked=$((checked + 1))
  if ldd "$program" 2>/dev/null | grep 'libQt' >/dev/null; then
    fail "$program loads Qt: $(ldd "$program" | grep libQt | head -1)"
  fi
done < <(find "$build" -type f -perm -u+x -not -name '*.so*' -not -path '*/CMakeFiles/*' -print0)

while IFS= read -r -d '' archive; do
  checked=$((checked + 1))
  if nm -C --undefined-only "$archive" 2>/dev/null | grep -E '\b(QString|QObject|QWidget|QCoreApplication)\b' >/dev/null; then
    fail "$archive refers to Qt symbols"
  fi
done < <(find "$build" -type f -name '*.a' -print0)

if ((checked == 0)); then
  fail "nothing built in $build"
fi
if ((failures > 0)); then
  exit 1
fi
echo "no-qt: $checked programs and libraries in $build, none refers to Qt"
