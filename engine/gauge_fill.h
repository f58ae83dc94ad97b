#pragma once

#include "engine/gauge.h"

namespace kestravane {

// Columns of a bar `barWidth` pixels wide that the gauge's value fills. The
// scale is kept in single precision, as the game always has, so a full bar
// may stop one column short: a full missile bar fills 60 of its 61 columns.
// A gauge without a range (Maximum not above Minimum) fills nothing.
int GaugeFill(const Gauge& gauge, int barWidth);

}  // namespace kestravane
