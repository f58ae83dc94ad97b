#pragma once

#include <utility>

#include "platform/resources.h"

using namespace kestravane;

// An icon or bitmap of the resources, to compare drawings with; a null
// picture when it cannot be loaded.
inline platform::Picture IconPicture(unsigned id) {
  platform::Result<platform::Picture> icon = platform::LoadIconResource(id);
  return icon ? std::move(*icon) : platform::Picture();
}

inline platform::Picture BitmapPicture(unsigned id) {
  platform::Result<platform::Picture> bitmap = platform::LoadBitmapResource(id);
  return bitmap ? std::move(*bitmap) : platform::Picture();
}
