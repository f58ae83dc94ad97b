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

// The support library's built-in texts as the player must see them; every
// other ID from 60000 to 60100 has no text.
const std::pair<unsigned, const char*> ExpectedBuiltinTexts[] = {
    {60000, "Ready ..."},
    {60001, "%s(CreateFontIndirect): Cannot create %s %d pt. font\r\rCode %d"},
    {60002, "\rError detected loading application accelerator keys\r\rCode %d"},
    {60003, "\rError detected creating %s window class\r\rCode %d"},
    {60004, "\rError detected opening the %s window\r\rCode %d"},
    {60005, "\rError detected creating child window (ID:%d)\r\rCode %d"},
    {60009, "%s(GetDC): Error detected reading screen device context\r\rCode %d"},
    {60010, "%s(LoadBitmap): Error detected loading specified picture (ID:%u)\r\rCode %d"},
    {60011, "%s(CreateCompatibleDC): Error detected creating compatible device context\r\rCode %d"},
    {60012, "%s(SelectObject): Error detected selecting picture resource (ID:%u)\r\rCode %d"},
    {60013, "%s(GetObject): Error detected loading bitmap object data (ID:%u)\r\rCode %d"},
    {60014, "%s(LoadIcon): Error detected loading icon resource (ID:%u)\r\rCode %d"},
    {60015, "%s(DrawIcon): Error detected drawing icon resource (ID:%u)\r\rCode %d"},
    {60016, "%s(SetMapMode): Error detected setting DC mapping mode\r\rCode %d"},
    {60017, "%s(FindResource): Error detected finding %s resource (ID:%u)\r\rCode %d"},
    {60018, "%s(LoadResource): Error detected loading %s resource (ID:%u)\r\rCode %d"},
    {60019, "%s(LockResource): Error detected locking %s resource (ID:%u)\r\rCode %d"},
    {60026, "File: %s\r\rError detected creating this disk file\r\rCode %d"},
    {60027, "File: %s\r\rError detected opening this disk file\r\rCode %d"},
    {60030, "File: %s\r\rError detected rewinding this disk file\r\rCode %d"},
    {60032, "File: %s\r\rError detected reading header from this disk file\r\rCode %d"},
    {60036, "File: %s\r\rError detected writing header signature to this disk file\r\rCode %d"},
    {60040, "File: %s\r\rError detected flushing buffers for this disk file\r\rCode %d"},
    {60042, "File: %s\r\rError detected closing this disk file\r\rCode %d"},
    {60043, "File: %s\r\rInvalid file header signature detected. This\rdocument was not created by %s"},
    {60066, "Options saved"},
    {60093, "File: %s\r\rError detected reading %s data from disk\rCode %d"},
    {60094, "File: %s\r\rError detected writing %s data to disk\rCode %d"},
    {60096, "OFF"},
    {60097, "ON"},
    {60098, "File: %s\rName: %s\r\rError detected renaming this disk file\rCode %d"},
};

