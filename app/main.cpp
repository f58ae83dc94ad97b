#include <cstdio>

#include "app/application.h"
#include "app/program_arguments.h"
#include "platform/application.h"

// The command line is read before the window system starts: the help and
// the version answer without a screen, and the window system never sees an
// option of its own that could stop the game before it begins.
int main(int argc, char** argv) {
  const ProgramRequest request = ParseProgramArguments(argc, argv);
  switch (request.action) {
    case ProgramRequest::Action::ShowHelp:
      std::fputs(ProgramUsage, stdout);
      return 0;
    case ProgramRequest::Action::ShowVersion:
      std::fputs(ProgramVersion, stdout);
      return 0;
    case ProgramRequest::Action::Mistake:
      std::fprintf(stderr, "kestravane: %s\nTry 'kestravane --help'.\n", request.mistake.c_str());
      return 2;
    case ProgramRequest::Action::Play:
      break;
  }
  platform::StartPlatform(argv[0]);
  const int code = RunKestravane(request.document);
  platform::StopPlatform();
  return code;
}
