#include <gtest/gtest.h>

#include <string>

#include "common/headless_test.h"
#include "support/message_box.h"

using namespace kestravane;

namespace {


class MessageBoxTest : public HeadlessTest {};

// ErrorBox

TEST_F(MessageBoxTest, ErrorBoxShowsTheFormattedCatalogueTextInAnErrorBox) {
  EXPECT_FALSE(ErrorBox(Text{60027}, "Davuvodo.war", 13));
  const BoxReport& box = OnlyBox();
  EXPECT_EQ(box.icon, BoxIcon::Error);
  EXPECT_EQ(box.caption, "Error");
  EXPECT_EQ(box.text, "File: Davuvodo.war\r\rError detected opening this disk file\r\rCode 13");
}

TEST_F(MessageBoxTest, ErrorBoxBreaksTheLineAfterTheFailedCall) {
  EXPECT_FALSE(ErrorBox(Text{60010}, "DrawPicture", 5003u, 1814));
  EXPECT_EQ(OnlyBox().text,
            "DrawPicture(LoadBitmap)\r\rError detected loading specified picture (ID:5003)\r\r"
            "Code 1814");
}

TEST_F(MessageBoxTest, ErrorBoxShowsAPercentInAFileNameLiterally) {
  EXPECT_FALSE(ErrorBox(Text{60027}, "C:\\games\\100%d%s%%%n.war", 2));
  EXPECT_EQ(OnlyBox().text,
            "File: C:\\games\\100%d%s%%%n.war\r\rError detected opening this disk file\r\rCode 2");
}

TEST_F(MessageBoxTest, ErrorBoxForAMissingTextShowsOnlyTheLoadersBox) {
  EXPECT_FALSE(ErrorBox(Text{60101}, "ignored", 1));
  EXPECT_EQ(OnlyBox().text, LoaderBoxText(60101));
}

TEST_F(MessageBoxTest, ErrorBoxCutsTheFormattedTextAt511Characters) {
  // "File: %s\r\rError detected opening this disk file\r\rCode %d": 6 characters
  // before the name, 47 after it with a one-digit code.
  const std::string after = "\r\rError detected opening this disk file\r\rCode 2";
  EXPECT_FALSE(ErrorBox(Text{60027}, std::string(458, 'f').c_str(), 2));  // 6 + 458 + 47 = 511
  EXPECT_EQ(OnlyBox().text, "File: " + std::string(458, 'f') + after);

  ForgetShown();
  EXPECT_FALSE(ErrorBox(Text{60027}, std::string(459, 'f').c_str(), 2));
  EXPECT_EQ(OnlyBox().text, "File: " + std::string(459, 'f') + after.substr(0, 46));
}

// ErrorBoxText

TEST_F(MessageBoxTest, ErrorBoxTextShowsTheFormattedText) {
  EXPECT_FALSE(ErrorBoxText("%s failed: %d of %u", "Load", -3, 7u));
  const BoxReport& box = OnlyBox();
  EXPECT_EQ(box.icon, BoxIcon::Error);
  EXPECT_EQ(box.caption, "Error");
  EXPECT_EQ(box.text, "Load failed: -3 of 7");
}

// "Routine(Call): description" shows the description after an empty line:
// only the first "): " breaks, wherever it is, once the text is formatted
// and cut to its bound.
TEST_F(MessageBoxTest, TheLineBreaksAtTheFirstParenthesisColonSpaceOnly) {
  const struct {
    const char* format;
    std::string argument;
    std::string shown;
  } cases[] = {
      {"%s", "InitVEZU(GetDC): first PlayWave(FindResource): second): third",
       "InitVEZU(GetDC)\r\rfirst PlayWave(FindResource): second): third"},
      {"%s", "): x", ")\r\rx"},
      {"%s", "x): ", "x)\r\r"},
      {"%s", "Call():x", "Call():x"},
      {"%s", "Call() : x", "Call() : x"},
      {"%s", "Ends with ):", "Ends with ):"},
      // ")" and ":" are characters 510 and 511; the space falls beyond the bound.
      {"%s): tail", std::string(509, 'a'), std::string(509, 'a') + "):"},
      {"%s): tail", std::string(508, 'a'), std::string(508, 'a') + ")\r\r"},
  };
  for (const auto& [format, argument, shown] : cases) {
    ForgetShown();
    EXPECT_FALSE(ErrorBoxText(format, argument.c_str()));
    EXPECT_EQ(OnlyBox().text, shown) << argument;
  }
}

// WarningBox

TEST_F(MessageBoxTest, WarningBoxTakesItsCaptionFromTheCatalogue) {
  EXPECT_FALSE(WarningBox(nullptr, Text{1000}, Text{3001}, "Z"));
  const BoxReport& box = OnlyBox();
  EXPECT_EQ(box.icon, BoxIcon::Warning);
  EXPECT_EQ(box.caption, "Kestravane");
  EXPECT_EQ(box.text, "\r\rEnter a Z coordinate between 0 and 8.");
}

TEST_F(MessageBoxTest, WarningBoxHasNoLineBreakRule) {
  EXPECT_FALSE(WarningBox(nullptr, Text{1000}, Text{60014}, "Draw_Icon", 5300u, 6));
  EXPECT_EQ(OnlyBox().text,
            "Draw_Icon(LoadIcon): Error detected loading icon resource (ID:5300)\r\rCode 6");
}

TEST_F(MessageBoxTest, WarningBoxCutsAt511Characters) {
  EXPECT_FALSE(WarningBox(nullptr, Text{1000}, Text{60027}, std::string(600, 'w').c_str(), 2));
  EXPECT_EQ(OnlyBox().text, "File: " + std::string(505, 'w'));
}

TEST_F(MessageBoxTest, WarningBoxWithAMissingCaptionShowsOnlyTheLoadersBox) {
  EXPECT_FALSE(WarningBox(nullptr, Text{59999}, Text{3001}, "Z"));
  const BoxReport& box = OnlyBox();
  EXPECT_EQ(box.icon, BoxIcon::Error);
  EXPECT_EQ(box.text, LoaderBoxText(59999));
}

TEST_F(MessageBoxTest, WarningBoxWithAMissingTextShowsOnlyTheLoadersBox) {
  EXPECT_FALSE(WarningBox(nullptr, Text{1000}, Text{3008}, "Z"));
  EXPECT_EQ(OnlyBox().text, LoaderBoxText(3008));
}

TEST_F(MessageBoxTest, ConsecutiveWarningBoxesKeepTheirOwnCaptions) {
  WarningBox(nullptr, Text{5009}, Text{60096});
  WarningBox(nullptr, Text{1000}, Text{60097});
  ASSERT_EQ(ShownBoxes().size(), 2u);
  EXPECT_EQ(ShownBoxes()[0].caption, "Commander ...");
  EXPECT_EQ(ShownBoxes()[0].text, "OFF");
  EXPECT_EQ(ShownBoxes()[1].caption, "Kestravane");
  EXPECT_EQ(ShownBoxes()[1].text, "ON");
}

}  // namespace
