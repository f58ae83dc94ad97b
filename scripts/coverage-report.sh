#!/usr/bin/env bash
# Prints the line coverage of the product under the tests run in the
# coverage build BUILD: overall, then module by module.
# Usage: coverage-report.sh BUILD
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
modules=(engine document support display dialogs app platform tools)

# gcov runs once over the build's counts into a tracefile, which each
# summary then filters. gcovr replaces its output file rather than writing
# into it, so the reports go to files of the build's own: given /dev/null, it
# would replace the device with a regular file when run as root.
gcovr --root . "$build" --gcov-ignore-parse-errors --json "$build/coverage.json"
summary() {
  gcovr --root . --add-tracefile "$build/coverage.json" "$@" --print-summary --output "$build/coverage.txt" |
    awk '/^lines:/ { print $2, $3, $4, $5, $6, $7 }'
}

filters=()
for module in "${modules[@]}"; do filters+=(--filter "$module/"); done
printf '%-10s %s\n' product "$(summary "${filters[@]}")"
for module in "${modules[@]}"; do printf '%-10s %s\n' "$module" "$(summary --filter "$module/")"; done
