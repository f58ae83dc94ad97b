#include "app/command_line.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include "common/temporary_directory.h"
#include "common/headless_test.h"

using namespace kestravane;

namespace {

class CommandLine : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
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
  EXPECT_TRUE(ShownBoxes().empty());
}

TEST_F(CommandLine, ALongerPathIsRefusedWholeRatherThanCut) {
  const std::string tooLong = "/" + std::string(FileSpecSize, 'b') + ".war";
  DocumentFromCommandLine(tooLong, settings_);
  EXPECT_EQ(FileSpec(), "Davuvodo.war");
  EXPECT_FALSE(settings_.OpenAtStart);
  ASSERT_EQ(ShownBoxes().size(), 1u);
  const std::string& text = ShownBoxes()[0].text;
  EXPECT_EQ(text.rfind("File: " + tooLong.substr(0, 40), 0), 0u) << text;
  EXPECT_NE(text.find("Code " + std::to_string(ENAMETOOLONG)), std::string::npos) << text;
}

TEST_F(CommandLine, QuotesAroundALongestPathDoNotCount) {
  const std::string longest(FileSpecSize - 1, 'c');
  DocumentFromCommandLine("\"" + longest + "\"", settings_);
  EXPECT_EQ(FileSpec(), longest);
}

// Something that is there but cannot be read as a game is refused at once
// with the box of a file that cannot be opened, and is not remembered.
TEST_F(CommandLine, AFolderOrAFileThatCannotBeReadIsRefusedAndForgotten) {
  TemporaryDirectory directory;
  const std::string folder = directory.path().string();
  const std::string socketPath = directory.File("socket.war");
  const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath.c_str());
  ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);

  for (const auto& [path, error] : {std::pair{folder, EISDIR}, std::pair{socketPath, ENXIO}}) {
    ForgetShown();
    DocumentFromCommandLine("\"" + path + "\"", settings_);
    EXPECT_EQ(FileSpec(), "Davuvodo.war") << path;
    EXPECT_FALSE(settings_.OpenAtStart) << path;
    ASSERT_EQ(ShownBoxes().size(), 1u) << path;
    const std::string& text = ShownBoxes()[0].text;
    EXPECT_EQ(text.rfind("File: " + path, 0), 0u) << text;
    EXPECT_NE(text.find("opening this disk file"), std::string::npos) << text;
    EXPECT_NE(text.find("Code " + std::to_string(error)), std::string::npos) << text;
  }
  close(listener);
}

TEST_F(CommandLine, AFileThePlayerMayNotReadIsRefused) {
  // Root reads every file; the refusal is only seen by other users.
  if (geteuid() == 0) GTEST_SKIP() << "root may read a file without read permission";
  TemporaryDirectory directory;
  const std::string path = directory.File("private.war");
  std::ofstream(path) << "a game";
  std::filesystem::permissions(path, std::filesystem::perms::none);
  DocumentFromCommandLine(path, settings_);
  EXPECT_EQ(FileSpec(), "Davuvodo.war");
  ASSERT_EQ(ShownBoxes().size(), 1u);
  EXPECT_NE(ShownBoxes()[0].text.find("Code " + std::to_string(EACCES)), std::string::npos);
}

TEST_F(CommandLine, AGameThatDoesNotExistYetIsStillTheNameToPropose) {
  TemporaryDirectory directory;
  const std::string path = directory.File("next campaign.war");
  DocumentFromCommandLine(path, settings_);
  EXPECT_EQ(FileSpec(), path);
  EXPECT_TRUE(settings_.OpenAtStart);
  EXPECT_TRUE(ShownBoxes().empty());
}

}  // namespace
