#include "support/sound.h"

#include <cstdint>
#include <vector>

#include "platform/resources.h"
#include "platform/sound.h"
#include "support/message_box.h"

bool PlayWave(Sound id) {
  const unsigned number = Id(id);
  int error = 0;
  // The platform reports every failed load as a missing resource, so there is
  // no separate box for one that exists but cannot be read.
  const std::vector<std::uint8_t> image = platform::LoadWaveResource(number, error);
  if (image.empty()) return ErrorBox(Text::ResourceMissing, "PlayWave", "WAVE", number, error);
  if (!platform::PlayWaveImage(image, error))
    return ErrorBoxText("%s(sndPlaySound): Cannot play WAVE resource (ID:%u)\rCode %d", "PlayWave", number, error);
  return true;
}

void AlertBeep() { platform::SystemBeep(); }
