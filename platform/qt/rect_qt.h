#pragma once

#include <QRect>

#include "platform/rect.h"

namespace kestravane::platform {

// The same pixels as Qt names them, and back: the game's rectangles leave out
// their right and bottom edges, Qt's sizes count the pixels in.
inline QRect ToQRect(const Rect& rect) { return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}; }
inline Rect FromQRect(const QRect& rect) {
  return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

}  // namespace kestravane::platform
