#pragma once

#include <QImage>

#include "platform/resources.h"

namespace kestravane {

namespace platform {

// What a Picture holds on this platform: the decoded image, 32-bit with
// alpha, which the drawing code paints directly.
struct Picture::Data {
  QImage image;
};

}  // namespace platform

}  // namespace kestravane
