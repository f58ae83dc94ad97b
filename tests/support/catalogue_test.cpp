#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <set>
#include <string>
#include <utility>

#include "platform/headless/headless.h"
#include "platform/string_table.h"
#include "support/box_template.h"
#include "support/catalogue.h"
#include "support/item_text.h"
#include "support/message_box.h"

namespace {

namespace headless = platform::headless;

std::string LoaderBoxText(unsigned id) {
  return "GetString(LoadString)\r\rCannot load string resource (ID:" + std::to_string(id) +
         ")\r\rCode " + std::to_string(ENOENT);
}

// Any distinct pointers do as windows: the headless platform only compares them.
platform::Window* FakeWindow(int& place) { return reinterpret_cast<platform::Window*>(&place); }

class CatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::MuteBoxes(true);
    headless::ForgetShown();
  }
  void TearDown() override { headless::ForgetShown(); }

  // The text's length and the text, or 0 and nothing.
  static std::pair<int, std::string> Load(unsigned id) {
    const std::optional<std::string> text = CatalogueText(Text{id});
    return {text ? static_cast<int>(text->size()) : 0, text.value_or("")};
  }

  void ExpectOnlyLoaderBox(unsigned id) {
    ASSERT_EQ(headless::Boxes().size(), 1u);
    const headless::ShownBox& box = headless::Boxes()[0];
    EXPECT_EQ(box.icon, platform::BoxIcon::Error);
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.text, LoaderBoxText(id));
  }
};

TEST_F(CatalogueTest, BuiltinAndStringTableTextsComeWhole) {
  EXPECT_EQ(Load(60098).second, "File: %s\rName: %s\r\rError detected renaming this disk file\rCode %d");
  EXPECT_EQ(Load(3007).second,
            "File: %s\r\rThis game document was created with Kestravane v%d.%d\rIt can not be used with "
            "Kestravane for Windows 95/NT\r\rPlease use Kestravane v1.5 or older to load this file.");
  EXPECT_TRUE(headless::Boxes().empty());
}

TEST_F(CatalogueTest, AnIdTheBuiltinTableDropsIsAMissingText) {
  const auto [length, text] = Load(60020);
  EXPECT_EQ(length, 0);
  EXPECT_EQ(text, "");
  ExpectOnlyLoaderBox(60020);
}

TEST_F(CatalogueTest, BuiltinRangeStartsAtSixtyThousand) {
  EXPECT_EQ(Load(60000), std::make_pair(9, std::string("Ready ...")));
  EXPECT_TRUE(headless::Boxes().empty());
}

TEST_F(CatalogueTest, IdJustBelowTheBuiltinRangeIsLookedUpInTheStringTable) {
  const auto [length, text] = Load(59999);
  EXPECT_EQ(length, 0);
  EXPECT_EQ(text, "");
  ExpectOnlyLoaderBox(59999);
}

TEST_F(CatalogueTest, IdJustAboveTheBuiltinRangeIsLookedUpInTheStringTable) {
  const auto [length, text] = Load(60101);
  EXPECT_EQ(length, 0);
  EXPECT_EQ(text, "");
  ExpectOnlyLoaderBox(60101);
}

TEST_F(CatalogueTest, LoaderBoxShowsTheIdUnsignedAndTheErrorCode) {
  EXPECT_EQ(Load(0).first, 0);
  EXPECT_EQ(Load(4294967295u).first, 0);
  ASSERT_EQ(headless::Boxes().size(), 2u);
  EXPECT_EQ(headless::Boxes()[0].text, LoaderBoxText(0));
  EXPECT_EQ(headless::Boxes()[1].text,
            "GetString(LoadString)\r\rCannot load string resource (ID:4294967295)\r\rCode " +
                std::to_string(ENOENT));
}

TEST_F(CatalogueTest, LoaderBoxIsAnErrorBoxOfTheMainWindowWithTheBoxLayout) {
  EXPECT_EQ(Load(2).first, 0);
  ASSERT_EQ(headless::Boxes().size(), 1u);
  EXPECT_EQ(headless::Boxes()[0].owner, platform::MainWindow()) << "none without a screen";
  EXPECT_EQ(headless::Boxes()[0].layout, &OkBoxLayout);
}

TEST_F(CatalogueTest, TextsComeBackUnformatted) {
  EXPECT_EQ(Load(5038).second, "%d%% Kill Ratio");
  EXPECT_EQ(Load(60005).second, "\rError detected creating child window (ID:%d)\r\rCode %d");
  EXPECT_EQ(Load(5055).second, "\tUnexplored");
}

