#pragma once

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "platform/headless/headless.h"

// A case on the platform without a screen: boxes are recorded without being
// shown, and each case starts with nothing shown.
class HeadlessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::headless::MuteBoxes(true);
    platform::headless::ForgetShown();
  }
  void TearDown() override { platform::headless::ForgetShown(); }

  // The one box shown so far; a placeholder after a failed check when there
  // was not exactly one.
  static const platform::headless::ShownBox& OnlyBox() {
    const auto& boxes = platform::headless::Boxes();
    EXPECT_EQ(boxes.size(), 1u);
    static const platform::headless::ShownBox none{platform::BoxIcon::Error, "<none>", "<none>"};
    return boxes.size() == 1 ? boxes.front() : none;
  }
};

// What the box says when catalogue text `id` cannot be loaded.
inline std::string LoaderBoxText(unsigned id) {
  return "GetString(LoadString)\r\rCannot load string resource (ID:" + std::to_string(id) + ")\r\rCode " +
         std::to_string(ENOENT);
}

// Any distinct pointers do as windows: the headless platform only compares them.
inline platform::Window* FakeWindow(int& place) { return reinterpret_cast<platform::Window*>(&place); }
