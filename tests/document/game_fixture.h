#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "common/file_contents.h"
#include "common/temporary_directory.h"
#include "document/game_file_format.h"
#include "engine/generation.h"

// A generated game with some play in it, and a place to save it.
class GameFileTest : public ::testing::Test {
 protected:
  TemporaryDirectory directory;
  std::string path = directory.File("Davuvodo.war");
  Session session;
  GameState& state = session.State;

  void SetUp() override {
    session.Random.Seed(4242);
    state.Difficulty = 3;
    GenerateGame(session);
    state.Z = 5;
    state.Y = 1;
    state.X = 7;
    state.ScanAxis = ScanX;
    state.ShipsDestroyed = 2;
    state.Fuel.Value = 149;
    state.Missiles.Value = 351;
    session.Grid.Struck[100] = 1;
    session.Log.Sector[25] = {1, 4, 2, 2};
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
