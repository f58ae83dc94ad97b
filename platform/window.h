#pragma once

namespace platform {

// A top-level window of the game (main window or dialog). Opaque to the game:
// it is only passed back to the platform, for instance as a box owner.
class Window;

}  // namespace platform
