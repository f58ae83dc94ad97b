#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/program_arguments.h"
#include "app/window_placement.h"
#include "common/temporary_directory.h"

using namespace kestravane;

TEST(CommandLine, NamesTheDocumentToOpenOrRefusesItWhole) {
  TemporaryDirectory directory;
  const std::string pipe = directory.File("pipe.war");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const std::string longest(FileSpecLength, 'a');
  const std::tuple<std::string, std::string, int> cases[] = {
      {"", "", 0},
      {"q\"uote.war", "q\"uote.war", 0},  // the path as it is: a quote is part of it
      {"two words.war", "two words.war", 0},
      {longest, longest, 0},
      {longest + "b", "", ENAMETOOLONG},
      {'"' + longest + '"', "", ENAMETOOLONG},
      {"two\nlines.war", "", EINVAL},  // the settings would keep "two"
      {directory.path().string(), "", EISDIR},
      {pipe, "", EINVAL},
      {pipe + "/game.war", "", ENOTDIR},
  };
  for (const auto& [given, opened, error] : cases) {  // the error in the box, when the text is refused
    // The box goes to standard error, as without a window system.
    AppSettings settings;
    settings.FileSpec = "Davuvodo.war";
    testing::internal::CaptureStderr();
    DocumentFromCommandLine(given, settings);
    const std::string box = testing::internal::GetCapturedStderr();
    EXPECT_EQ(settings.FileSpec, opened.empty() ? "Davuvodo.war" : opened) << given;
    EXPECT_EQ(settings.OpenAtStart, !opened.empty()) << given;
    const std::string code = "opening this disk file\n\nCode " + std::to_string(error);
    const bool named = box.starts_with("File: " + given.substr(0, 40)) && box.find(code) != std::string::npos;
    EXPECT_TRUE(error ? named : box.empty()) << given << ": " << box;
  }
}

TEST(ProgramArguments, TakeOneGameOrHelpOrNameTheMistake) {
  using Action = ProgramRequest::Action;
  const std::tuple<std::vector<const char*>, Action, const char*> cases[] = {
      {{}, Action::Play, ""},
      {{"/home/player/my games/first game.war"}, Action::Play, "/home/player/my games/first game.war"},
      {{"--", "-odd.war"}, Action::Play, "-odd.war"},
      {{"--", "--help"}, Action::Play, "--help"},
      {{"-"}, Action::Play, "-"},
      {{"-h"}, Action::ShowHelp, ""},
      {{"game.war", "--help"}, Action::ShowHelp, ""},
      {{"-platform", "nosuch"}, Action::Mistake, "'-platform'"},  // not the window system's either
      {{"game.war", "-style=fusion"}, Action::Mistake, "'-style=fusion'"},
      {{"--help=yes"}, Action::Mistake, "'--help=yes'"},
      {{"first.war", "second.war"}, Action::Mistake, "'second.war'"},
  };
  for (auto [words, action, detail] : cases) {  // the document, or the word a mistake names
    words.insert(words.begin(), "kestravane");
    const ProgramRequest request = ParseProgramArguments(static_cast<int>(words.size()), words.data());
    EXPECT_EQ(request.action, action) << words.back();
    const std::string& shown = action == Action::Mistake ? request.mistake : request.document;
    EXPECT_TRUE(action == Action::Play ? shown == detail : shown.find(detail) != std::string::npos) << shown;
  }
}

// A desktop of two screens side by side, the second lower and smaller, and a
// window of 486 x 430 whose title bar must stay reachable.
TEST(WindowPlacement, KeepsTheWindowWhereItCanBeSeenAndReached) {
  const std::vector<platform::Rect> two = {{0, 0, 1024, 768}, {1024, 100, 1824, 700}};
  const auto placed = [](int left, int top, const std::vector<platform::Rect>& screens) {
    const WindowOrigin origin = KeepOnScreen(left, top, 486, 430, screens);
    return std::pair(origin.x, origin.y);
  };
  const int cases[][4] = {
      {35, 35, 35, 35},       {1100, 150, 1100, 150}, {538, 733, 538, 733},         {1338, 100, 1338, 100},
      {-8, 40, 0, 40},        {700, 40, 538, 40},     {200, -10, 200, 0},           {200, 734, 200, 338},
      {1500, 50, 1338, 100},  {5000, 40, 1338, 100},  {INT_MAX, INT_MAX, 1338, 270}, {INT_MIN, INT_MIN, 0, 0},
      {-1500, 300, 0, 300},   {200, 100000, 200, 338}};
  for (const auto& [left, top, x, y] : cases) EXPECT_EQ(placed(left, top, two), std::pair(x, y)) << left << ", " << top;
  EXPECT_EQ(placed(100, 100, {{0, 0, 320, 200}}), std::pair(0, 0)) << "on a screen smaller than the window";
  EXPECT_EQ(placed(5000, -40, {}), std::pair(5000, -40)) << "without screens";
}
