#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

#include "common/temporary_directory.h"
#include "support/catalogue.h"
#include "support/message_box.h"
#include "support/sound.h"

using namespace kestravane;

namespace {

// What the box says when catalogue text `id` cannot be loaded.
std::string Unloadable(const std::string& id) {
  return "GetString(LoadString)\n\nCannot load string resource (ID:" + id + ")\n\nCode " + std::to_string(ENOENT) + "\n";
}

std::string TextOrNone(Text id) { return CatalogueText(id).value_or("<none>"); }

// Without a window system each box is written on standard error, its
// carriage returns as line breaks. Only the first "): " breaks a line, and
// only in error boxes, after formatting and the 511-character bound.
TEST(Boxes, SayTheFormattedCatalogueTextCutAt511Characters) {
  const std::string after = "\n\nError detected opening this disk file\n\nCode 2\n";
  const std::string a509(509, 'a'), a508(508, 'a'), f458(458, 'f'), f459(459, 'f');
  const struct {
    std::function<bool()> show;
    std::string said;
  } boxes[] = {
      {[] { return ErrorBox(Text{60027}, "Davuvodo.war", 13); },
       "File: Davuvodo.war\n\nError detected opening this disk file\n\nCode 13\n"},
      {[] { return ErrorBox(Text{60010}, "DrawPicture", 5003u, 1814); },
       "DrawPicture(LoadBitmap)\n\nError detected loading specified picture (ID:5003)\n\nCode 1814\n"},
      {[] { return ErrorBox(Text{60027}, "C:\\games\\100%d%s%%%n.war", 2); }, "File: C:\\games\\100%d%s%%%n.war" + after},
      {[&] { return ErrorBox(Text{60027}, f458.c_str(), 2); }, "File: " + f458 + after},
      {[&] { return ErrorBox(Text{60027}, f459.c_str(), 2); }, "File: " + f459 + after.substr(0, 46) + "\n"},
      {[] { return ErrorBox(Text{60101}, "ignored", 1); }, Unloadable("60101")},
      {[] { return ErrorBoxText("%s failed: %d of %u", "Load", -3, 7u); }, "Load failed: -3 of 7\n"},
      {[] { return ErrorBoxText("%s", "A(B): c D(E): f): g"); }, "A(B)\n\nc D(E): f): g\n"},
      {[] { return ErrorBoxText("%s", "): x"); }, ")\n\nx\n"},
      {[] { return ErrorBoxText("%s", "Call() : x Call():x Ends with ):"); }, "Call() : x Call():x Ends with ):\n"},
      {[&] { return ErrorBoxText("%s): tail", a509.c_str()); }, a509 + "):\n"},
      {[&] { return ErrorBoxText("%s): tail", a508.c_str()); }, a508 + ")\n\n\n"},
      {[] { return WarningBox(nullptr, Text{1000}, Text{3001}, "Z"); }, "\n\nEnter a Z coordinate between 0 and 8.\n"},
      {[] { return WarningBox(nullptr, Text{1000}, Text{60014}, "Draw_Icon", 5300u, 6); },
       "Draw_Icon(LoadIcon): Error detected loading icon resource (ID:5300)\n\nCode 6\n"},
      {[] { return WarningBox(nullptr, Text{1000}, Text{60027}, std::string(600, 'w').c_str(), 2); },
       "File: " + std::string(505, 'w') + "\n"},
      {[] { return WarningBox(nullptr, Text{59999}, Text{3001}, "Z"); }, Unloadable("59999")},
      {[] { return WarningBox(nullptr, Text{1000}, Text{3008}, "Z"); }, Unloadable("3008")},
      {[] { return PlayWave(Sound{2999}, true); },
       "PlayWave(FindResource)\n\nError detected finding WAVE resource (ID:2999)\n\nCode 2\n"},
      // Catalogue texts come whole, placeholders unfilled; a space alone is a text.
      {[] { return ErrorBoxText("%s|%s|%s", TextOrNone(Text{60000}), TextOrNone(Text{5038}), TextOrNone(Text{5039})); },
       "Ready ...|%d%% Kill Ratio| \n"},
      {[] { return ErrorBoxText("%s", TextOrNone(Text{60098})); },
       "File: %s\nName: %s\n\nError detected renaming this disk file\nCode %d\n"},
      {[] { return CatalogueText(Text{60020}).has_value() || CatalogueText(Text{4294967295u}).has_value(); },
       Unloadable("60020") + Unloadable("4294967295")},
  };
  for (const auto& box : boxes) {
    testing::internal::CaptureStderr();
    EXPECT_FALSE(box.show());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), box.said);
  }
}

TEST(Boxes, ASoundThatCannotBePlayedSaysThePlayersError) {
  const TemporaryDirectory nowhere;
  setenv("PULSE_SERVER", ("unix:" + nowhere.File("no-server")).c_str(), 1);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(PlayWave(Sound::EnginesEngaged, true));
  // The sound system may say why before the box does.
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(said.ends_with("PlayWave(sndPlaySound)\n\nCannot play WAVE resource (ID:2001)\nCode " +
                             std::to_string(ENODEV) + "\n"))
      << said;
}

}  // namespace
