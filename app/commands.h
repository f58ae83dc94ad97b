#pragma once

#include <QKeyCombination>
#include <QKeySequence>
#include <array>
#include <span>

#include "engine/identifiers.h"

namespace kestravane {

class GameController;

// The game's commands, each declared once: where its item stands in the
// menus and what it says, the help the status line gives for it, its keys,
// when it can be chosen and checked, and what it does. The menus, the ship
// buttons, the keys and a screen reader all take them from here.
struct CommandEntry {
  Command command;
  Text menu;  // the popup it is an item of
  Text item;
  Text help;
  // A shortcut the desktop names (New, Open, Save), else the game's own
  // keys, the first of which its item shows.
  QKeySequence::StandardKey standardKey;
  std::array<QKeyCombination, 3> keys;
  bool separatorBefore;
  bool (*enabled)(const GameController&);
  bool (*checked)(const GameController&);
  void (*run)(GameController&);
  // The button or menu that ran it keeps no keyboard: the game's keys must
  // work at once.
  bool boardTakesKeyboard;
};

std::span<const CommandEntry> Commands();
const CommandEntry& EntryOf(Command command);

// What one of the game's own keys does in play, with diagnostics off and on.
struct KeyAction {
  void (*play)(GameController&);
  void (*diagnostics)(GameController&);
  bool fires = false;  // a held key fires once
};

// The key's action; none for a key the game does not know.
const KeyAction* ActionOfKey(int key);

}  // namespace kestravane
