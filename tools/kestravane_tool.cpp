// kestravane-tool: makes and reads Kestravane game documents without a screen.

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <variant>

#include "document/captains_record_file.h"
#include "document/game_file_io.h"
#include "engine/game_flow.h"
#include "engine/session.h"
#include "platform/system.h"
#include "support/text_catalogue.h"
#include "tools/game_json.h"
#include "tools/tool_arguments.h"

namespace kestravane {

namespace {

// A text as the game would show it, on standard error.
void Print(std::string lines) {
  std::replace(lines.begin(), lines.end(), '\r', '\n');
  std::fprintf(stderr, "%s\n", lines.c_str());
}

// The message's text is cut at a box's length: a path too long for it gives
// up its middle, so that the reason after it always shows.
void PrintWarning(Message warning) {
  constexpr std::size_t LongestPath = 200;
  for (TextArgument& argument : warning.Arguments) {
    auto* path = std::get_if<std::string>(&argument);
    if (path && path->size() > LongestPath)
      *path = path->substr(0, LongestPath / 2) + "..." + path->substr(path->size() - LongestPath / 2);
  }
  Print(EnglishText(warning, BoxTextLimit));
}

void PrintStatus(const Message& status) { Print(EnglishText(status, LineTextLimit)); }

int NewGameDocument(const ToolRequest& request) {
  // Without a number the game's own start-up rule picks one from the clock.
  const std::uint32_t number = request.number.value_or(RandomSeedFor(platform::CalendarSeconds()));
  Session session;
  session.Random.Seed(number);
  session.State.Difficulty = request.difficulty;
  const Outcome outcome = StartNewGame(session);
  if (request.showStatus)
    for (const Message& status : outcome.Messages) PrintStatus(status);
  if (const auto failure = WriteGameDocument(request.file, EncodeGameFile(session))) {
    PrintWarning(failure->Warning);
    return 1;
  }
  std::printf("Game number %u\n", number);
  return 0;
}

int ShowGameDocument(const ToolRequest& request) {
  const auto read = ReadGameDocument(request.file);
  if (const DocumentFailure* failure = std::get_if<DocumentFailure>(&read)) {
    PrintWarning(failure->Warning);
    return 1;
  }
  Session session;
  ApplyLoadedGame(std::get<LoadedGame>(read), session);
  std::cout << GameToJson(session).dump() << '\n';
  return 0;
}

// The player's own record may not exist yet, and is then empty; a file named
// on the command line must be there.
int PrintCaptainsRecord(const ToolRequest& request) {
  const std::string path = request.file.empty() ? CaptainsRecordPath() : request.file;
  auto read = ReadCaptainsRecord(path, RecordPatience);
  if (!read && read.error() == ENOENT && request.file.empty()) read = std::optional(CaptainsRecord{});
  if (!read && read.error() == EWOULDBLOCK) {
    std::fprintf(stderr, "kestravane-tool: %s is in use by another program\n", path.c_str());
  } else if (!read) {
    std::fprintf(stderr, "kestravane-tool: %s cannot be read: %s\n", path.c_str(), std::strerror(read.error()));
  } else if (!*read) {
    std::fprintf(stderr, "kestravane-tool: %s is not a captain's record the game can read\n", path.c_str());
  } else {
    std::fputs(CaptainsRecordWithDates(**read).c_str(), stdout);
    return 0;
  }
  return 1;
}

}  // namespace

}  // namespace kestravane

int main(int argc, char** argv) {
  using namespace kestravane;
  std::string error;
  const auto request = ParseToolArguments(argc, argv, error);
  if (!request) {
    std::fprintf(stderr, "kestravane-tool: %s\nTry 'kestravane-tool --help'.\n", error.c_str());
    return 2;
  }
  switch (request->command) {
    case ToolRequest::Command::New: return NewGameDocument(*request);
    case ToolRequest::Command::Show: return ShowGameDocument(*request);
    case ToolRequest::Command::Record: return PrintCaptainsRecord(*request);
    case ToolRequest::Command::Version: std::fputs("kestravane-tool " KESTRAVANE_VERSION "\n", stdout); return 0;
    case ToolRequest::Command::Help: break;
  }
  std::fputs(ToolUsage, stdout);
  return 0;
}
