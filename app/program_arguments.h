#pragma once

#include <string>

namespace kestravane {

// What the player asked of the game on its command line. It is read before
// the window system starts, so that the help and the version need no screen
// and no option ever reaches the window system, the settings or the
// document path.
struct ProgramRequest {
  enum class Action { Play, ShowHelp, ShowVersion, Mistake } action = Action::Play;
  std::string document;  // the game to open; empty when none was named
  std::string mistake;   // what was wrong with the command line, for Mistake
};

// The document is the one argument that is not an option; a path with
// spaces is one argument, as the shell or the desktop passes it. After "--"
// every argument is a document, even one that starts with '-'.
ProgramRequest ParseProgramArguments(int argc, const char* const* argv);

extern const char* const ProgramUsage;
extern const char* const ProgramVersion;

}  // namespace kestravane
