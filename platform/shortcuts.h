#pragma once

#include <span>

#include "platform/window.h"

namespace platform {

// A key that sends a command instead of reaching the game as a key.
struct Shortcut {
  int virtualKey;  // platform/keys.h
  bool control;    // with Ctrl held; without Ctrl when false
  int command;
};

// Installs the window's shortcuts. They are looked up before any key of the
// window reaches WindowEvents::KeyDown, and only while no modal dialog runs.
// A shortcut whose command is a grayed menu item sends nothing, as the grayed
// item would, and leaves its key to KeyDown as an ordinary key.
void InstallShortcuts(Window* window, std::span<const Shortcut> shortcuts);

}  // namespace platform
