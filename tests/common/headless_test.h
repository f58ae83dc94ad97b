#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <cerrno>
#include <string>
#include <vector>

#include "support/message_box.h"

using namespace kestravane;

// A case without a screen, with an application of its own that records the
// boxes instead of showing them; each case starts with none shown.
class HeadlessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ReportBoxesTo(application_, [this](const BoxReport& box) { boxes_.push_back(box); });
  }

  const std::vector<BoxReport>& ShownBoxes() const { return boxes_; }
  void ForgetShown() { boxes_.clear(); }

  // The one box shown so far; a placeholder after a failed check when there
  // was not exactly one.
  const BoxReport& OnlyBox() const {
    EXPECT_EQ(boxes_.size(), 1u);
    static const BoxReport none{BoxIcon::Error, "<none>", "<none>"};
    return boxes_.size() == 1 ? boxes_.front() : none;
  }

 private:
  int argumentCount_ = 1;
  char name_[16] = "kestravane-test";
  char* arguments_[2] = {name_, nullptr};
  QCoreApplication application_{argumentCount_, arguments_};
  std::vector<BoxReport> boxes_;
};

// What the box says when catalogue text `id` cannot be loaded.
inline std::string LoaderBoxText(unsigned id) {
  return "GetString(LoadString)\r\rCannot load string resource (ID:" + std::to_string(id) + ")\r\rCode " +
         std::to_string(ENOENT);
}

