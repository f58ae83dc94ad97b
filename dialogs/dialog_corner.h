#pragma once

#include "platform/rect.h"
#include "support/placement.h"

namespace kestravane {

// The dialogs that remember where the player left them reopen there, pulled
// back towards the screen so that at least this much of their corner shows.
inline constexpr int DialogEdgeMargin = 70;

struct DialogCorner {
  int x;
  int y;

  bool operator==(const DialogCorner&) const = default;
};

// Where a dialog remembered at `placement` opens on `screen`: no further
// right or down than the screen's right and bottom edges less the margin,
// and no further left or up than its left and top edges, so that a place
// left on a screen unplugged since, or a negative one, still shows the
// dialog's caption for the player to move it by.
DialogCorner DialogCornerOn(const Placement& placement, const platform::Rect& screen);

}  // namespace kestravane
