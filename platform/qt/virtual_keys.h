#pragma once

namespace platform {

// The game's key code (platform/keys.h) for a Qt key; KeyOther when the game
// has no name for it.
int VirtualKeyFor(int qtKey);

}  // namespace platform
