#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

#include "common/temporary_directory.h"
#include "support/catalogue.h"
#include "support/language.h"
#include "support/text_catalogue.h"
#include "support/message_box.h"
#include "support/sound.h"

using namespace kestravane;

// Without a window system each box is written on standard error, lines broken. Only the first "): " breaks a line, and
// only in error boxes, after formatting and the 511-character bound; a value is never read as a placeholder.
TEST(Boxes, SayTheFormattedCatalogueTextCutAt511CharactersAndTheSoundPlayersError) {
  const std::string after = "\n\nError detected opening this disk file\n\nCode 2\n";
  const std::string a500(500, 'a'), a499(499, 'a'), f458(458, 'f'), e2 = "\u00E9\u00E9";
  const std::pair<std::function<bool()>, std::string> boxes[] = {
      {[] { return ErrorBox(Text::OpenFailed, "C:\\games\\100%d%s%%%n%1%2.war", 2); },
       "File: C:\\games\\100%d%s%%%n%1%2.war" + after},
      {[&] { return ErrorBox(Text::OpenFailed, f458, 2); }, "File: " + f458 + after},
      {[&] { return ErrorBox(Text::OpenFailed, e2 + f458, 2); }, "File: " + e2 + f458 + after.substr(0, 45) + "\n"},
      {[] { return ErrorBox(Text::ResourceMissing, "A(B): c", "WAVE", 7u, 1); },
       "A(B)\n\nc(FindResource): Error detected finding WAVE resource (ID:7)\n\nCode 1\n"},
      {[&] { return ErrorBox(Text::IconFailed, a500, 1u, 1); }, a500 + "(LoadIcon):\n"},
      {[&] { return ErrorBox(Text::IconFailed, a499, 1u, 1); }, a499 + "(LoadIcon)\n\n\n"},
      {[] { return WarningBox(nullptr, Text::IconFailed, "Draw_Icon", 5300u, 6); },
       "Draw_Icon(LoadIcon): Error detected loading icon resource (ID:5300)\n\nCode 6\n"},
      {[] { return WarningBox(nullptr, Text::OpenFailed, std::string(600, 'w'), 2); },
       "File: " + std::string(505, 'w') + "\n"},
      {[] {
         platform::SoundOutput output;
         return PlayWave(output, Sound{2999}, true);
       },
       "PlayWave(FindResource)\n\nError detected finding WAVE resource (ID:2999)\n\nCode 2\n"},
  };
  for (const auto& [show, said] : boxes) {
    testing::internal::CaptureStderr();
    EXPECT_FALSE(show());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), said);
  }
  const TemporaryDirectory nowhere;
  setenv("PULSE_SERVER", ("unix:" + nowhere.File("no-server")).c_str(), 1);
  testing::internal::CaptureStderr();
  platform::SoundOutput output;
  EXPECT_FALSE(PlayWave(output, Sound::EnginesEngaged, true));
  // The sound system may say why before the box does.
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(said.ends_with("PlayWave(sndPlaySound)\n\nCannot play WAVE resource (ID:2001)\nCode " +
                             std::to_string(ENODEV) + "\n"))
      << said;
}

// A text that counts takes the language's word for one or for many: Polish has one form for one, one for 2 to 4
// (22 to 24, but not 12 to 14) and one for the rest. English is back once the language goes.
TEST(Catalogue, CountsByTheRuleOfThePlayersLanguage) {
  const auto ships = [](int count) { return Tr(MakeMessage(Text::ShipsInSector, count)).toStdString(); };
  {
    const Language polish{QLocale(QLocale::Polish, QLocale::Poland)};
    for (const auto& [count, polishShips] : {std::pair{1, "1 statek"}, {2, "2 statki"}, {5, "5 statków"},
                                             {12, "12 statków"}, {22, "22 statki"}, {0, "0 statków"}})
      EXPECT_EQ(ships(count), "Skanery wykrywają " + std::string(polishShips) + " Roderów ...");
  }
  for (const auto& [count, english] :
       {std::pair{1, "Scanners detect 1 Roder ship ..."}, {0, "Scanners detect 0 Roder ships ..."}}) {
    EXPECT_EQ(EnglishText(MakeMessage(Text::ShipsInSector, count), LineTextLimit), english);
    EXPECT_EQ(ships(count), english);
  }
}
