#include <gtest/gtest.h>

#include <string>

#include "common/headless_test.h"
#include "support/catalogue.h"
#include "support/item_text.h"

namespace {

namespace headless = platform::headless;

using CatalogueTest = HeadlessTest;

TEST_F(CatalogueTest, BuiltinAndStringTableTextsComeWholeAndUnformatted) {
  EXPECT_EQ(CatalogueText(Text{60000}), "Ready ...");
  EXPECT_EQ(CatalogueText(Text{60098}), "File: %s\rName: %s\r\rError detected renaming this disk file\rCode %d");
  EXPECT_EQ(CatalogueText(Text{3007}),
            "File: %s\r\rThis game document was created with Kestravane v%d.%d\rIt can not be used with "
            "Kestravane for Windows 95/NT\r\rPlease use Kestravane v1.5 or older to load this file.");
  EXPECT_EQ(CatalogueText(Text{5038}), "%d%% Kill Ratio");
  EXPECT_EQ(CatalogueText(Text{5055}), "\tUnexplored");
  EXPECT_EQ(CatalogueText(Text{5039}), " ") << "a space alone is a text, not a missing one";
  EXPECT_TRUE(ShownBoxes().empty());
}

// 60020 is a gap the built-in table leaves, so it is looked up in the string
// table like any other missing ID.
TEST_F(CatalogueTest, AMissingTextIsNothingAfterTheLoadersErrorBox) {
  EXPECT_EQ(CatalogueText(Text{60020}), std::nullopt);
  const BoxReport& box = OnlyBox();
  EXPECT_EQ(box.icon, BoxIcon::Error);
  EXPECT_EQ(box.caption, "Error");
  EXPECT_EQ(box.text, LoaderBoxText(60020));

  ForgetShown();
  EXPECT_EQ(CatalogueText(Text{4294967295u}), std::nullopt);
  EXPECT_EQ(OnlyBox().text, LoaderBoxText(4294967295u)) << "the ID shows unsigned";
}

// SetItemString and SetItemFormat

class ItemTextTest : public HeadlessTest {
 protected:
  int place_ = 0;
  platform::Window* dialog_ = FakeWindow(place_);
};

TEST_F(ItemTextTest, SetItemStringFormatsTheCatalogueText) {
  SetItemString(dialog_, 1010, MakeMessage(Text{5004}, 1, 2, 3));
  EXPECT_EQ(headless::ItemText(dialog_, 1010), "Targeting coordinates: 1-2-3 ...");
  EXPECT_TRUE(ShownBoxes().empty());
}

TEST_F(ItemTextTest, SetItemStringLeavesTheItemAloneWhenTheTextIsMissing) {
  SetItemString(dialog_, 1010, MakeMessage(Text{60096}));
  SetItemString(dialog_, 1010, MakeMessage(Text{60101}));
  EXPECT_EQ(headless::ItemText(dialog_, 1010), "OFF");
  EXPECT_EQ(OnlyBox().text, LoaderBoxText(60101));
}

TEST_F(ItemTextTest, SetItemStringCutsAt255Characters) {
  const std::string name248(248, 'n');  // "%s opened": 248 + 7 = 255
  SetItemString(dialog_, 1, MakeMessage(Text{5010}, name248.c_str()));
  EXPECT_EQ(headless::ItemText(dialog_, 1), name248 + " opened");

  const std::string name249(249, 'n');
  SetItemString(dialog_, 2, MakeMessage(Text{5010}, name249.c_str()));
  EXPECT_EQ(headless::ItemText(dialog_, 2), name249 + " opene");
}

TEST_F(ItemTextTest, SetItemFormatFormatsTheLiteralTextUpTo255Characters) {
  SetItemFormat(dialog_, 1201, "%s-%u-%d", "Z", 8u, -7);
  EXPECT_EQ(headless::ItemText(dialog_, 1201), "Z-8--7");
  SetItemFormat(dialog_, 1, "%s", std::string(255, 'a').c_str());
  EXPECT_EQ(headless::ItemText(dialog_, 1), std::string(255, 'a'));
  SetItemFormat(dialog_, 2, "%s!", std::string(255, 'b').c_str());
  EXPECT_EQ(headless::ItemText(dialog_, 2), std::string(255, 'b'));
}

}  // namespace
