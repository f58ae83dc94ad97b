#include "app/command_line.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "platform/headless/headless.h"

namespace {

class CommandLine : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::headless::MuteBoxes(true);
    platform::headless::ForgetShown();
    settings_.FileSpec.fill('\0');
    std::snprintf(settings_.FileSpec.data(), settings_.FileSpec.size(), "%s", "Davuvodo.war");
  }

  std::string FileSpec() const { return settings_.FileSpec.data(); }

  AppSettings settings_{};
};

TEST_F(CommandLine, NothingGivenKeepsTheLastDocument) {
  DocumentFromCommandLine("", settings_);
  EXPECT_EQ(FileSpec(), "Davuvodo.war");
  EXPECT_FALSE(settings_.OpenAtStart);
}

TEST_F(CommandLine, AQuotedPathWithSpacesOpensWithoutItsQuotes) {
  DocumentFromCommandLine("\"/home/player/my games/first.war\"", settings_);
  EXPECT_EQ(FileSpec(), "/home/player/my games/first.war");
  EXPECT_TRUE(settings_.OpenAtStart);
}

TEST_F(CommandLine, TheWholeTextIsOnePath) {
  DocumentFromCommandLine("two words.war", settings_);
  EXPECT_EQ(FileSpec(), "two words.war");
}

TEST_F(CommandLine, APathOfTheLongestLengthFits) {
  const std::string longest(FileSpecSize - 1, 'a');
  DocumentFromCommandLine(longest, settings_);
  EXPECT_EQ(FileSpec(), longest);
  EXPECT_TRUE(platform::headless::Boxes().empty());
}

TEST_F(CommandLine, ALongerPathIsRefusedWholeRatherThanCut) {
  const std::string tooLong = "/" + std::string(FileSpecSize, 'b') + ".war";
  DocumentFromCommandLine(tooLong, settings_);
  EXPECT_EQ(FileSpec(), "Davuvodo.war");
  EXPECT_FALSE(settings_.OpenAtStart);
  ASSERT_EQ(platform::headless::Boxes().size(), 1u);
  const std::string& text = platform::headless::Boxes()[0].text;
  EXPECT_EQ(text.rfind("File: " + tooLong.substr(0, 40), 0), 0u) << text;
  EXPECT_NE(text.find("Code " + std::to_string(ENAMETOOLONG)), std::string::npos) << text;
}

TEST_F(CommandLine, QuotesAroundALongestPathDoNotCount) {
  const std::string longest(FileSpecSize - 1, 'c');
  DocumentFromCommandLine("\"" + longest + "\"", settings_);
  EXPECT_EQ(FileSpec(), longest);
}

TEST(StripChar, DropsOrReplacesEveryOccurrence) {
  char dropped[] = "\"a\"b\"\"c\"";
  EXPECT_STREQ(StripChar(dropped, '"', '\0'), "abc");
  char replaced[] = "a-b--c";
  EXPECT_STREQ(StripChar(replaced, '-', '+'), "a+b++c");
  char untouched[] = "plain";
  EXPECT_STREQ(StripChar(untouched, '"', '\0'), "plain");
  char onlyDropped[] = "\"\"";
  EXPECT_STREQ(StripChar(onlyDropped, '"', '\0'), "");
}

}  // namespace
