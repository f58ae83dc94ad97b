#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "platform/headless/headless.h"
#include "support/sound.h"

namespace {

namespace headless = platform::headless;

class GameSoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::MuteBoxes(true);
    headless::ForgetShown();
  }
  void TearDown() override { headless::ForgetShown(); }
};

TEST_F(GameSoundTest, AMissingSoundIsReportedWithTheFailedCall) {
  EXPECT_EQ(PlayWave(2999), 0);
  ASSERT_EQ(headless::Boxes().size(), 1u);
  const headless::ShownBox& box = headless::Boxes().front();
  EXPECT_EQ(box.icon, platform::BoxIcon::Error);
  EXPECT_EQ(box.caption, "Error");
  EXPECT_EQ(box.text, "PlayWave(FindResource)\r\rError detected finding WAVE resource (ID:2999)\r\rCode " +
                          std::to_string(ENOENT));
}

TEST_F(GameSoundTest, ASoundThatCannotBePlayedIsReportedWithThePlayersError) {
  // There is no output device here (see main.cpp).
  EXPECT_EQ(PlayWave(2001), 0);
  ASSERT_EQ(headless::Boxes().size(), 1u);
  const headless::ShownBox& box = headless::Boxes().front();
  EXPECT_EQ(box.icon, platform::BoxIcon::Error);
  EXPECT_EQ(box.text, "PlayWave(sndPlaySound)\r\rCannot play WAVE resource (ID:2001)\rCode " +
                          std::to_string(ENODEV));
}

TEST_F(GameSoundTest, TheAlertBeepLetsTheCallerFailInOneStatement) {
  EXPECT_EQ(AlertBeep(), 0);
  EXPECT_TRUE(headless::Boxes().empty());
}

}  // namespace
