#include "platform/sound.h"

#include <dlfcn.h>

#include <QApplication>
#include <cerrno>

#include "platform/qt/sound_player.h"

namespace kestravane::platform {
namespace {

// The player is looked for by its name alone, along the library path the
// program was linked with: the build tree's app/ folder for every program
// built there, the game's private library folder beside an installed game
// (see services.cmake). The loader searches the path of the code that calls
// it, so the call is made here, in the program, and not through Qt's loader.
SoundPlayerFunction LoadPlayer() {
  static const SoundPlayerFunction player = []() -> SoundPlayerFunction {
    void* library = dlopen(SOUND_PLAYER_NAME, RTLD_NOW | RTLD_LOCAL);
    if (!library) return nullptr;
    return reinterpret_cast<SoundPlayerFunction>(dlsym(library, SoundPlayerEntry));
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

}  // namespace kestravane::platform
