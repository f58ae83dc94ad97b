#!/usr/bin/env bash
# The real game, started and left with Ctrl+Q twice at each scale: the main window's place in its settings does not move
# by a pixel, however the window manager frames it, and the window is never offered to be maximised.
# Usage (under under_openbox.sh): this GAME
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A copy of its own keeps its settings beside it, in this folder.
cp "$1" "$work/kestravane"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
for scale in 1 1.25 1.5; do
  printf '[Kestravane]\nTop=36\nLeft=122\n' >"$work/kestravane.ini"
  # The second run starts from the place the first saved.
  for run in 1 2; do
    QT_SCALE_FACTOR=$scale "$work/kestravane" 2>/dev/null &
    game=$!
    # A window found while the game starts may be gone by the time it is asked: the game is asked until it has ended.
    while kill -0 $game 2>/dev/null; do
      window=$(xdotool search --onlyvisible --name '^Kestravane$' 2>/dev/null | head -1) || true
      if [[ -n "$window" ]]; then
        offered=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS 2>/dev/null) || true
        xdotool windowactivate --sync "$window" key ctrl+q 2>/dev/null || true
      fi
      sleep 0.2
    done
    wait $game
    place=$(grep -E '^(Top|Left)=' "$work/kestravane.ini" | head -2 | tr '\n' ' ')
    [[ "$place" == "Top=36 Left=122 " ]] || { echo "scale $scale, run $run: $place" >&2; exit 1; }
    # A window of one size can be minimised, not maximised.
    [[ "$offered" == *MINIMIZE* && "$offered" != *MAXIMIZE* ]] || { echo "offered: $offered" >&2; exit 1; }
  done
done
