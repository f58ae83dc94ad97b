#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "app/status_line.h"
#include "platform/headless/headless.h"

namespace {

namespace headless = platform::headless;

using Lines = std::vector<std::string>;

class StatusLineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::MuteBoxes(true);
    headless::ShowStatusLines(true);
    headless::ForgetShown();
  }
  void TearDown() override {
    headless::ShowStatusLines(false);
    headless::ForgetShown();
  }
};

TEST_F(StatusLineTest, ShowsTheFormattedCatalogueText) {
  ShowStatus(Text{5032}, 4, 0, 8);
  ShowStatus(Text{5025});
  ShowStatus(Text{5028}, 1, "");
  EXPECT_EQ(headless::StatusLines(),
            (Lines{"Enemy ship destroyed in quadrant: 4-0-8 ...", "Engines engaged ...",
                   "Scanners detect 1 Roder ship ..."}));
  EXPECT_TRUE(headless::Boxes().empty());
}

TEST_F(StatusLineTest, ShowsBuiltinTexts) {
  ShowStatus(Text::Ready);
  ShowStatus(Text{60066});
  EXPECT_EQ(headless::StatusLines(), (Lines{"Ready ...", "Options saved"}));
}

TEST_F(StatusLineTest, AWordFromTheCatalogueIsLookedUpWhenShown) {
  ShowStatus(Text::DiagnosticsTurned, Text::On);
  ShowStatus(Text::Increasing, Text::MissileName);
  EXPECT_EQ(headless::StatusLines(), (Lines{"Diagnostics turned ON ...", "Increasing Missile value ..."}));
}

TEST_F(StatusLineTest, DoublePercentInTheCatalogueTextShowsOnePercent) {
  ShowStatus(Text{5038}, 75);
  EXPECT_EQ(headless::StatusLines(), (Lines{"75% Kill Ratio"}));
}

TEST_F(StatusLineTest, PercentInAnArgumentIsShownLiterally) {
  ShowStatus(Text{5013}, "100%d%s.war");
  EXPECT_EQ(headless::StatusLines(), (Lines{"Loading 100%d%s.war ..."}));
}

TEST_F(StatusLineTest, DroppedWhenTheStatusLineIsNotShown) {
  headless::ShowStatusLines(false);
  ShowStatus(Text{5025});
  ShowStatus(Text{60000});
  EXPECT_TRUE(headless::StatusLines().empty());

  headless::ShowStatusLines(true);
  ShowStatus(Text{5029});
  EXPECT_EQ(headless::StatusLines(), (Lines{"Missile launched ..."}));  // not kept for later
}

TEST_F(StatusLineTest, MissingTextWhileHiddenShowsNoBoxEither) {
  headless::ShowStatusLines(false);
  ShowStatus(Text{5008});
  EXPECT_TRUE(headless::Boxes().empty());
  EXPECT_TRUE(headless::StatusLines().empty());
}

TEST_F(StatusLineTest, MissingTextLeavesTheLineAndShowsTheLoadersBox) {
  ShowStatus(Text{5008});
  EXPECT_TRUE(headless::StatusLines().empty());
  ASSERT_EQ(headless::Boxes().size(), 1u);
  EXPECT_EQ(headless::Boxes()[0].caption, "Error");
  EXPECT_EQ(headless::Boxes()[0].text,
            "GetString(LoadString)\r\rCannot load string resource (ID:5008)\r\rCode " +
                std::to_string(ENOENT));
}

TEST_F(StatusLineTest, CutAt255Characters) {
  // "Saving %s ...": 7 characters before the name, 4 after.
  const std::string fits(244, 'n');
  ShowStatus(Text{5011}, fits.c_str());
  const std::string oneOver(245, 'n');
  ShowStatus(Text{5011}, oneOver.c_str());
  const std::string long_(1000, 'n');
  ShowStatus(Text{5011}, long_.c_str());

  ASSERT_EQ(headless::StatusLines().size(), 3u);
  EXPECT_EQ(headless::StatusLines()[0], "Saving " + fits + " ...");
  EXPECT_EQ(headless::StatusLines()[0].size(), 255u);
  EXPECT_EQ(headless::StatusLines()[1], "Saving " + oneOver + " ..");
  EXPECT_EQ(headless::StatusLines()[2], "Saving " + std::string(248, 'n'));
}

}  // namespace
