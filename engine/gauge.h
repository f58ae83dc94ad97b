#pragma once

#include <cstdint>

#include "engine/rect.h"
#include "platform/surface.h"

// A counted resource (missiles, fuel) shown as a bar in its panel.
struct Gauge {
  Rect Frame;
  std::int32_t Minimum = 0;
  std::int32_t Maximum = 0;
  std::int32_t Value = 0;
  std::uint32_t Color = 0;  // 0x00BBGGRR
};

// Stores v clamped to the gauge's range and redraws the bar on `surface`
// (no drawing when the surface is null). Returns 1.
int SetGaugeValue(platform::Surface* surface, Gauge& gauge, int v);

// One step up or down; 0 when the gauge is already at its limit. Spending a
// missile or a fuel unit is a GaugeDown, so its 0 means the resource is gone.
int GaugeUp(platform::Surface* surface, Gauge& gauge);
int GaugeDown(platform::Surface* surface, Gauge& gauge);

// The display installs the bar painter; the engine only decides the values.
using GaugePainter = void (*)(platform::Surface* surface, const Gauge& gauge);
void SetGaugePainter(GaugePainter painter);
