#include "engine/gauge.h"

#include <gtest/gtest.h>

namespace {

Gauge MakeGauge(int value, int maximum) {
  Gauge gauge;
  gauge.Minimum = 0;
  gauge.Maximum = maximum;
  gauge.Value = value;
  return gauge;
}

int paintCount = 0;
int paintedValue = -1;
void CountPaint(platform::Surface*, const Gauge& gauge) {
  ++paintCount;
  paintedValue = gauge.Value;
}

}  // namespace

TEST(Gauge, SetValueClampsToTheRange) {
  Gauge gauge = MakeGauge(10, 100);
  EXPECT_EQ(SetGaugeValue(nullptr, gauge, -5), 1);
  EXPECT_EQ(gauge.Value, 0);
  EXPECT_EQ(SetGaugeValue(nullptr, gauge, 110), 1);
  EXPECT_EQ(gauge.Value, 100);
  SetGaugeValue(nullptr, gauge, 42);
  EXPECT_EQ(gauge.Value, 42);
}

TEST(Gauge, StepsStopAtTheLimits) {
  Gauge empty = MakeGauge(0, 50);
  EXPECT_EQ(GaugeDown(nullptr, empty), 0);
  EXPECT_EQ(empty.Value, 0);
  EXPECT_EQ(GaugeUp(nullptr, empty), 1);
  EXPECT_EQ(empty.Value, 1);

  Gauge full = MakeGauge(50, 50);
  EXPECT_EQ(GaugeUp(nullptr, full), 0);
  EXPECT_EQ(full.Value, 50);
  EXPECT_EQ(GaugeDown(nullptr, full), 1);
  EXPECT_EQ(full.Value, 49);
}

TEST(Gauge, PainterRunsOnlyWithASurfaceAndOnlyForAStep) {
  SetGaugePainter(CountPaint);
  auto* surface = reinterpret_cast<platform::Surface*>(&paintCount);
  Gauge gauge = MakeGauge(1, 2);
  paintCount = 0;
  GaugeDown(surface, gauge);
  EXPECT_EQ(paintCount, 1);
  EXPECT_EQ(paintedValue, 0);
  GaugeDown(surface, gauge);
  EXPECT_EQ(paintCount, 1) << "a refused step must not redraw";
  GaugeUp(nullptr, gauge);
  EXPECT_EQ(paintCount, 1) << "no surface, nothing to draw on";
  SetGaugePainter(nullptr);
}
