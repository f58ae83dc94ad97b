#pragma once

#include <chrono>

namespace platform {

// Holds the game until `deadline`, for an animation that must keep its pace
// whatever the machine: windows uncovered meanwhile are repainted, but the
// player's keys, clicks, menus and close box stay queued, to reach the game
// afterwards in the order they came. Already past the deadline, it still
// looks at the window system once, so a late step never starves painting.
void PauseUntil(std::chrono::steady_clock::time_point deadline);

}  // namespace platform
