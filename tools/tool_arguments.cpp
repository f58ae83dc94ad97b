#include "tools/tool_arguments.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "engine/typed_number.h"

namespace kestravane {

const char* const ToolUsage =
    "Usage: kestravane-tool [--status] COMMAND ...\n"
    "\n"
    "Commands:\n"
    "  new [--number N] [--difficulty easy|normal|hard] FILE\n"
    "      Generate a new game exactly as the game's New command does and save it\n"
    "      to FILE. N (0..4294967295) is the game number that seeds the universe;\n"
    "      by default it comes from the clock, as when the game starts. Difficulty\n"
    "      is easy, normal (the default) or hard, in any case, or the game's own\n"
    "      numbers for them, 3, 2 and 1. Prints \"Game number N\".\n"
    "  show FILE\n"
    "      Read the game document FILE exactly as the game does and print it as\n"
    "      one JSON object, with the universe's number (null when the document\n"
    "      does not know it) and the game's history: missiles fired, fuel used,\n"
    "      seconds played, assisted, end already recorded. A document\n"
    "      the game refuses prints the game's own message on standard error.\n"
    "  record [FILE]\n"
    "      Print the captain's record, every game won or lost, as JSON: the\n"
    "      player's own ($XDG_DATA_HOME/kestravane/record.json) or FILE. Each\n"
    "      game's end, \"ended\" in seconds since 1970, is also a UTC date and\n"
    "      time in \"ended_utc\" (null outside the years 1 to 9999). A file\n"
    "      that is missing, in use or no record exits with 1.\n"
    "\n"
    "Options:\n"
    "  --status       also print the game's status line messages on standard error\n"
    "  -h, --help     show this help and exit\n"
    "  -V, --version  show the version and exit\n"
    "\n"
    "Exit status: 0 success, 1 the game refused or could not write the file,\n"
    "2 a mistake on the command line.\n";

namespace {

// The level as the game numbers it or by its name in any case, and nothing
// else: no sign, no blanks.
std::optional<Difficulty> DifficultyNamed(std::string_view text) {
  const auto is = [text](std::string_view number, std::string_view name) {
    const auto sameLetter = [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; };
    return text == number || std::ranges::equal(text, name, sameLetter);
  };
  if (is("1", "hard")) return Difficulty::Hard;
  if (is("2", "normal")) return Difficulty::Normal;
  if (is("3", "easy")) return Difficulty::Easy;
  return std::nullopt;
}

}  // namespace

std::optional<ToolRequest> ParseToolArguments(int argc, const char* const* argv, std::string& error) {
  ToolRequest request;
  bool haveCommand = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    const auto value = [&]() -> std::optional<std::string_view> {
      if (i + 1 >= argc) return std::nullopt;
      return std::string_view(argv[++i]);
    };
    if (argument == "--help" || argument == "-h") {
      request.command = ToolRequest::Command::Help;
      return request;
    }
    if (argument == "--version" || argument == "-V") {
      request.command = ToolRequest::Command::Version;
      return request;
    }
    if (argument == "--status") {
      request.showStatus = true;
    } else if (!haveCommand) {
      if (argument == "new") {
        request.command = ToolRequest::Command::New;
      } else if (argument == "show") {
        request.command = ToolRequest::Command::Show;
      } else if (argument == "record") {
        request.command = ToolRequest::Command::Record;
      } else {
        error = "unknown command '" + std::string(argument) + "'";
        return std::nullopt;
      }
      haveCommand = true;
    } else if (request.command == ToolRequest::Command::New && argument == "--number") {
      const auto text = value();
      request.number = text ? TypedUniverseNumber(*text) : std::nullopt;
      if (!request.number) {
        error = "--number needs a whole number from 0 to 4294967295";
        return std::nullopt;
      }
    } else if (request.command == ToolRequest::Command::New && argument == "--difficulty") {
      const auto text = value();
      const auto level = text ? DifficultyNamed(*text) : std::nullopt;
      if (!level) {
        error = "--difficulty needs easy (3), normal (2) or hard (1)";
        return std::nullopt;
      }
      request.difficulty = *level;
    } else if (argument.starts_with("-") && argument != "-") {
      error = "unknown option '" + std::string(argument) + "'";
      return std::nullopt;
    } else if (request.file.empty()) {
      request.file = argument;
    } else {
      error = "more than one file name given";
      return std::nullopt;
    }
  }
  if (!haveCommand) {
    error = "no command given";
    return std::nullopt;
  }
  if (request.file.empty() && request.command != ToolRequest::Command::Record) {
    error = "missing file name";
    return std::nullopt;
  }
  return request;
}

}  // namespace kestravane
