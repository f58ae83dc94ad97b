#!/usr/bin/env bash
# Prints how large the test suite is against the product: non-blank lines of
# C++ (.cpp, .h, .inc) under tests/ and fuzz/ plus the test scripts there
# (shell, Python, CMake), against those of the product's modules, and the
# ratio, which is kept at a third or less.
set -euo pipefail
cd "$(dirname "$0")/.."

# Non-blank lines of the files under the given folders whose names match.
count() {
  local pattern=$1
  shift
  find "$@" -type f -regextype posix-extended -regex "$pattern" -print0 | xargs -0 cat | grep -cv '^[[:space:]]*$'
}

code='.*\.(cpp|h|inc)'
product=$(count "$code" engine document support display dialogs app platform tools)
tests=$(count '.*\.(cpp|h|inc|sh|py|cmake)' tests fuzz)
awk -v t="$tests" -v p="$product" 'BEGIN {
  printf "Test lines: %d, product lines: %d, ratio %.2f (at most 0.33)\n", t, p, t / p
}'
