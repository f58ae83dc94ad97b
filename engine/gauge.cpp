#include "engine/gauge.h"

namespace {

GaugePainter gaugePainter = nullptr;

}  // namespace

void SetGaugePainter(GaugePainter painter) { gaugePainter = painter; }

int SetGaugeValue(platform::Surface* surface, Gauge& gauge, int v) {
  if (v < gauge.Minimum)
    gauge.Value = gauge.Minimum;
  else if (v > gauge.Maximum)
    gauge.Value = gauge.Maximum;
  else
    gauge.Value = v;
  if (surface && gaugePainter) gaugePainter(surface, gauge);
  return 1;
}

int GaugeUp(platform::Surface* surface, Gauge& gauge) {
  if (gauge.Value >= gauge.Maximum) return 0;
  return SetGaugeValue(surface, gauge, gauge.Value + 1);
}

int GaugeDown(platform::Surface* surface, Gauge& gauge) {
  if (gauge.Value <= gauge.Minimum) return 0;
  return SetGaugeValue(surface, gauge, gauge.Value - 1);
}
