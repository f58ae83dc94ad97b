#pragma once

#include <QImage>

#include "platform/resources.h"

namespace kestravane::platform {

// What a Picture holds on this platform: the decoded image, 32-bit with
// alpha, which the drawing code paints directly.
struct Picture::Data {
  QImage image;
};

}  // namespace kestravane::platform
