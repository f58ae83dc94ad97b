#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "platform/headless/headless.h"
#include "support/box_layouts.h"
#include "support/message_box.h"

namespace {

namespace headless = platform::headless;

std::string LoaderBoxText(unsigned id) {
  return "GetString(LoadString)\r\rCannot load string resource (ID:" + std::to_string(id) +
         ")\r\rCode " + std::to_string(ENOENT);
}

platform::Window* FakeWindow(int& place) { return reinterpret_cast<platform::Window*>(&place); }

class MessageBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::MuteBoxes(true);
    headless::ForgetShown();
  }
  void TearDown() override { headless::ForgetShown(); }

  const headless::ShownBox& OnlyBox() {
    EXPECT_EQ(headless::Boxes().size(), 1u);
    if (headless::Boxes().empty()) {
      static const headless::ShownBox none{platform::BoxIcon::Error, "<none>", "<none>"};
      return none;
    }
    return headless::Boxes().front();
  }

  int dialogPlace_ = 0;
  platform::Window* dialog_ = FakeWindow(dialogPlace_);
};

// ErrorBox

TEST_F(MessageBoxTest, ErrorBoxShowsTheFormattedCatalogueTextInAnErrorBox) {
  EXPECT_FALSE(ErrorBox(Text{60027}, "Davuvodo.war", 13));
  const headless::ShownBox& box = OnlyBox();
  EXPECT_EQ(box.icon, platform::BoxIcon::Error);
  EXPECT_EQ(box.caption, "Error");
  EXPECT_EQ(box.text, "File: Davuvodo.war\r\rError detected opening this disk file\r\rCode 13");
  EXPECT_EQ(box.layout, &OkBoxLayout);
}

TEST_F(MessageBoxTest, ErrorBoxBreaksTheLineAfterTheFailedCall) {
  EXPECT_FALSE(ErrorBox(Text{60010}, "DrawPicture", 5003u, 1814));
  EXPECT_EQ(OnlyBox().text,
            "DrawPicture(LoadBitmap)\r\rError detected loading specified picture (ID:5003)\r\r"
            "Code 1814");
}

TEST_F(MessageBoxTest, ErrorBoxFromTheStringTable) {
  EXPECT_FALSE(ErrorBox(Text{3007}, "old.war", 1, 5));
  EXPECT_EQ(OnlyBox().text,
            "File: old.war\r\rThis game document was created with Kestravane v1.5\rIt can not be "
            "used with Kestravane for Windows 95/NT\r\rPlease use Kestravane v1.5 or older to load "
            "this file.");
}

TEST_F(MessageBoxTest, ErrorBoxShowsAPercentInAFileNameLiterally) {
  EXPECT_FALSE(ErrorBox(Text{60027}, "C:\\games\\100%d%s%%%n.war", 2));
  EXPECT_EQ(OnlyBox().text,
            "File: C:\\games\\100%d%s%%%n.war\r\rError detected opening this disk file\r\rCode 2");
}

TEST_F(MessageBoxTest, ErrorBoxDoesNotBreakAtAnArgumentsParenthesisWithoutColon) {
  EXPECT_FALSE(ErrorBox(Text{60003}, "KVaneAppClass (main)", 1410));
  EXPECT_EQ(OnlyBox().text,
            "\rError detected creating KVaneAppClass (main) window class\r\rCode 1410");
}

TEST_F(MessageBoxTest, ErrorBoxForAMissingTextShowsOnlyTheLoadersBox) {
  EXPECT_FALSE(ErrorBox(Text{60101}, "ignored", 1));
  const headless::ShownBox& box = OnlyBox();
  EXPECT_EQ(box.caption, "Error");
  EXPECT_EQ(box.icon, platform::BoxIcon::Error);
  EXPECT_EQ(box.text, LoaderBoxText(60101));
}

