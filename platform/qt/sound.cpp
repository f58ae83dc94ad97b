#include "platform/sound.h"

#include <dlfcn.h>

#include <QApplication>
#include <cerrno>

#include "platform/qt/sound_player.h"

namespace kestravane::platform {

namespace {

template <typename Function>
Function Entry(void* library, const char* name) {
  return reinterpret_cast<Function>(dlsym(library, name));
}

}  // namespace

// The library stays loaded: the audio system it brought in does not unload.
SoundOutput::~SoundOutput() {
  if (!player_) return;
  if (const auto close = Entry<ClosePlayerFunction>(library_, ClosePlayerEntry)) close(player_);
}

// The player is looked for by its name alone, along the library path the
// program was linked with: the build tree's app/ folder for every program
// built there, the game's private library folder beside an installed game
// (see services.cmake). The loader searches the path of the code that calls
// it, so the call is made here, in the program, and not through Qt's loader.
Status SoundOutput::Play(std::span<const std::uint8_t> image) {
  if (!library_) library_ = dlopen(SOUND_PLAYER_NAME, RTLD_NOW | RTLD_LOCAL);
  if (library_ && !player_) {
    if (const auto open = Entry<OpenPlayerFunction>(library_, OpenPlayerEntry)) player_ = open();
  }
  const auto play = library_ ? Entry<PlayWaveFunction>(library_, PlayWaveEntry) : nullptr;
  if (!player_ || !play) return Status::Failure(ELIBACC);
  int error = 0;
  if (!play(player_, image.data(), image.size(), &error)) return Status::Failure(error);
  return Done{};
}

void SystemBeep() { QApplication::beep(); }

}  // namespace kestravane::platform
