#include "platform/sound.h"

#include <QApplication>
#include <QDir>
#include <QLibrary>
#include <cerrno>

#include "platform/qt/sound_player.h"

namespace platform {
namespace {

// Beside the program when installed; in the build tree for the tests.
SoundPlayerFunction LoadPlayer() {
  static const SoundPlayerFunction player = [] {
    QLibrary library(QDir(QCoreApplication::applicationDirPath()).filePath(SOUND_PLAYER_NAME));
    if (!library.load()) library.setFileName(SOUND_PLAYER_BUILT);
    return reinterpret_cast<SoundPlayerFunction>(library.resolve(SoundPlayerEntry));
  }();
  return player;
}

}  // namespace

Status PlayWaveImage(std::span<const std::uint8_t> image) {
  const SoundPlayerFunction player = LoadPlayer();
  if (!player) return Status::Failure(ELIBACC);
  int error = 0;
  if (!player(image.data(), image.size(), &error)) return Status::Failure(error);
  return Done{};
}

void SystemBeep() { QApplication::beep(); }

}  // namespace platform