TEST_F(MessageBoxTest, ErrorBoxCutsTheFormattedTextAt511Characters) {
  // "File: %s\r\rError detected opening this disk file\r\rCode %d": 6 characters
  // before the name, 47 after it with a one-digit code.
  const std::string after = "\r\rError detected opening this disk file\r\rCode 2";
  EXPECT_FALSE(ErrorBox(Text{60027}, std::string(505, 'f').c_str(), 2));
  EXPECT_EQ(OnlyBox().text, "File: " + std::string(505, 'f'));

  headless::ForgetShown();
  EXPECT_FALSE(ErrorBox(Text{60027}, std::string(458, 'f').c_str(), 2));  // 6 + 458 + 47 = 511
  EXPECT_EQ(OnlyBox().text, "File: " + std::string(458, 'f') + after);

  headless::ForgetShown();
  EXPECT_FALSE(ErrorBox(Text{60027}, std::string(459, 'f').c_str(), 2));
  EXPECT_EQ(OnlyBox().text, "File: " + std::string(459, 'f') + after.substr(0, 46));
}

// ErrorBoxText

TEST_F(MessageBoxTest, ErrorBoxTextShowsTheFormattedText) {
  EXPECT_FALSE(ErrorBoxText("%s failed: %d of %u", "Load", -3, 7u));
  const headless::ShownBox& box = OnlyBox();
  EXPECT_EQ(box.icon, platform::BoxIcon::Error);
  EXPECT_EQ(box.caption, "Error");
  EXPECT_EQ(box.text, "Load failed: -3 of 7");
  EXPECT_EQ(box.layout, &OkBoxLayout);
}

TEST_F(MessageBoxTest, LineBreakOnlyAtTheFirstParenthesisColonSpace) {
  EXPECT_FALSE(ErrorBoxText("InitVEZU(GetDC): first PlayWave(FindResource): second): third"));
  EXPECT_EQ(OnlyBox().text, "InitVEZU(GetDC)\r\rfirst PlayWave(FindResource): second): third");
}

TEST_F(MessageBoxTest, TextsWithoutParenthesisColonSpaceAreShownUnchanged) {
  const char* const texts[] = {
      "File: a.war\r\rCode 5", "Call():x", "Call() : x", "(ID:5)\r\rCode 1", ": ) :", "",
      "Ends with ):",          "):",
  };
  for (const char* text : texts) {
    headless::ForgetShown();
    EXPECT_FALSE(ErrorBoxText("%s", text));
    EXPECT_EQ(OnlyBox().text, text);
  }
}

TEST_F(MessageBoxTest, LineBreakAtTheVeryStartAndEnd) {
  EXPECT_FALSE(ErrorBoxText("): x"));
  EXPECT_FALSE(ErrorBoxText("x): "));
  ASSERT_EQ(headless::Boxes().size(), 2u);
  EXPECT_EQ(headless::Boxes()[0].text, ")\r\rx");
  EXPECT_EQ(headless::Boxes()[1].text, "x)\r\r");
}

TEST_F(MessageBoxTest, LineBreakRuleAppliesToTheFormattedText) {
  EXPECT_FALSE(ErrorBoxText("%s(%s)%c %s", "Draw_Icon", "DrawIcon", ':', "failed"));
  EXPECT_EQ(OnlyBox().text, "Draw_Icon(DrawIcon)\r\rfailed");
}

TEST_F(MessageBoxTest, ErrorBoxTextShowsAPercentFromAnArgumentLiterally) {
  EXPECT_FALSE(ErrorBoxText("File: %s\r\rCode %d", "50%s%d.war", 3));
  EXPECT_EQ(OnlyBox().text, "File: 50%s%d.war\r\rCode 3");
}

TEST_F(MessageBoxTest, ErrorBoxTextCutsAt511Characters) {
  for (const std::size_t length : {510u, 511u, 512u, 2000u}) {
    headless::ForgetShown();
    EXPECT_FALSE(ErrorBoxText("%s", std::string(length, 'x').c_str()));
    EXPECT_EQ(OnlyBox().text, std::string(std::min<std::size_t>(length, 511), 'x')) << length;
  }
}

TEST_F(MessageBoxTest, LineBreakSequenceCutByTheBoundIsNotBroken) {
  // ")" and ":" are characters 510 and 511; the space falls beyond the bound.
  EXPECT_FALSE(ErrorBoxText("%s): tail", std::string(509, 'a').c_str()));
  EXPECT_EQ(OnlyBox().text, std::string(509, 'a') + "):");
}

TEST_F(MessageBoxTest, LineBreakSequenceEndingExactlyAtTheBound) {
  EXPECT_FALSE(ErrorBoxText("%s): tail", std::string(508, 'a').c_str()));
  EXPECT_EQ(OnlyBox().text, std::string(508, 'a') + ")\r\r");
}

