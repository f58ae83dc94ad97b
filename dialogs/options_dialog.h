#pragma once

#include <optional>

#include "engine/game_state.h"

class QWidget;

// What the Options dialog sets.
struct GameOptions {
  ::Difficulty Difficulty = ::Difficulty::Normal;
  bool Sounds = false;

  bool operator==(const GameOptions&) const = default;
};

// Runs the Options dialog over `owner`, starting from `current`: the options
// the player confirmed, or nothing when he cancelled.
std::optional<GameOptions> RunOptionsDialog(QWidget* owner, const GameOptions& current);
