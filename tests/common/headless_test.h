#pragma once

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "support/message_box.h"

using namespace kestravane;

// The boxes shown since the last ForgetShown(), once RecordBoxes() has
// turned them from standard error to this record.
inline std::vector<BoxReport>& ShownBoxes() {
  static std::vector<BoxReport> boxes;
  return boxes;
}

inline void RecordBoxes() {
  ReportBoxesTo([](const BoxReport& box) { ShownBoxes().push_back(box); });
}

// Forgets the boxes shown so far.
inline void ForgetShown() { ShownBoxes().clear(); }

// A case without a screen: boxes are recorded without being shown, and each
// case starts with none shown.
class HeadlessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RecordBoxes();
    ForgetShown();
  }
  void TearDown() override { ForgetShown(); }

  // The one box shown so far; a placeholder after a failed check when there
  // was not exactly one.
  static const BoxReport& OnlyBox() {
    const auto& boxes = ShownBoxes();
    EXPECT_EQ(boxes.size(), 1u);
    static const BoxReport none{BoxIcon::Error, "<none>", "<none>"};
    return boxes.size() == 1 ? boxes.front() : none;
  }
};

// What the box says when catalogue text `id` cannot be loaded.
inline std::string LoaderBoxText(unsigned id) {
  return "GetString(LoadString)\r\rCannot load string resource (ID:" + std::to_string(id) + ")\r\rCode " +
         std::to_string(ENOENT);
}

