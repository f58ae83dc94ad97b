#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/status_line.h"
#include "common/headless_test.h"

namespace {

namespace headless = platform::headless;

using Lines = std::vector<std::string>;
using StatusLineTest = HeadlessTest;

TEST_F(StatusLineTest, ShowsTheFormattedCatalogueText) {
  ShowStatus(Text{5032}, 4, 0, 8);
  ShowStatus(Text::Ready);
  EXPECT_EQ(headless::StatusLines(), (Lines{"Enemy ship destroyed in quadrant: 4-0-8 ...", "Ready ..."}));
  EXPECT_TRUE(ShownBoxes().empty());
}

TEST_F(StatusLineTest, AWordFromTheCatalogueIsLookedUpWhenShown) {
  ShowStatus(Text::DiagnosticsTurned, Text::On);
  ShowStatus(Text::Increasing, Text::MissileName);
  EXPECT_EQ(headless::StatusLines(), (Lines{"Diagnostics turned ON ...", "Increasing Missile value ..."}));
}

// Not even a missing text's box comes up while the line is hidden.
TEST_F(StatusLineTest, DroppedWhenTheStatusLineIsNotShown) {
  headless::ShowStatusLines(false);
  ShowStatus(Text{5025});
  ShowStatus(Text{5008});
  EXPECT_TRUE(headless::StatusLines().empty());
  EXPECT_TRUE(ShownBoxes().empty());

  headless::ShowStatusLines(true);
  ShowStatus(Text{5029});
  EXPECT_EQ(headless::StatusLines(), (Lines{"Missile launched ..."}));  // not kept for later
}

TEST_F(StatusLineTest, MissingTextLeavesTheLineAndShowsTheLoadersBox) {
  ShowStatus(Text{5008});
  EXPECT_TRUE(headless::StatusLines().empty());
  EXPECT_EQ(OnlyBox().text, LoaderBoxText(5008));
}

TEST_F(StatusLineTest, CutAt255Characters) {
  // "Saving %s ...": 7 characters before the name, 4 after.
  const std::string fits(244, 'n');
  ShowStatus(Text{5011}, fits.c_str());
  const std::string oneOver(245, 'n');
  ShowStatus(Text{5011}, oneOver.c_str());
  EXPECT_EQ(headless::StatusLines(), (Lines{"Saving " + fits + " ...", "Saving " + oneOver + " .."}));
}

}  // namespace
