#include "engine/gauge_fill.h"

#include <gtest/gtest.h>

#include "engine/generation.h"

using namespace kestravane;

namespace {

// Both bars are 61 columns wide inside their sunken frames.
constexpr int BarWidth = 61;

int Fill(int value, int maximum) {
  Gauge gauge;
  gauge.Maximum = maximum;
  gauge.Value = value;
  return GaugeFill(gauge, BarWidth);
}

}  // namespace

TEST(GaugeFill, AFullMissileBarStopsOneColumnShortAtEveryDifficulty) {
  for (const Difficulty level : {Difficulty::Hard, Difficulty::Normal, Difficulty::Easy})
    EXPECT_EQ(Fill(MissilesFor(level), MissilesFor(level)), 60) << static_cast<int>(level);
}

TEST(GaugeFill, AFullFuelBarFillsEverythingExceptOnEasy) {
  EXPECT_EQ(Fill(FuelFor(Difficulty::Hard), FuelFor(Difficulty::Hard)), 61);
  EXPECT_EQ(Fill(FuelFor(Difficulty::Normal), FuelFor(Difficulty::Normal)), 61);
  EXPECT_EQ(Fill(FuelFor(Difficulty::Easy), FuelFor(Difficulty::Easy)), 60);
}

TEST(GaugeFill, PartFilledBarsTruncate) {
  EXPECT_EQ(Fill(120, 240), 30);
  EXPECT_EQ(Fill(50, 100), 30);
  EXPECT_EQ(Fill(1, 100), 0);
  EXPECT_EQ(Fill(2, 100), 1);
  EXPECT_EQ(Fill(359, 360), 60);
}

TEST(GaugeFill, AnEmptyOrRangelessGaugeFillsNothing) {
  EXPECT_EQ(Fill(0, 240), 0);
  EXPECT_EQ(Fill(0, 0), 0);
  EXPECT_EQ(Fill(5, 0), 0);
}
