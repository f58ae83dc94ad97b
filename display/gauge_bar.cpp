#include "display/gauge_bar.h"

#include "display/drawing.h"
#include "engine/gauge_fill.h"

int DrawGauge(platform::Surface* surface, const Gauge& gauge) {
  Draw3DFrame(surface, gauge.Frame);
  DrawGaugeBar(surface, gauge);
  return 1;
}

void DrawGaugeBar(platform::Surface* surface, const Gauge& gauge) {
  const Rect bar = GaugeBarArea(gauge.Frame);
  const int filledRight = bar.left + GaugeFill(gauge, RectWidth(&bar));
  platform::FillRect(surface, {bar.left, bar.top, filledRight, bar.bottom},
                     platform::ColorFromPacked(gauge.Color));
  platform::FillRect(surface, {filledRight, bar.top, gauge.Frame.right - 1, bar.bottom},
                     BackgroundColor);
}
