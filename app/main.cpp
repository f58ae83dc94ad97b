#include <string>

#include "app/application.h"
#include "platform/application.h"

// The whole command line after the program's name is one document path,
// spaces and all, as the player typed it.
int main(int argc, char** argv) {
  platform::StartPlatform(argc, argv);
  std::string commandLine;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) commandLine += ' ';
    commandLine += argv[i];
  }
  const int code = RunKestravane(commandLine);
  platform::StopPlatform();
  return code;
}
