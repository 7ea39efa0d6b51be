#!/usr/bin/env bash
# Prints the ASAN_OPTIONS for the sanitizer test run. Leak detection stays on
# unless LeakSanitizer cannot work here (for example under ptrace or in a
# container without the needed permissions); then it is switched off and the
# reason goes to stderr.
set -euo pipefail

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'int main() { return 0; }\n' >"$work/probe.cpp"
options="detect_leaks=1"
if ! c++ -fsanitize=address "$work/probe.cpp" -o "$work/probe" 2>"$work/log"; then
  echo "asan: cannot build a sanitizer probe; leak detection off" >&2
  options="detect_leaks=0"
elif ! ASAN_OPTIONS=detect_leaks=1 "$work/probe" >"$work/log" 2>&1; then
  echo "asan: LeakSanitizer does not work in this environment ($(head -c 200 "$work/log" | tr '\n' ' '));" \
       "running with detect_leaks=0" >&2
  options="detect_leaks=0"
fi
echo "${options}:strict_string_checks=1:check_initialization_order=1"
