#include "support/sound.h"

#include <cstdint>
#include <vector>

#include "platform/resources.h"
#include "support/message_box.h"

namespace kestravane {

bool PlayWave(platform::SoundOutput& output, Sound id, bool boxOnFailure) {
  const unsigned number = Id(id);
  // The platform reports every failed load as a missing resource, so there is
  // no separate box for one that exists but cannot be read.
  const platform::Result<std::vector<std::uint8_t>> image = platform::LoadWaveResource(number);
  if (!image) return boxOnFailure && ErrorBox(Text::ResourceMissing, "PlayWave", "WAVE", number, image.error());
  const platform::Status played = output.Play(*image);
  if (!played) return boxOnFailure && ErrorBox(Text::SoundFailed, "PlayWave", number, played.error());
  return true;
}

void AlertBeep() { platform::SystemBeep(); }

}  // namespace kestravane
