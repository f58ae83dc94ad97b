#pragma once

#include <chrono>

#include "platform/window.h"

// How long the mark holds each place of its flight. The flight is paced by
// the clock, not by the processor: the longest one, 68 steps straight up,
// takes 272 ms on any machine, long enough for the eye to follow the mark
// and short enough not to hold up play. A whole number of milliseconds keeps
// each step's deadline on the tick of the event loop's timers.
inline constexpr std::chrono::milliseconds MissileStepTime{4};

// Flies the missile's mark from the bottom centre of the scanner view to the
// cell at (column, row) of the sector grid and returns once it has landed,
// with nothing of it left on the window. The player's input meanwhile waits,
// to be handled afterwards in its order; an uncovered window is repainted.
void FlyMissile(platform::Window* window, int column, int row);
