#include <gtest/gtest.h>

#include <QTest>
#include <cerrno>
#include <string>

#include "common/modal_driver.h"
#include "common/qt_waits.h"
#include "support/sound.h"

using namespace kestravane;

namespace {

// Plays `sound`, accepting the box it raises; returns what the box said.
std::string BoxOfPlaying(Sound sound, bool& played) {
  QString text;
  AnswerNextModal([&text](QWidget* box) {
    text = BoxText(box);
    QTest::keyClick(box, Qt::Key_Return);
  });
  played = PlayWave(sound);
  return text.toStdString();
}

TEST(GameSound, AMissingSoundIsReportedWithTheFailedCall) {
  bool played = true;
  const std::string text = BoxOfPlaying(Sound{2999}, played);
  EXPECT_FALSE(played);
  EXPECT_EQ(text, "PlayWave(FindResource)\n\nError detected finding WAVE resource (ID:2999)\n\nCode " +
                      std::to_string(ENOENT));
}

TEST(GameSound, ASoundThatCannotBePlayedIsReportedWithThePlayersError) {
  // There is no output device here (see main.cpp).
  bool played = true;
  const std::string text = BoxOfPlaying(Sound::EnginesEngaged, played);
  EXPECT_FALSE(played);
  EXPECT_EQ(text, "PlayWave(sndPlaySound)\n\nCannot play WAVE resource (ID:2001)\nCode " + std::to_string(ENODEV));
}

}  // namespace
