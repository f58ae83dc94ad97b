#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "common/file_contents.h"
#include "common/temporary_directory.h"
#include "document/game_file_format.h"
#include "engine/generation.h"
#include "engine/sector.h"
#include "engine/weapons.h"

using namespace kestravane;

// A missile landing on `quadrant` as the game's own shot lands, with all the
// bookkeeping it leaves behind, without moving the ship there.
inline void Strike(Session& session, Quadrant quadrant) {
  StrikeTarget(session, {quadrant, CellOf(session.State, quadrant)});
}

// The quadrants of the universe that hold an enemy ship, or none.
inline std::vector<Quadrant> QuadrantsWhere(const QuadrantGrid& grid, bool enemy) {
  std::vector<Quadrant> found;
  for (int z = 0; z < AxisLength; ++z)
    for (int y = 0; y < AxisLength; ++y)
      for (int x = 0; x < AxisLength; ++x)
        if ((grid.Enemy[QuadrantIndex(z, y, x)] != 0) == enemy) found.push_back({z, y, x});
  return found;
}

// A generated game with some play in it, and a place to save it: the
// scanner has looked along X at X = 7, two ships were destroyed there and
// one missile went into empty space.
class GameFileTest : public ::testing::Test {
 protected:
  TemporaryDirectory directory;
  std::string path = directory.File("Davuvodo.war");
  Session session;
  GameState& state = session.State;

  void SetUp() override {
    session.Random.Seed(4242);
    state.Difficulty = Difficulty::Easy;
    GenerateGame(session);
    state.Z = 5;
    state.Y = 1;
    state.X = 7;
    state.Axis = ScanAxis::X;
    RecordSectorScan(session.Grid, state, session.Log);
    int kills = 0;
    for (const Quadrant& ship : QuadrantsWhere(session.Grid, true)) {
      if (ship.X != 7 || kills == 2) continue;
      Strike(session, ship);
      ++kills;
    }
    Strike(session, QuadrantsWhere(session.Grid, false).front());
    state.Fuel.Value = 149;
    state.Missiles.Value = 351;
  }

  static std::vector<unsigned char> Bytes(const std::string& file) {
    const std::string content = FileContents(file);
    return {content.begin(), content.end()};
  }

  static void Store(const std::string& file, const std::vector<unsigned char>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
};
