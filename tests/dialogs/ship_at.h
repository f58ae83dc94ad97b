#pragma once

#include "engine/game_state.h"

// A game whose ship is at (z, y, x), looking along `axis`.
inline kestravane::GameState ShipAt(int z, int y, int x, kestravane::ScanAxis axis) {
  kestravane::GameState state;
  state.Z = z;
  state.Y = y;
  state.X = x;
  state.Axis = axis;
  return state;
}
