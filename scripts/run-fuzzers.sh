#!/usr/bin/env bash
# Runs each libFuzzer target for a bounded time and reports how many inputs it tried.
# Usage: run-fuzzers.sh BUILD_DIR SECONDS
set -euo pipefail
build=$1
seconds=$2
for target in fuzz-game-file fuzz-settings; do
  corpus="fuzz-corpus/${target#fuzz-}"
  mkdir -p "$corpus"
  echo "== $target for ${seconds}s"
  "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 "$corpus" 2>&1 |
    grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY)' || true
  [[ ${PIPESTATUS[0]} -eq 0 ]] || { echo "$target found a crash"; exit 1; }
done
