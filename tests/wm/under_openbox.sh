#!/usr/bin/env bash
# Runs a test program under a real window manager that draws frames: a private X server (Xvfb, on the first free
# display, 1024 x 768) with openbox. Whatever it starts it stops again, and no step waits for long.
# Usage: under_openbox.sh PROGRAM [ARGUMENTS...]
set -euo pipefail

work=$(mktemp -d)
xvfb= openbox=
trap 'kill $openbox $xvfb 2>/dev/null || true; wait; rm -rf "$work"' EXIT

# Waits up to ten seconds for FILE to say something.
await() {
  for _ in $(seq 100); do [[ -s "$1" ]] && return 0 || sleep 0.1; done
  echo "under_openbox.sh: $2 did not start" >&2
  exit 1
}

# Xvfb writes the display it chose once it takes connections.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
await "$work/display" Xvfb
export DISPLAY=":$(cat "$work/display")"

# The window manager keeps its settings in the folder made here, not in a home.
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache"
openbox --startup "sh -c 'echo up > $work/openbox'" 2>"$work/openbox.log" &
openbox=$!
await "$work/openbox" openbox

QT_QPA_PLATFORM=xcb timeout 120 "$@"
