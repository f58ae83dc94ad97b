#pragma once

#include "engine/gauge.h"
#include "platform/rect.h"
#include "display/surface.h"

namespace kestravane {

// The part of a gauge's sunken frame its bar fills: the frame less one pixel
// all round, and one more at the left and top.
platform::Rect GaugeBarArea(const platform::Rect& frame);

// A gauge as its panel shows it in `frame`: the sunken frame, then the bar.
void DrawGauge(Surface& surface, const platform::Rect& frame, const Gauge& gauge);

// The bar alone, filled in the gauge colour as far as the value reaches and
// in the window's background after that.
void DrawGaugeBar(Surface& surface, const platform::Rect& frame, const Gauge& gauge);

}  // namespace kestravane
