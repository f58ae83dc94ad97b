#include "app/program_arguments.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kestravane;

namespace {

using Action = ProgramRequest::Action;

ProgramRequest Parse(std::vector<const char*> words) {
  words.insert(words.begin(), "kestravane");
  return ParseProgramArguments(static_cast<int>(words.size()), words.data());
}

TEST(ProgramArguments, TheOneArgumentThatIsNoOptionIsTheGame) {
  EXPECT_EQ(Parse({}).action, Action::Play);
  EXPECT_EQ(Parse({}).document, "");

  const ProgramRequest spaced = Parse({"/home/player/my games/first game.war"});
  EXPECT_EQ(spaced.action, Action::Play);
  EXPECT_EQ(spaced.document, "/home/player/my games/first game.war");

  // After "--" a name that looks like an option is a game; "-" alone is a name.
  EXPECT_EQ(Parse({"--", "-odd.war"}).document, "-odd.war");
  EXPECT_EQ(Parse({"--", "--help"}).action, Action::Play);
  EXPECT_EQ(Parse({"-"}).document, "-");
}

TEST(ProgramArguments, HelpAndVersionAnswerWhateverElseIsGiven) {
  for (const char* help : {"-h", "--help"}) {
    EXPECT_EQ(Parse({help}).action, Action::ShowHelp) << help;
    EXPECT_EQ(Parse({"game.war", help}).action, Action::ShowHelp) << help;
  }
  for (const char* version : {"-V", "--version"}) EXPECT_EQ(Parse({version}).action, Action::ShowVersion);
}

TEST(ProgramArguments, AnythingElseIsAMistakeThatNamesTheCulprit) {
  const std::vector<std::vector<const char*>> mistakes = {
      {"--bogus"},
      {"-platform", "nosuch"},  // the window system's own options are not taken
      {"-display", ":77"},
      {"game.war", "-style=fusion"},
      {"--help=yes"},
  };
  for (const auto& words : mistakes) {
    const ProgramRequest request = Parse(words);
    EXPECT_EQ(request.action, Action::Mistake) << words[0];
    const char* option = words[0][0] == '-' ? words[0] : words[1];
    EXPECT_NE(request.mistake.find(std::string("'") + option + "'"), std::string::npos) << request.mistake;
  }

  const ProgramRequest two = Parse({"first.war", "second.war"});
  EXPECT_EQ(two.action, Action::Mistake);
  EXPECT_NE(two.mistake.find("'second.war'"), std::string::npos) << two.mistake;
}

}  // namespace
