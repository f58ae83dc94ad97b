#pragma once

#include "engine/gauge.h"
#include "platform/surface.h"

// A gauge as its panel shows it: the sunken frame, then the bar. Returns 1.
int DrawGauge(platform::Surface* surface, const Gauge& gauge);

// The bar alone, filled in the gauge's colour as far as its value reaches
// and in the window's background after that. This is the painter a gauge
// step uses to redraw its bar at once.
void DrawGaugeBar(platform::Surface* surface, const Gauge& gauge);
