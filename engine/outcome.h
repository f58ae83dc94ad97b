#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "engine/identifiers.h"
#include "engine/message.h"

namespace kestravane {

enum class GameEnd { Won, Lost };

// What a rule did, for the application to show: the game operations change
// the session and describe the rest here instead of drawing, so that a whole
// game can run without a window. The board is drawn from the session.
struct Outcome {
  // Status lines in the order they were posted; the last one stays.
  std::vector<Message> Messages;
  // Sounds in the order they were started, each cutting off the one before.
  std::vector<Sound> Sounds;
  // With sounds off, the system's alert sounds instead (a kill is never
  // silent).
  bool AlertWhenSilent = false;
  // The ship buttons go on or off, when set.
  std::optional<bool> ShipButtons;
  // The game was won or lost.
  std::optional<GameEnd> Ended;

  template <typename... Values>
  void Post(Text id, Values&&... values) {
    Messages.push_back(MakeMessage(id, std::forward<Values>(values)...));
  }

  // `later` happened after this one.
  void Append(Outcome later);
};

}  // namespace kestravane
