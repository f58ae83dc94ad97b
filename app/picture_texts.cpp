#include "app/picture_texts.h"

namespace kestravane {

namespace {

// The pages' words, in reading order, as the art generator draws them.
constexpr const char* TitleText =
    "Kestravane. A space war game. Version 2.2. Twenty Roder battle groups hide in a cube of 9 x 9 x 9 "
    "quadrants. Find them and destroy them all. Copyright \u00A9 1997 Kestravane Works. All rights reserved. "
    "Free to copy and share, but not to sell. Choose New from the Game menu to begin.";
constexpr const char* RulesText =
    "Kestravane. Game rules. Roder battle groups are always three ships in a line, in three neighbouring "
    "quadrants: horizontal, along X; vertical, along Y; head on, along Z. Attack: select the target "
    "coordinates with the mouse, then press the space bar to fire.";
constexpr const char* KeysText =
    "Kestravane. Keyboard shortcuts. Weapons: A, Aim dialog; F, Fire missile. Engines: H, Helm coordinates; "
    "E, Engage engines; R, Reverse engines. Scanner: X, X axis scan; Y, Y axis scan; Z, Z axis scan.";
constexpr const char* MissionText =
    "Kestravane. Mission orders. Situation: an enemy task force of 20 Roder battle groups has invaded the "
    "galaxy. Each group of three ships lies hidden somewhere in the cube of 9 x 9 x 9 quadrants. Orders: "
    "seek out and destroy the invaders. Make every missile count. Good hunting, Commander. Fleet Command";
constexpr const char* VictoryText =
    "Kestravane. Victory. Congratulations, Commander! You have destroyed the entire Roder invasion force. "
    "The galaxy is safe once more.";
constexpr const char* DefeatText =
    "Kestravane. Defeat. Enemy invaders remain! Your ship can fight no more. The Vudare are sending coded "
    "messages to their home world, and the next wave is on its way.";

const char* PageText(ScannerPicture picture) {
  switch (picture) {
    case ScannerPicture::Rules: return RulesText;
    case ScannerPicture::Keys: return KeysText;
    case ScannerPicture::Mission: return MissionText;
    case ScannerPicture::Victory: return VictoryText;
    case ScannerPicture::Defeat: return DefeatText;
    case ScannerPicture::None: break;
  }
  return TitleText;
}

}  // namespace

QString PictureText(const Session& session) {
  if (session.InProgress && session.Picture == ScannerPicture::None) return {};
  return QString::fromUtf8(PageText(session.Picture));
}

}  // namespace kestravane
