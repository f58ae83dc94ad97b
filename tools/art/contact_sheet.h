#pragma once

#include <QImage>

#include "art_set.h"

namespace kestravane::art {

// Every icon and picture of the set at twice its size on one sheet, with its
// resource ID, and the desktop's icons at their own sizes, so a reviewer
// takes the whole set in at a glance.
QImage ContactSheet(const ArtSet& set);

}  // namespace kestravane::art
