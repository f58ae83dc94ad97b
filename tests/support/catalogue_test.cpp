#include <gtest/gtest.h>

#include <string>

#include "common/headless_test.h"
#include "support/catalogue.h"

using namespace kestravane;

namespace {


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

}  // namespace