// The game's string table as the player must see it.
const std::pair<unsigned, const char*> ExpectedStringTable[] = {
    {101, "Start a new game"},
    {102, "Load an existing game"},
    {104, "Close the current game"},
    {110, "Save the current game"},
    {133, "Set game difficulty level"},
    {199, "Exit Kestravane"},
    {310, "Display game rules"},
    {311, "Show keyboard shortcuts"},
    {312, "Read mission orders"},
    {350, "Scan along the Z axis"},
    {351, "Scan along the Y axis"},
    {352, "Scan along the X axis"},
    {353, "View the scanner log"},
    {399, "Make Kestravane the topmost window"},
    {410, "Set targeting coordinates"},
    {411, "Fire a missile"},
    {412, "Set helm coordinates"},
    {413, "Engage the engines"},
    {414, "Reverse the engines"},
    {415, "Turn sound F/X on and off"},
    {999, "Show program information and copyright notice"},
    {1000, "Kestravane"},
    {1003, "war"},
    {1004, "Kestravane Game|*.war|All Files|*.*|"},
    {1005, "Open Kestravane Game"},
    {1007, "Save Kestravane Game As"},
    {3000, "Save the current game to disk?"},
    {3001, "\r\rEnter a %s coordinate between 0 and 8."},
    {3002, "\r\rEnter a %s coordinate between 0 and 8."},
    {3003, "\r\rThe difficulty level you have selected\rwill be used for the next new game."},
    {3004, "%d Missiles / %d Fuel Units"},
    {3005, "Missile"},
    {3006, "Fuel"},
    {3007, "File: %s\r\rThis game document was created with Kestravane v%d.%d\rIt can not be used with Kestravane for Windows 95/NT\r\rPlease use Kestravane v1.5 or older to load this file."},
    {5000, "Generating new game grid ..."},
    {5001, "%d Roder ships detected in %d battle groups ..."},
    {5002, "Target coordinates ..."},
    {5003, "Targeting orders canceled ..."},
    {5004, "Targeting coordinates: %d-%d-%d ..."},
    {5005, "Helm coordinates ..."},
    {5006, "Helm orders canceled ..."},
    {5007, "Setting helm coordinates for: %d-%d-%d ..."},
    {5009, "Commander ..."},
    {5010, "%s opened"},
    {5011, "Saving %s ..."},
    {5012, "%s saved"},
    {5013, "Loading %s ..."},
    {5014, "%s loaded"},
    {5015, "Press any key to resume game ..."},
    {5016, "Resuming ..."},
    {5017, "Diagnostics turned %s ..."},
    {5018, "Weapons selected ..."},
    {5019, "Engines selected ..."},
    {5020, "Scanner tracing turned %s ..."},
    {5021, "Increasing %s value ..."},
    {5022, "Decreasing %s value ..."},
    {5023, "%s value set to minimum ..."},
    {5024, "%s value set to maximum ..."},
    {5025, "Engines engaged ..."},
    {5026, "Sector has no enemy ships ..."},
    {5027, "Sector cleared ..."},
    {5028, "Scanners detect %d Roder ship%s ..."},
    {5029, "Missile launched ..."},
    {5030, "Those Vudare are history captain ..."},
    {5031, "Quadrant swept clean ..."},
    {5032, "Enemy ship destroyed in quadrant: %d-%d-%d ..."},
    {5033, "No enemy vessels found in quadrant: %d-%d-%d ..."},
    {5034, "%d Roder Ship%s"},
    {5035, "%d Destroyed"},
    {5036, "%d Remaining"},
    {5037, "%d Ship%s Remain%s"},
    {5038, "%d%% Kill Ratio"},
    {5039, " "},
    {5040, "All missiles have been fired ..."},
    {5041, "The engines are out of fuel ..."},
    {5042, "Nice job captain ..."},
    {5050, "Scanner log opened ..."},
    {5051, "Sector %d ----------------"},
    {5052, "\t%d Roder Ship%s"},
    {5053, "\t%d Destroyed"},
    {5054, "\t%d Remaining"},
    {5055, "\tUnexplored"},
    {5056, "Scanner log closed ..."},
};

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

TEST_F(CatalogueTest, BuiltinTableHoldsTheTextsTheGameShows) {
  for (const auto& [id, expected] : ExpectedBuiltinTexts) {
    const auto [length, text] = Load(id);
    EXPECT_EQ(text, expected) << "ID " << id;
    EXPECT_EQ(length, static_cast<int>(std::strlen(expected))) << "ID " << id;
  }
  EXPECT_TRUE(headless::Boxes().empty());
}

TEST_F(CatalogueTest, OtherIdsOfTheBuiltinRangeAreMissingTexts) {
  std::set<unsigned> kept;
  for (const auto& [id, text] : ExpectedBuiltinTexts) kept.insert(id);
  for (unsigned id = 60000; id <= 60100; ++id) {
    if (kept.contains(id)) continue;
    headless::ForgetShown();
    const auto [length, text] = Load(id);
    EXPECT_EQ(length, 0) << "ID " << id;
    EXPECT_EQ(text, "") << "ID " << id;
    ExpectOnlyLoaderBox(id);
  }
}

TEST_F(CatalogueTest, StringTableHoldsItsEightyThreeTexts) {
  ASSERT_EQ(std::size(ExpectedStringTable), 83u);
  for (const auto& [id, expected] : ExpectedStringTable) {
    const auto [length, text] = Load(id);
    EXPECT_EQ(text, expected) << "ID " << id;
    EXPECT_EQ(length, static_cast<int>(std::strlen(expected))) << "ID " << id;
  }
  EXPECT_TRUE(headless::Boxes().empty());
}

TEST_F(CatalogueTest, StringTableHasNoOtherEntries) {
  std::set<unsigned> expected;
  for (const auto& [id, text] : ExpectedStringTable) expected.insert(id);

  std::set<unsigned> found;
  for (unsigned id = 0; id <= 0x1FFFF; ++id)
    if (platform::LoadStringResource(id, 255)) found.insert(id);
  EXPECT_EQ(found, expected);
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
