#pragma once

#include "platform/resources.h"
#include "platform/sound.h"

namespace kestravane {

// What the program keeps while it runs, for its windows to draw and play
// with: the pictures decoded so far and the sound output. Whoever starts the
// game owns it, for as long as the main window lives.
struct Services {
  platform::PictureStore pictures;
  platform::SoundOutput sound;
};

}  // namespace kestravane
