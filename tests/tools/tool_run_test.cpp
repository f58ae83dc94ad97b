#include <sys/wait.h>

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "common/file_contents.h"
#include "common/temporary_directory.h"
#include "engine/generation.h"

using namespace kestravane;

namespace {

struct ToolOutput {
  int status;
  std::string out;
  std::string err;
};

class ToolRunTest : public ::testing::Test {
 protected:
  TemporaryDirectory directory;

  ToolOutput Tool(const std::string& arguments) {
    const std::string out = directory.File("stdout"), err = directory.File("stderr");
    const std::string command = std::string(KESTRAVANE_TOOL) + " " + arguments + " >" + out + " 2>" + err;
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, FileContents(out), FileContents(err)};
  }
};

}  // namespace

TEST_F(ToolRunTest, NewWritesTheUniverseTheGameWouldGenerate) {
  const std::string file = directory.File("g.war");
  for (const auto& [number, difficulty] : {std::pair{0u, 2}, {77u, 1}, {4294967295u, 3}}) {
    const ToolOutput made = Tool("new --number " + std::to_string(number) + " --difficulty " +
                          std::to_string(difficulty) + " " + file);
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.out, "Game number " + std::to_string(number) + "\n");
    EXPECT_EQ(FileContents(file).size(), 9472u);

    const ToolOutput shown = Tool("show " + file);
    ASSERT_EQ(shown.status, 0) << shown.err;
    const auto game = nlohmann::json::parse(shown.out);

    Session session;
    session.State.Difficulty = static_cast<Difficulty>(difficulty);  // as the tool reads it
    session.Random.Seed(number);
    GenerateGame(session);
    const QuadrantGrid& grid = session.Grid;
    EXPECT_EQ(game["star_icon"], nlohmann::json(std::vector<int>(grid.StarIcon, grid.StarIcon + 729)));
    EXPECT_EQ(game["enemy"], nlohmann::json(std::vector<int>(grid.Enemy, grid.Enemy + 729)));
    EXPECT_EQ(game["struck"], nlohmann::json(std::vector<int>(729, 0)));
    EXPECT_EQ(game["difficulty"], difficulty);
    EXPECT_EQ(game["missiles"], difficulty * 120);
    EXPECT_EQ(game["fuel_maximum"], difficulty * 50);
    EXPECT_EQ(game["enemy_ships"], 60);
    EXPECT_EQ(game["z"], 0);
    EXPECT_EQ(game["y"], 4);
    EXPECT_EQ(game["x"], 4);
    ASSERT_EQ(game["scan_log"].size(), 27u);
    EXPECT_EQ(game["scan_log"][26], (nlohmann::json{{"scanned", 0}, {"ships", 0}, {"destroyed", 0}, {"remaining", 0}}));
  }
}

TEST_F(ToolRunTest, ShowListsTheKeysInOrder) {
  const std::string file = directory.File("g.war");
  ASSERT_EQ(Tool("new --number 5 " + file).status, 0);
  const auto game = nlohmann::ordered_json::parse(Tool("show " + file).out);
  std::vector<std::string> keys;
  for (const auto& item : game.items()) keys.push_back(item.key());
  const std::vector<std::string> expected = {"enemy_ships", "ships_destroyed", "z", "y", "x", "scan_axis",
                                             "difficulty", "fuel", "missiles", "fuel_maximum",
                                             "missiles_maximum", "star_icon", "struck", "enemy", "scan_log"};
  EXPECT_EQ(keys, expected);
}

TEST_F(ToolRunTest, ShowPrintsTheGamesOwnMessageForARefusedDocument) {
  const std::string file = directory.File("foreign.war");
  std::ofstream(file) << std::string(9472, 'k');
  const ToolOutput shown = Tool("show " + file);
  EXPECT_EQ(shown.status, 1);
  EXPECT_TRUE(shown.out.empty());
  EXPECT_NE(shown.err.find("File: " + file + "\n\nInvalid file header signature detected. This\n"
                           "document was not created by Kestravane"),
            std::string::npos)
      << shown.err;

  const ToolOutput missing = Tool("show " + directory.File("missing.war"));
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("Error detected opening this disk file\n\nCode 2"), std::string::npos) << missing.err;
}

TEST_F(ToolRunTest, CommandLineMistakesExitWithTwo) {
  for (const char* bad : {"", "frobnicate x.war", "new", "new --number 4294967296 x.war",
                          "new --difficulty 0 x.war", "new --number abc x.war"}) {
    const ToolOutput run = Tool(bad);
    EXPECT_EQ(run.status, 2) << bad;
    EXPECT_NE(run.err.find("kestravane-tool: "), std::string::npos) << bad;
  }
  const ToolOutput help = Tool("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("new [--number N] [--difficulty 1|2|3] FILE"), std::string::npos);
}

TEST_F(ToolRunTest, StatusLinesOnlyWhenAskedFor) {
  const std::string file = directory.File("g.war");
  EXPECT_EQ(Tool("new --number 1 " + file).err, "");
  const ToolOutput loud = Tool("--status new --number 1 " + file);
  EXPECT_NE(loud.err.find("60 Roder ships detected in 20 battle groups ..."), std::string::npos) << loud.err;
}
