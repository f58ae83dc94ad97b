#include "display/gauge_bar.h"

#include "display/drawing.h"
#include "display/main_layout.h"
#include "engine/gauge_fill.h"

namespace kestravane {

platform::Rect GaugeBarArea(const platform::Rect& frame) {
  return {frame.left + 2, frame.top + 2, frame.right - 1, frame.bottom - 1};
}

void DrawGauge(Surface& surface, const platform::Rect& frame, const Gauge& gauge) {
  Draw3DFrame(surface, frame);
  DrawGaugeBar(surface, frame, gauge);
}

void DrawGaugeBar(Surface& surface, const platform::Rect& frame, const Gauge& gauge) {
  const platform::Rect bar = GaugeBarArea(frame);
  const int filledRight = bar.left + GaugeFill(gauge, RectWidth(&bar));
  FillRect(surface, {bar.left, bar.top, filledRight, bar.bottom}, layout::GaugeColor);
  FillRect(surface, {filledRight, bar.top, frame.right - 1, bar.bottom}, BackgroundColor);
}

}  // namespace kestravane
