#!/usr/bin/env bash
# Mutation testing: plants one small bug at a time in the game's code and
# checks that the test suite notices it.
#
# Usage: scripts/mutate.sh [BUILD_DIR] [MUTATIONS_FILE] [FILTER]
#   BUILD_DIR       a configured build tree (default: build in the repository)
#   MUTATIONS_FILE  the list of mutations (default: scripts/mutations.txt)
#   FILTER          run only the mutation numbered FILTER, or those whose file's
#                   path contains FILTER (e.g. 12, engine/, settings.cpp)
# Every build and every test run holds the lock $KESTRAVANE_BUILD_LOCK
# (default /tmp/kestravane-build.lock), one command at a time.
#
# Mutations file: one mutation a line, four fields separated by " | ":
#   path | old text | new text | what a player or maintainer would notice
# The path is relative to the repository's top. The old text must occur
# exactly once in the file, else the mutation is reported "stale". The new
# text may be empty (the old text is deleted); no field may contain " | ".
# Blank lines and lines starting with # are skipped. Mutations are numbered
# from 1 in the order of the file, comments not counted.
#
# For each mutation: the old text is replaced, the build is brought up to
# date, and the suite runs until its first failure. The result is "caught"
# (a test failed), "missed" (every test passed) or "no build" (the mutant did
# not compile). The file is always put back, on an error or Ctrl+C too, and
# with a new time stamp, so that the next build compiles it again. The suite
# must pass on the unchanged code before the first mutant, and the build tree
# is built from it again after the last. The build and test output of each
# mutant is kept in a log folder, named at the end.
set -euo pipefail

root=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
build_dir=$(realpath "${1:-$root/build}")
mutations=$(realpath "${2:-$root/scripts/mutations.txt}")
filter=${3:-}
lock=${KESTRAVANE_BUILD_LOCK:-/tmp/kestravane-build.lock}
jobs=$(nproc)
logs=$(mktemp -d /tmp/kestravane-mutants.XXXXXX)
separator=' | '

cd "$root"
[[ -f $build_dir/CMakeCache.txt ]] || { echo "mutate.sh: $build_dir is no configured build tree" >&2; exit 2; }

mutated=''         # the file now holding a mutant, if any
original="$logs/original"
restore() {
  if [[ -n $mutated ]]; then
    cat "$original" >"$mutated"
    mutated=''
  fi
}
trap restore EXIT
trap 'restore; exit 130' INT
trap 'restore; exit 143' TERM

build() { flock "$lock" cmake --build "$build_dir" -j"$jobs"; }
run_tests() {
  flock "$lock" ctest --test-dir "$build_dir" -j"$jobs" --stop-on-failure --output-on-failure --timeout 120
}

# Once, before the first mutant: a suite that fails already would count every mutant caught.
unchanged_checked=''
check_unchanged() {
  [[ -z $unchanged_checked ]] || return 0
  echo "Checking that the unchanged code builds and passes ..." >&2
  if ! build >"$logs/unchanged.log" 2>&1 || ! run_tests >>"$logs/unchanged.log" 2>&1; then
    echo "mutate.sh: the unchanged code fails to build or to pass; see $logs/unchanged.log" >&2
    exit 1
  fi
  unchanged_checked=yes
}

# Splits "$1" at the separator into the array fields.
split() {
  local rest=$1
  fields=()
  while [[ $rest == *"$separator"* ]]; do
    fields+=("${rest%%"$separator"*}")
    rest=${rest#*"$separator"}
  done
  fields+=("$rest")
}

table=()
number=0 built=0 caught=0
# The list comes in on its own descriptor: a build or a test may read standard input.
while IFS= read -r line <&3 || [[ -n $line ]]; do
  [[ -z ${line//[[:space:]]/} || $line =~ ^[[:space:]]*# ]] && continue
  number=$((number + 1))
  split "$line"
  file=${fields[0]} description=${fields[3]:-}
  [[ -z $filter || $filter == "$number" || (! $filter =~ ^[0-9]+$ && $file == *"$filter"*) ]] || continue

  if ((${#fields[@]} != 4)); then
    result='malformed'
  elif [[ ! -f $file ]] || (($(grep -o -F -e "${fields[1]}" -- "$file" | wc -l) != 1)); then
    result='stale'
  else
    check_unchanged
    cp -- "$file" "$original"
    mutated=$file
    OLD=${fields[1]} NEW=${fields[2]} perl -0pe 's/\Q$ENV{OLD}\E/$ENV{NEW}/' "$original" >"$file"
    log="$logs/$number.log"
    if ! build >"$log" 2>&1; then
      result='no build'
    else
      built=$((built + 1))
      if run_tests >>"$log" 2>&1; then
        result='missed'
      else
        result='caught'
        caught=$((caught + 1))
      fi
    fi
    restore
  fi
  echo "$number $file: $result" >&2
  table+=("| $number | $file | ${description//|/\\|} | $result |")
done 3<"$mutations"

if [[ -n $unchanged_checked ]] && ! build >"$logs/restored.log" 2>&1; then
  echo "mutate.sh: the restored code failed to build; see $logs/restored.log" >&2
fi

echo "| # | File | Mutation | Result |"
echo "|---|------|----------|--------|"
((${#table[@]} == 0)) || printf '%s\n' "${table[@]}"
echo
echo "caught $caught of $built ($((built ? 100 * caught / built : 0)) %)"
echo "Logs: $logs" >&2
