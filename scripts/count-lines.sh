#!/usr/bin/env bash
# Prints how large the test suite is against the product: non-blank lines of
# the test code under tests/ and fuzz/ (C++, shell and Python scripts and the
# scenario files) against the C++ of the product's modules, and the ratio,
# which is to be 0.36 or less. Only files git knows are counted.
set -euo pipefail
cd "$(dirname "$0")/.."

# Non-blank lines of the tracked files under the given folders whose names match.
count() {
  local pattern=$1
  shift
  git ls-files -z -- "$@" | grep -zE "$pattern" | xargs -0r cat | grep -cv '^[[:space:]]*$'
}

product=$(count '\.(cpp|h|inc)$' engine document support display dialogs app platform tools)
tests=$(count '\.(cpp|h|inc|py|sh|scenario)$' tests fuzz)
awk -v t="$tests" -v p="$product" 'BEGIN {
  printf "Test lines: %d, product lines: %d, ratio %.3f (at most 0.36%s)\n", t, p, t / p,
    (t / p > 0.36 ? ": over the limit" : "")
}'