TEST_F(CatalogueTest, ASpaceOnlyStringTableEntryIsNotEmpty) {
  EXPECT_EQ(Load(5039), std::make_pair(1, std::string(" ")));
  EXPECT_TRUE(headless::Boxes().empty());
}

// SetItemString and SetItemFormat

class ItemTextTest : public CatalogueTest {
 protected:
  int place_ = 0;
  platform::Window* dialog_ = FakeWindow(place_);
};

TEST_F(ItemTextTest, SetItemStringFormatsTheCatalogueText) {
  SetItemString(dialog_, 1010, MakeMessage(Text{5004}, 1, 2, 3));
  EXPECT_EQ(headless::ItemText(dialog_, 1010), "Targeting coordinates: 1-2-3 ...");
  SetItemString(dialog_, 1011, MakeMessage(Text{60097}));
  EXPECT_EQ(headless::ItemText(dialog_, 1011), "ON");
  EXPECT_TRUE(headless::Boxes().empty());
}

TEST_F(ItemTextTest, SetItemStringLeavesTheItemAloneWhenTheTextIsMissing) {
  SetItemString(dialog_, 1010, MakeMessage(Text{60096}));
  SetItemString(dialog_, 1010, MakeMessage(Text{60101}));
  EXPECT_EQ(headless::ItemText(dialog_, 1010), "OFF");
  SetItemString(dialog_, 1012, MakeMessage(Text{4}));
  EXPECT_EQ(headless::ItemText(dialog_, 1012), std::nullopt);
  ASSERT_EQ(headless::Boxes().size(), 2u);
  EXPECT_EQ(headless::Boxes()[0].text, LoaderBoxText(60101));
  EXPECT_EQ(headless::Boxes()[1].text, LoaderBoxText(4));
}

TEST_F(ItemTextTest, SetItemStringShowsAPercentFromAnArgumentLiterally) {
  SetItemString(dialog_, 7, MakeMessage(Text{5010}, "100%d%s.war"));
  EXPECT_EQ(headless::ItemText(dialog_, 7), "100%d%s.war opened");
}

TEST_F(ItemTextTest, SetItemStringCutsAt255Characters) {
  const std::string name248(248, 'n');  // "%s opened": 248 + 7 = 255
  SetItemString(dialog_, 1, MakeMessage(Text{5010}, name248.c_str()));
  EXPECT_EQ(headless::ItemText(dialog_, 1), name248 + " opened");

  const std::string name249(249, 'n');
  SetItemString(dialog_, 2, MakeMessage(Text{5010}, name249.c_str()));
  EXPECT_EQ(headless::ItemText(dialog_, 2), name249 + " opene");

  const std::string name400(400, 'n');
  SetItemString(dialog_, 3, MakeMessage(Text{5010}, name400.c_str()));
  EXPECT_EQ(headless::ItemText(dialog_, 3), std::string(255, 'n'));
}

TEST_F(ItemTextTest, SetItemFormatFormatsTheLiteralText) {
  SetItemFormat(dialog_, 1201, "%d", 7);
  SetItemFormat(dialog_, 1202, "%s-%u", "Z", 8u);
  EXPECT_EQ(headless::ItemText(dialog_, 1201), "7");
  EXPECT_EQ(headless::ItemText(dialog_, 1202), "Z-8");
  SetItemFormat(dialog_, 1201, "%s", "");
  EXPECT_EQ(headless::ItemText(dialog_, 1201), "");
}

TEST_F(ItemTextTest, SetItemFormatCutsAt255Characters) {
  SetItemFormat(dialog_, 1, "%s", std::string(255, 'a').c_str());
  EXPECT_EQ(headless::ItemText(dialog_, 1), std::string(255, 'a'));
  SetItemFormat(dialog_, 2, "%s!", std::string(255, 'b').c_str());
  EXPECT_EQ(headless::ItemText(dialog_, 2), std::string(255, 'b'));
  SetItemFormat(dialog_, 3, "%s", std::string(1000, 'c').c_str());
  EXPECT_EQ(headless::ItemText(dialog_, 3), std::string(255, 'c'));
}

TEST_F(ItemTextTest, ItemsAreKeptPerDialogAndPerItem) {
  int otherPlace = 0;
  platform::Window* other = FakeWindow(otherPlace);
  SetItemFormat(dialog_, 1, "first");
  SetItemFormat(other, 1, "second");
  SetItemFormat(dialog_, 2, "third");
  EXPECT_EQ(headless::ItemText(dialog_, 1), "first");
  EXPECT_EQ(headless::ItemText(other, 1), "second");
  EXPECT_EQ(headless::ItemText(dialog_, 2), "third");
  EXPECT_EQ(headless::ItemText(other, 2), std::nullopt);
}

}  // namespace
