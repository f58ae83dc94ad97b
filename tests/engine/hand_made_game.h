#pragma once

#include <gtest/gtest.h>

#include "engine/generation.h"
#include "engine/session.h"

using namespace kestravane;

// An open game with a hand-made universe at full supplies: no ships until a
// test places them, nothing scanned, the ship at 0-0-0 looking along Z.
class HandMadeGame : public ::testing::Test {
 protected:
  Session session;
  GameState& state = session.State;

  void Open(Difficulty difficulty) {
    session.InProgress = true;
    state.Difficulty = difficulty;
    state.Missiles = {0, MissilesFor(difficulty), MissilesFor(difficulty)};
    state.Fuel = {0, FuelFor(difficulty), FuelFor(difficulty)};
  }

  void PlaceShip(int z, int y, int x, bool destroyed = false) {
    const int i = QuadrantIndex(z, y, x);
    session.Grid.Enemy[i] = 1;
    session.Grid.Struck[i] = destroyed ? 1 : 0;
    ++state.EnemyShips;
    if (destroyed) ++state.ShipsDestroyed;
  }

  // The ship, and so the target, at z-y-x.
  void Aim(int z, int y, int x) {
    state.Z = z;
    state.Y = y;
    state.X = x;
  }
};
