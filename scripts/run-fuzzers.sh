#!/usr/bin/env bash
# Runs each libFuzzer target for a bounded time, or for a number of inputs,
# and reports how many inputs it tried. The corpora start from a real game
# document, a real settings file, a real captain's record and a real request
# of a later start, so that the fuzzers get past the signature, the section
# names, the record's keys and the request's line at once.
# Usage: run-fuzzers.sh BUILD_DIR SECONDS [RUNS]
#   with RUNS, each fuzzer tries that many inputs instead of running for SECONDS.
# Whatever the fuzzers write besides their corpora goes to a folder of this
# run's own (in memory where /dev/shm allows: the settings fuzzer saves a
# file per input) that is removed at the end, whatever the outcome.
set -euo pipefail
build=$1
seconds=$2
runs=${3:-}
here=$(cd "$(dirname "$0")/.." && pwd)

scratch_root=/dev/shm
[[ -d $scratch_root && -w $scratch_root ]] || scratch_root=${TMPDIR:-/tmp}
scratch=$(mktemp -d "$scratch_root/kestravane-fuzz-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export TMPDIR=$scratch

if [[ -n $runs ]]; then limit=(-runs="$runs"); else limit=(-max_total_time="$seconds"); fi

targets=(game-file game-play settings record-file hand-over)
for target in "${targets[@]}"; do mkdir -p "fuzz-corpus/$target"; done
"$build/tools/kestravane-tool" new --number 1 fuzz-corpus/game-file/seed-normal.war >/dev/null
"$build/tools/kestravane-tool" new --number 65535 --difficulty 3 fuzz-corpus/game-file/seed-easy.war >/dev/null
cp "$here/fuzz/seeds/settings.ini" fuzz-corpus/settings/seed.ini
cp "$here/fuzz/seeds/record.json" fuzz-corpus/record-file/seed.json
printf 'come forward\n/saved games/my game.war\0' >fuzz-corpus/hand-over/seed

for target in "${targets[@]}"; do
  echo "== fuzz-$target: ${limit[*]}"
  set +e
  "$build/fuzz/fuzz-$target" "${limit[@]}" -timeout=10 -print_final_stats=1 "fuzz-corpus/$target" \
    >"fuzz-corpus/$target.log" 2>&1
  status=$?
  set -e
  grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::average_exec_per_sec)|ERROR|SUMMARY' \
    "fuzz-corpus/$target.log" || true
  [[ $status -eq 0 ]] || { echo "fuzz-$target failed: see fuzz-corpus/$target.log"; exit 1; }
done
