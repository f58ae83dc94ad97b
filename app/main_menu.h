#pragma once

#include <Qt>
#include <optional>
#include <span>

#include "engine/identifiers.h"

namespace kestravane {

// The main window's menu bar and keys, as tables.

// One item of a popup menu; a separator has no text.
struct MenuEntry {
  Command command{};
  const char* text = nullptr;
};

struct MenuPopup {
  const char* title;
  std::span<const MenuEntry> items;
};

std::span<const MenuPopup> MainMenu();

// What the game does with a key that is no shortcut, or whose menu item is
// grayed. Letters count whatever Shift, Caps Lock or Ctrl say.
enum class GameKey {
  Fire,
  Diagnostics,
  Engines,      // engage, or select the engines in diagnostics
  Reverse,
  Tracing,      // in diagnostics
  Weapons,      // select the weapons in diagnostics
  ScanX,
  ScanY,
  ScanZ,
  Increase,     // the selected gauge, in diagnostics
  Decrease,
  Aim,
  Helm,
  Log,
  Other,
};

// A key as the game reads it: the command of its shortcut, if it is one, and
// what it is as a game key.
struct KeyMeaning {
  std::optional<Command> shortcut;
  GameKey key = GameKey::Other;
};

KeyMeaning MeaningOf(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace kestravane
