#include "tools/tool_arguments.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kestravane;

namespace {

std::optional<ToolRequest> Parse(std::vector<const char*> words, std::string* error = nullptr) {
  words.insert(words.begin(), "kestravane-tool");
  std::string message;
  auto request = ParseToolArguments(static_cast<int>(words.size()), words.data(), message);
  if (error) *error = message;
  return request;
}

}  // namespace

TEST(ToolArguments, NewTakesNumberDifficultyAndFileInAnyOrder) {
  const auto request = Parse({"new", "--difficulty", "3", "game.war", "--number", "4294967295"});
  ASSERT_TRUE(request);
  EXPECT_EQ(request->command, ToolRequest::Command::New);
  EXPECT_EQ(request->number, 4294967295u);
  EXPECT_EQ(request->difficulty, Difficulty::Easy);
  EXPECT_EQ(request->file, "game.war");

  const auto plain = Parse({"new", "x.war"});
  ASSERT_TRUE(plain);
  EXPECT_FALSE(plain->number);
  EXPECT_EQ(plain->difficulty, Difficulty::Normal);
}

TEST(ToolArguments, RefusesNumbersOutOfRangeOrNotNumbers) {
  for (const char* bad : {"4294967296", "-1", "12a", "", "+5", "99999999999", "0x10"}) {
    std::string error;
    EXPECT_FALSE(Parse({"new", "--number", bad, "x.war"}, &error)) << bad;
    EXPECT_NE(error.find("--number"), std::string::npos);
  }
  EXPECT_TRUE(Parse({"new", "--number", "0", "x.war"}));
}

TEST(ToolArguments, RefusesDifficultiesOtherThanOneToThree) {
  for (const char* bad : {"0", "4", "22", "easy", ""}) EXPECT_FALSE(Parse({"new", "--difficulty", bad, "x.war"})) << bad;
  EXPECT_FALSE(Parse({"new", "x.war", "--difficulty"}));
}

TEST(ToolArguments, NamesWhatIsWrong) {
  std::string error;
  EXPECT_FALSE(Parse({"play", "x.war"}, &error));
  EXPECT_EQ(error, "unknown command 'play'");
  EXPECT_FALSE(Parse({"show"}, &error));
  EXPECT_EQ(error, "missing file name");
  EXPECT_FALSE(Parse({}, &error));
  EXPECT_EQ(error, "no command given");
  EXPECT_FALSE(Parse({"show", "a.war", "b.war"}, &error));
  EXPECT_FALSE(Parse({"show", "--number", "3", "a.war"}, &error)) << "show has no game number";
}

TEST(ToolArguments, HelpAndStatus) {
  EXPECT_EQ(Parse({"--help"})->command, ToolRequest::Command::Help);
  EXPECT_EQ(Parse({"new", "--help"})->command, ToolRequest::Command::Help);
  const auto request = Parse({"--status", "show", "a.war"});
  ASSERT_TRUE(request);
  EXPECT_TRUE(request->showStatus);
}
