#!/usr/bin/env bash
# Measures the game's start-up on a real X server (Xvfb), in one run:
#   - launch to splash picture on screen   (target: under 100 ms)
#   - launch to main window on screen      (target: the splash's 1 s + under 50 ms)
#   - resident memory once started         (target: under 40 MB)
#   - CPU used while idle for ten seconds  (target: zero)
# Usage: bench/startup.sh [build directory ...]   (STARTUP_LAUNCHES, default 5)
# Several build directories are measured side by side in the same run, their
# launches taking turns, so that a change is compared on equal terms.
set -euo pipefail

builds=("${@:-build}")
launches=${STARTUP_LAUNCHES:-5}
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X${display#:} ]] && break; sleep 0.1; done

now_ns() { date +%s%N; }
event_time() { awk -v e="$1" '$1 == e { print $2; exit }' "$2"; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
ticks_per_second=$(getconf CLK_TCK)

printf '%-8s %-24s %12s %12s %10s %12s\n' launch build "splash (ms)" "window (ms)" "RSS (MB)" "idle CPU (ms)"
for run in $(seq "$launches"); do
  for build in "${builds[@]}"; do
    game=$(realpath "$build/app/kestravane")
    log=$work/trace-$run.log
    mkdir -p "$work/runtime-$run" && chmod 700 "$work/runtime-$run"
    start=$(now_ns)
    DISPLAY=$display KESTRAVANE_TRACE=1 XDG_RUNTIME_DIR=$work/runtime-$run XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data \
      "$game" 2>"$log" &
    pid=$!
    for _ in $(seq 100); do grep -q '^main-window-shown ' "$log" && break; sleep 0.05; done
    splash=$(event_time splash-shown "$log")
    window=$(event_time main-window-shown "$log")
    [[ -n "$splash" && -n "$window" ]] || { echo "the game did not start; its output:"; cat "$log"; exit 1; }
    sleep 1
    rss_kb=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
    before=$(cpu_ticks "$pid")
    sleep 10
    after=$(cpu_ticks "$pid")
    kill "$pid"; wait "$pid" 2>/dev/null || true
    printf '%-8s %-24s %12.1f %12.1f %10.1f %12d\n' "$run" "$build" \
      "$(echo "($splash - $start) / 1000000" | bc -l)" \
      "$(echo "($window - $start) / 1000000" | bc -l)" \
      "$(echo "$rss_kb / 1024" | bc -l)" \
      $(( (after - before) * 1000 / ticks_per_second ))
  done
done
