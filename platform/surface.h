#pragma once

namespace platform {

// A place the game draws on: the main window's client area or an off-screen
// picture. Opaque to the game core; the display draws through it.
class Surface;

}  // namespace platform
