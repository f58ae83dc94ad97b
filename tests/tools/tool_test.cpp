#include <sys/wait.h>

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <array>

#include "common/file_contents.h"
#include "common/temporary_directory.h"
#include "document/byte_order.h"
#include "document/captains_record_file.h"
#include "document/game_file_format.h"
#include "engine/generation.h"

using namespace kestravane;

class ToolRun : public ::testing::Test {
 protected:
  TemporaryDirectory directory;
  std::string out, err;

  // Run in the test's folder, so that a file named alone, as by a mistaken command line, is written nowhere else.
  int Tool(const std::string& arguments) {
    const std::string command = "cd " + directory.path().string() + " && " + KESTRAVANE_TOOL + " " + arguments + " >" +
                                directory.File("out") + " 2>" + directory.File("err");
    const int status = std::system(command.c_str());
    out = FileContents(directory.File("out"));
    err = FileContents(directory.File("err"));
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
};

TEST_F(ToolRun, NewWritesTheGameTheGameWouldMakeAndShowListsItInOrder) {
  const std::string file = directory.File("g.war");
  for (const auto& [number, difficulty, level] : {std::tuple{0u, 2, "2"}, {77u, 1, "1"}, {4294967295u, 3, "3"},
                                                  {5u, 1, "HARD"}, {6u, 3, "Easy"}, {7u, 2, "normal"}}) {
    ASSERT_EQ(Tool("new --difficulty " + std::string(level) + " " + file + " --number " + std::to_string(number)), 0);
    EXPECT_EQ(out + err, "Game number " + std::to_string(number) + "\n");
    ASSERT_EQ(Tool("show " + file), 0) << err;
    const auto game = nlohmann::ordered_json::parse(out);
    Session session;
    session.State.Difficulty = static_cast<Difficulty>(difficulty);
    session.Random.Seed(number);
    GenerateGame(session);
    const QuadrantGrid& grid = session.Grid;
    EXPECT_EQ(game, nlohmann::ordered_json({{"enemy_ships", 60}, {"ships_destroyed", 0}, {"z", 0}, {"y", 4}, {"x", 4},
                                            {"scan_axis", 0}, {"difficulty", difficulty},
                                            {"fuel", difficulty * 50}, {"missiles", difficulty * 120},
                                            {"fuel_maximum", difficulty * 50}, {"missiles_maximum", difficulty * 120},
                                            {"universe", number}, {"history", {{"missiles_fired", 0}, {"fuel_used", 0},
                                            {"seconds_played", 0}, {"diagnostics", false}, {"recorded", false}, {"ended", nullptr}}},
                                            {"star_icon", std::vector<int>(grid.StarIcon, grid.StarIcon + 729)},
                                            {"struck", std::vector<int>(729, 0)},
                                            {"enemy", std::vector<int>(grid.Enemy, grid.Enemy + 729)},
                                            {"scan_log", std::vector<nlohmann::ordered_json>(27, {{"scanned", 0}, {"ships", 0},
                                                                                          {"destroyed", 0}, {"remaining", 0}})}}));
    // With all but one unit of fuel spent, the tank keeps its size.
    std::string bytes = FileContents(file);
    PutI32(reinterpret_cast<std::uint8_t*>(&bytes[256 + 28]), 1);
    // A history with counts of its own, and flags by level: recorded (4), with the universe known (1) at
    // difficulty 2 and diagnostics used (2) at difficulty 3; ended (8) in a victory (16) at 1, a defeat at 2.
    const int ended = std::array{8 + 16, 8, 0}[static_cast<std::size_t>(difficulty - 1)];
    for (const auto& [offset, value] : {std::pair{4, difficulty + 3 + ended}, {8, 9}, {12, 5}, {16, 6}, {20, 7}})
      PutI32(reinterpret_cast<std::uint8_t*>(&bytes[HistoryOffset + offset]), value);
    StoreFile(file, bytes);
    ASSERT_EQ(Tool("show " + file), 0) << err;
    const auto shown = nlohmann::ordered_json::parse(out);
    EXPECT_EQ(shown["fuel_maximum"], difficulty * 50);
    EXPECT_EQ(shown["universe"], difficulty == 2 ? nlohmann::ordered_json(9) : nullptr);
    EXPECT_EQ(shown["history"], nlohmann::ordered_json({{"missiles_fired", 5}, {"fuel_used", 6}, {"seconds_played", 7},
                                                        {"diagnostics", difficulty == 3}, {"recorded", true},
                                                        {"ended", std::array<nlohmann::ordered_json, 3>{
                                                                      "won", "lost", nullptr}[difficulty - 1]}}));
  }
  for (const char* number : {"00000000042", "' 42'"}) {
    EXPECT_EQ(Tool("new --number " + std::string(number) + " " + file), 0) << "as the New by Number box takes it";
    EXPECT_EQ(out, "Game number 42\n");
  }
  EXPECT_EQ(Tool("--status new --number 1 " + file), 0);
  EXPECT_NE(err.find("60 Roder ships detected in 20 battle groups ..."), std::string::npos) << err;
  EXPECT_EQ(Tool("new --number 0 " + file) + Tool("show " + file), 0);
  EXPECT_EQ(nlohmann::json::parse(out)["difficulty"], 2) << "the default level";
}

// The player's own record by default, none yet being an empty one; a file that is missing, in use or no record is
// refused as such, and left as it is. Each game's end is also a date, for the years 1 to 9999 that ISO 8601 writes.
TEST_F(ToolRun, RecordPrintsTheCaptainsRecordAsItsFileHoldsItWithDates) {
  setenv("XDG_DATA_HOME", directory.File("data").c_str(), 1);
  const std::string own = directory.File("data/kestravane/record.json");
  CaptainsRecord record;
  for (const std::int64_t ended : {1796000000ll, -1ll, 253402300799ll, 253402300800ll, -62135596800ll, -62135596801ll})
    record.Entries.push_back({ended, Difficulty::Easy, 0u, GameEnd::Won, 61, 12, 60, 900, true});
  EXPECT_EQ(std::pair(Tool("record"), out), std::pair(0, CaptainsRecordJson({})));
  ASSERT_TRUE(SaveCaptainsRecord(own, record));
  ASSERT_EQ(Tool("record"), 0);
  auto printed = nlohmann::ordered_json::parse(out);
  std::vector<nlohmann::ordered_json> dates;
  for (auto& game : printed["games"]) dates.push_back(game["ended_utc"]), game.erase("ended_utc");
  EXPECT_EQ(dates, (std::vector<nlohmann::ordered_json>{"2026-11-30T00:53:20Z", "1969-12-31T23:59:59Z",
                                                         "9999-12-31T23:59:59Z", nullptr,
                                                         "0001-01-01T00:00:00Z", nullptr}));
  EXPECT_EQ(printed.dump(2) + '\n', CaptainsRecordJson(record));
  std::optional<HeldLock> held(std::in_place, own);
  EXPECT_EQ(std::pair(Tool("record"), err), std::pair(1, "kestravane-tool: " + own + " is in use by another program\n"));
  held.reset();
  const std::string missing = directory.File("no/such/file");
  EXPECT_EQ(std::pair(Tool("record " + missing), err),
            std::pair(1, "kestravane-tool: " + missing + " cannot be read: No such file or directory\n"));
  for (const char* content : {"{}", "{\"format\": 1, \"version\": 1, \"games\": []}", "{\"format\": null}"}) {
    StoreFile(directory.File("no.json"), content);
    EXPECT_EQ(std::pair(Tool("record " + directory.File("no.json")), FileContents(directory.File("no.json"))),
              std::pair(1, std::string(content)));
    EXPECT_EQ(err, "kestravane-tool: " + directory.File("no.json") + " is not a captain's record the game can read\n");
  }
}

TEST_F(ToolRun, ExitsWithOneForWhatTheGameRefusesTwoForAMistakeAndZeroForHelp) {
  StoreFile(directory.File("foreign.war"), std::string(9472, 'k'));
  EXPECT_EQ(std::pair(Tool("show " + directory.File("foreign.war")), out), std::pair(1, std::string()));
  EXPECT_NE(err.find("File: " + directory.File("foreign.war") +
                     "\n\nInvalid file header signature detected. This\ndocument was not created by Kestravane"),
            std::string::npos)
      << err;
  EXPECT_EQ(Tool("new " + directory.File(std::string(600, 'n') + "/g.war")), 1);
  EXPECT_NE(err.find("\n\nError detected creating this disk file\n\nCode "), std::string::npos) << err;
  const std::string number = "--number needs a whole number from 0 to 4294967295";
  const std::string level = "--difficulty needs easy (3), normal (2) or hard (1)";
  const std::pair<const char*, std::string> mistakes[] = {
      {"", "no command given"}, {"frobnicate x.war", "unknown command 'frobnicate'"}, {"show", "missing file name"},
      {"show a.war b.war", "more than one file name given"}, {"show --number 3 a.war", "unknown option '--number'"},
      {"new --number 4294967296 x.war", number}, {"new --number -1 x.war", number}, {"new --number 12a x.war", number},
      {"new --number '' x.war", number}, {"new --number +5 x.war", number}, {"new --number 0x10 x.war", number},
      {"new --difficulty 0 x.war", level}, {"new --difficulty 4 x.war", level}, {"new x.war --difficulty", level},
      {"new --difficulty hardest x.war", level}, {"new --difficulty eas x.war", level},
      {"new --difficulty ' easy' x.war", level}};
  for (const auto& [arguments, said] : mistakes) {
    EXPECT_EQ(Tool(arguments), 2) << arguments;
    EXPECT_EQ(err, "kestravane-tool: " + said + "\nTry 'kestravane-tool --help'.\n");
  }
  for (const char* help : {"--help", "new --help"}) {
    EXPECT_EQ(Tool(help), 0);
    EXPECT_NE(out.find("new [--number N] [--difficulty easy|normal|hard] FILE"), std::string::npos);
  }
  for (const char* version : {"--version", "-V", "record --version"})
    EXPECT_EQ(std::pair(Tool(version), out), std::pair(0, std::string("kestravane-tool " KESTRAVANE_VERSION "\n")));
}
