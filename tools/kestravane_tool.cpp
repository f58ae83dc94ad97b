// kestravane-tool: makes and reads Kestravane game documents without a screen.

#include <cstdio>
#include <iostream>

#include "document/game_document.h"
#include "document/game_file.h"
#include "engine/generation.h"
#include "engine/globals.h"
#include "engine/random.h"
#include "platform/headless/headless.h"
#include "platform/system.h"
#include "support/library.h"
#include "tools/game_json.h"
#include "tools/tool_arguments.h"

namespace {

int NewGameDocument(const ToolRequest& request) {
  // Without a number the game's own start-up rule picks one from the clock.
  const std::uint32_t number = request.number.value_or(RandomSeedFor(platform::CalendarSeconds()));
  SeedRandom(number);
  Game.Difficulty = request.difficulty;
  GenerateGame(Grid, Game, Scans);
  Document.Path = request.file;
  if (!WriteGameFile(nullptr, Document, Grid, Game, Scans)) return 1;
  std::printf("Game number %u\n", number);
  return 0;
}

int ShowGameDocument(const ToolRequest& request) {
  Document.Path = request.file;
  if (!ReadGameFile(nullptr, Document, Grid, Game, Scans)) return 1;
  std::cout << GameToJson(Grid, Game, Scans).dump() << '\n';
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const auto request = ParseToolArguments(argc, argv, error);
  if (!request) {
    std::fprintf(stderr, "kestravane-tool: %s\nTry 'kestravane-tool --help'.\n", error.c_str());
    return 2;
  }
  platform::headless::ShowStatusLines(request->showStatus);
  switch (request->command) {
    case ToolRequest::Command::New: return NewGameDocument(*request);
    case ToolRequest::Command::Show: return ShowGameDocument(*request);
    case ToolRequest::Command::Help: break;
  }
  std::fputs(ToolUsage, stdout);
  return 0;
}