// WarningBox

TEST_F(MessageBoxTest, WarningBoxTakesItsCaptionFromTheCatalogue) {
  EXPECT_FALSE(WarningBox(dialog_, Text{1000}, Text{3001}, "Z"));
  const headless::ShownBox& box = OnlyBox();
  EXPECT_EQ(box.icon, platform::BoxIcon::Warning);
  EXPECT_EQ(box.caption, "Kestravane");
  EXPECT_EQ(box.text, "\r\rEnter a Z coordinate between 0 and 8.");
  EXPECT_EQ(box.owner, dialog_);
  EXPECT_EQ(box.layout, &OkBoxLayout);
}

TEST_F(MessageBoxTest, WarningBoxCaptionFromAnyCatalogueText) {
  EXPECT_FALSE(WarningBox(nullptr, Text{60066}, Text{3003}));
  const headless::ShownBox& box = OnlyBox();
  EXPECT_EQ(box.caption, "Options saved");
  EXPECT_EQ(box.text,
            "\r\rThe difficulty level you have selected\rwill be used for the next new game.");
  EXPECT_EQ(box.owner, nullptr);
}

TEST_F(MessageBoxTest, WarningBoxOwnerIsTheGivenWindow) {
  EXPECT_FALSE(WarningBox(dialog_, Text{1000}, Text{3002}, "Y"));
  EXPECT_EQ(OnlyBox().owner, dialog_);
}

TEST_F(MessageBoxTest, WarningBoxHasNoLineBreakRule) {
  EXPECT_FALSE(WarningBox(dialog_, Text{1000}, Text{60014}, "Draw_Icon", 5300u, 6));
  EXPECT_EQ(OnlyBox().text,
            "Draw_Icon(LoadIcon): Error detected loading icon resource (ID:5300)\r\rCode 6");
}

TEST_F(MessageBoxTest, WarningBoxShowsAPercentFromAnArgumentLiterally) {
  EXPECT_FALSE(WarningBox(dialog_, Text{1000}, Text{60027}, "%s%d%%.war", 2));
  EXPECT_EQ(OnlyBox().text, "File: %s%d%%.war\r\rError detected opening this disk file\r\rCode 2");
}

TEST_F(MessageBoxTest, WarningBoxCutsAt511Characters) {
  EXPECT_FALSE(WarningBox(dialog_, Text{1000}, Text{60027}, std::string(600, 'w').c_str(), 2));
  EXPECT_EQ(OnlyBox().text, "File: " + std::string(505, 'w'));
}

TEST_F(MessageBoxTest, WarningBoxWithAMissingCaptionShowsOnlyTheLoadersBox) {
  EXPECT_FALSE(WarningBox(dialog_, Text{59999}, Text{3001}, "Z"));
  const headless::ShownBox& box = OnlyBox();
  EXPECT_EQ(box.icon, platform::BoxIcon::Error);
  EXPECT_EQ(box.caption, "Error");
  EXPECT_EQ(box.text, LoaderBoxText(59999));
  EXPECT_EQ(box.owner, nullptr);
}

TEST_F(MessageBoxTest, WarningBoxWithAMissingTextShowsOnlyTheLoadersBox) {
  EXPECT_FALSE(WarningBox(dialog_, Text{1000}, Text{3008}, "Z"));
  EXPECT_EQ(OnlyBox().text, LoaderBoxText(3008));
  EXPECT_EQ(OnlyBox().icon, platform::BoxIcon::Error);
}

TEST_F(MessageBoxTest, ConsecutiveWarningBoxesKeepTheirOwnCaptions) {
  WarningBox(dialog_, Text{60066}, Text{60096});
  WarningBox(dialog_, Text{1000}, Text{60097});
  ASSERT_EQ(headless::Boxes().size(), 2u);
  EXPECT_EQ(headless::Boxes()[0].caption, "Options saved");
  EXPECT_EQ(headless::Boxes()[0].text, "OFF");
  EXPECT_EQ(headless::Boxes()[1].caption, "Kestravane");
  EXPECT_EQ(headless::Boxes()[1].text, "ON");
}

}  // namespace
