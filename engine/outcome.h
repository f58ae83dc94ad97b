#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "engine/identifiers.h"
#include "engine/message.h"

// The parts of the main window a change of the game can leave out of date.
enum class Area {
  Window,       // all of it
  ScannerView,  // the sector grid or the picture in its place
  WeaponsPanel,
  EnginesPanel,
  ScannerPanel,
};

// What a rule did, for the application to show: the game operations change
// the session and describe the rest here instead of drawing, so that a whole
// game can run without a window.
struct Outcome {
  // Status lines in the order they were posted; the last one stays.
  std::vector<Message> Messages;
  // Sounds in the order they were started, each cutting off the one before.
  std::vector<Sound> Sounds;
  // Areas to repaint from the session at the next paint.
  std::vector<Area> Invalidated;
  // The ship buttons go on or off, when set.
  std::optional<bool> ShipButtons;

  template <typename... Values>
  void Post(Text id, Values&&... values) {
    Messages.push_back(MakeMessage(id, std::forward<Values>(values)...));
  }

  void Invalidate(Area area) { Invalidated.push_back(area); }

  // `later` happened after this one.
  void Append(Outcome later);
};
