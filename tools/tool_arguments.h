#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/game_state.h"

namespace kestravane {

// What the player asked kestravane-tool to do.
struct ToolRequest {
  enum class Command { Help, Version, New, Show, Record } command = Command::Help;
  std::optional<std::uint32_t> number;  // game number; the clock's when absent
  Difficulty difficulty = Difficulty::Normal;
  bool showStatus = false;
  std::string file;
};

// Parses the command line. On a mistake returns nothing and sets `error`.
std::optional<ToolRequest> ParseToolArguments(int argc, const char* const* argv, std::string& error);

extern const char* const ToolUsage;

}  // namespace kestravane
