#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "engine/identifiers.h"
#include "engine/message.h"
#include "engine/sector.h"

namespace kestravane {

// The parts of the main window a change of the game can leave out of date.
enum class Area {
  Window,       // all of it
  ScannerView,  // the sector grid or the picture in its place
  WeaponsPanel,
  EnginesPanel,
  ScannerPanel,
  QuadrantIcon,  // the picture of the target's quadrant in the scanner panel
};

// The two counted resources of the ship.
enum class Supply { Missiles, Fuel };

enum class GameEnd { Won, Lost };

// What a rule did, for the application to show: the game operations change
// the session and describe the rest here instead of drawing, so that a whole
// game can run without a window.
struct Outcome {
  // Status lines in the order they were posted; the last one stays.
  std::vector<Message> Messages;
  // Sounds in the order they were started, each cutting off the one before.
  std::vector<Sound> Sounds;
  // With sounds off, the system's alert sounds instead (a kill is never
  // silent).
  bool AlertWhenSilent = false;
  // Areas to repaint from the session at the next paint.
  std::vector<Area> Invalidated;
  // Cells of the sector grid to repaint at the next paint.
  std::vector<Cell> Cells;
  // Supplies spent or refilled one unit at a time: their bars and counts
  // show the new value at once, not at the next paint.
  std::vector<Supply> Stepped;
  // The ship buttons go on or off, when set.
  std::optional<bool> ShipButtons;
  // The game was won or lost.
  std::optional<GameEnd> Ended;

  template <typename... Values>
  void Post(Text id, Values&&... values) {
    Messages.push_back(MakeMessage(id, std::forward<Values>(values)...));
  }

  void Invalidate(Area area) { Invalidated.push_back(area); }
  void InvalidateCell(Cell cell) { Cells.push_back(cell); }

  // `later` happened after this one.
  void Append(Outcome later);
};

}  // namespace kestravane
