#include "app/program_arguments.h"

#include <string_view>

namespace kestravane {

const char* const ProgramUsage =
    "Usage: kestravane [OPTION] [GAME.war]\n"
    "Kestravane, a space war game: find and destroy twenty Roder battle groups\n"
    "hidden in a cube of 9 x 9 x 9 quadrants.\n"
    "\n"
    "  GAME.war       the saved game to open at start-up\n"
    "  -h, --help     show this help and exit\n"
    "  -V, --version  show the version and exit\n"
    "  --             what follows is the game, even if it starts with '-'\n"
    "\n"
    "The window system is the one the environment names (DISPLAY,\n"
    "WAYLAND_DISPLAY, QT_QPA_PLATFORM); the game takes no window system options.\n"
    "Settings are kept in kestravane.ini beside the program when its folder is\n"
    "writable and it is not installed, else in\n"
    "$XDG_CONFIG_HOME/kestravane/kestravane.ini (~/.config when unset).\n"
    "\n"
    "Exit status: 0 after a game, 1 when the window system cannot start,\n"
    "2 a mistake on the command line.\n";

const char* const ProgramVersion = "Kestravane " KESTRAVANE_VERSION "\n";

ProgramRequest ParseProgramArguments(int argc, const char* const* argv) {
  ProgramRequest request;
  const auto mistake = [&request](std::string text) {
    request.action = ProgramRequest::Action::Mistake;
    request.mistake = std::move(text);
    return request;
  };
  bool optionsEnded = false;
  bool haveDocument = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
      if (argument == "--") {
        optionsEnded = true;
      } else if (argument == "-h" || argument == "--help") {
        request.action = ProgramRequest::Action::ShowHelp;
      } else if (argument == "-V" || argument == "--version") {
        request.action = ProgramRequest::Action::ShowVersion;
      } else {
        return mistake("unrecognised option '" + std::string(argument) + "'");
      }
      continue;
    }
    if (haveDocument) return mistake("one game at a time: '" + std::string(argument) + "' is a second one");
    request.document = argument;
    haveDocument = true;
  }
  return request;
}

}  // namespace kestravane
