#!/usr/bin/env bash
# Runs each libFuzzer target for a bounded time and reports how many inputs it tried.
# The corpora start from a real game document and a real settings file, so that the
# fuzzers get past the signature and the section names at once.
# Usage: run-fuzzers.sh BUILD_DIR SECONDS
set -euo pipefail
build=$1
seconds=$2
here=$(cd "$(dirname "$0")/.." && pwd)

mkdir -p fuzz-corpus/game-file fuzz-corpus/settings
"$build/tools/kestravane-tool" new --number 1 fuzz-corpus/game-file/seed-normal.war >/dev/null
"$build/tools/kestravane-tool" new --number 65535 --difficulty 3 fuzz-corpus/game-file/seed-easy.war >/dev/null
cp "$here/fuzz/seeds/settings.ini" fuzz-corpus/settings/seed.ini

for target in game-file settings; do
  echo "== fuzz-$target for ${seconds}s"
  set +e
  "$build/fuzz/fuzz-$target" -max_total_time="$seconds" -print_final_stats=1 "fuzz-corpus/$target" \
    >"fuzz-corpus/$target.log" 2>&1
  status=$?
  set -e
  grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::average_exec_per_sec)|ERROR|SUMMARY' \
    "fuzz-corpus/$target.log" || true
  [[ $status -eq 0 ]] || { echo "fuzz-$target failed: see fuzz-corpus/$target.log"; exit 1; }
done
