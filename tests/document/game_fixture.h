#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "common/file_contents.h"
#include "common/temporary_directory.h"
#include "document/game_document.h"
#include "engine/game_state.h"
#include "engine/generation.h"
#include "engine/quadrant_grid.h"
#include "engine/random.h"
#include "engine/scan_log.h"
#include "platform/headless/headless.h"

// A generated game with some play in it, a document and a place to save it.
class GameFileTest : public ::testing::Test {
 protected:
  TemporaryDirectory directory;
  GameDocument document;
  QuadrantGrid grid{};
  GameState state;
  ScanLog log{};

  void SetUp() override {
    platform::headless::MuteBoxes(true);
    platform::headless::ForgetShown();
    SeedRandom(4242);
    state.Difficulty = 3;
    GenerateGame(grid, state, log);
    state.Z = 5;
    state.Y = 1;
    state.X = 7;
    state.ScanAxis = ScanX;
    state.ShipsDestroyed = 2;
    state.Fuel.Value = 149;
    state.Missiles.Value = 351;
    grid.Struck[100] = 1;
    log.Sector[25] = {1, 4, 2, 2};
    document.Path = directory.File("Davuvodo.war");
  }

  static std::vector<unsigned char> Bytes(const std::string& path) {
    const std::string content = FileContents(path);
    return {content.begin(), content.end()};
  }

  static void Store(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }

  // The one box the last operation showed.
  static std::string OnlyBox() {
    const auto& boxes = platform::headless::Boxes();
    if (boxes.size() != 1) return "expected one box, saw " + std::to_string(boxes.size());
    EXPECT_EQ(boxes[0].caption, "Kestravane");
    EXPECT_EQ(boxes[0].icon, platform::BoxIcon::Warning);
    return boxes[0].text;
  }
};
