#!/usr/bin/env bash
# Runs every built fuzzer for a bounded time over a working copy of its seed
# corpus, so that the seeds in the repository are never changed.
#   run-fuzzers.sh BUILD_FOLDER SECONDS_IN_ALL [CORPUS_ROOT]
# Without CORPUS_ROOT the corpora live in a temporary folder that is removed
# afterwards; with it they are kept there and grow from run to run.
set -euo pipefail

build=${1:?usage: run-fuzzers.sh BUILD_FOLDER SECONDS_IN_ALL [CORPUS_ROOT]}
seconds_in_all=${2:?seconds missing}
repo=$(cd "$(dirname "$0")/../.." && pwd)

mapfile -t names < <(find "$repo/fuzz" -maxdepth 1 -name '*_fuzzer.cpp' -printf '%f\n' |
                     sed 's/\.cpp$//' | sort)
if ((${#names[@]} == 0)); then
  echo "fuzz: no fuzzers in fuzz/"
  exit 0
fi

if [[ -n "${3:-}" ]]; then
  corpus_root=$3
  mkdir -p "$corpus_root"
else
  corpus_root=$(mktemp -d)
  trap 'rm -rf "$corpus_root"' EXIT
fi

per_fuzzer=$((seconds_in_all / ${#names[@]}))
((per_fuzzer >= 1)) || per_fuzzer=1
echo "fuzz: ${#names[@]} fuzzers, ${per_fuzzer}s each"

failed=()
for name in "${names[@]}"; do
  program="$build/bin/$name"
  if [[ ! -x "$program" ]]; then
    echo "fuzz: $program was not built" >&2
    failed+=("$name")
    continue
  fi
  corpus="$corpus_root/$name"
  mkdir -p "$corpus"
  if [[ -d "$repo/fuzz/corpus/$name" ]]; then
    cp -r "$repo/fuzz/corpus/$name/." "$corpus/"
  fi
  artifacts="$build/fuzz-artifacts/$name"
  mkdir -p "$artifacts"
  log="$build/fuzz-artifacts/$name.log"
  if "$program" -max_total_time="$per_fuzzer" -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" >"$log" 2>&1; then
    echo "fuzz: $name ok ($(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$log" |
                             grep -Eo '[0-9]+$' || echo '?') runs)"
  else
    echo "fuzz: $name FAILED, see $log and $artifacts" >&2
    tail -n 40 "$log" >&2
    failed+=("$name")
  fi
done

if ((${#failed[@]} > 0)); then
  echo "fuzz: failed: ${failed[*]}" >&2
  exit 1
fi
