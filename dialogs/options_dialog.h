#pragma once

#include <QDialog>
#include <optional>

#include "engine/game_state.h"

class QButtonGroup;
class QCheckBox;

namespace kestravane {

// What the Options dialog sets.
struct GameOptions {
  kestravane::Difficulty Difficulty = kestravane::Difficulty::Normal;
  bool Sounds = false;

  bool operator==(const GameOptions&) const = default;
};

// Game > Options: the difficulty level, with the supplies each gives, and
// the sound effects. OK closes it only while a level is checked.
class OptionsDialog : public QDialog {
 public:
  OptionsDialog(QWidget* owner, const GameOptions& current);

  const GameOptions& options() const { return options_; }

 private:
  void Confirm();

  GameOptions options_;
  QButtonGroup* levels_;
  QCheckBox* sounds_;
};

// Runs the Options dialog over `owner`, starting from `current`: the options
// the player confirmed, or nothing when he cancelled.
std::optional<GameOptions> RunOptionsDialog(QWidget* owner, const GameOptions& current);

}  // namespace kestravane
