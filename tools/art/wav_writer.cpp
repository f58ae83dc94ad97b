#include "wav_writer.h"

#include "little_endian.h"

namespace kestravane::art {

std::vector<std::uint8_t> EncodeWave(const std::vector<std::int16_t>& samples) {
  constexpr unsigned Channels = 1;
  constexpr unsigned BitsPerSample = 16;
  constexpr unsigned BlockAlign = Channels * BitsPerSample / 8;
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * BlockAlign);

  std::vector<std::uint8_t> out;
  PutTag(out, "RIFF");
  PutU32(out, 4 + (8 + 16) + (8 + dataBytes));
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  PutU32(out, 16);
  PutU16(out, 1);  // PCM
  PutU16(out, Channels);
  PutU32(out, SampleRate);
  PutU32(out, SampleRate * BlockAlign);
  PutU16(out, BlockAlign);
  PutU16(out, BitsPerSample);
  PutTag(out, "data");
  PutU32(out, dataBytes);
  for (const std::int16_t sample : samples) PutU16(out, static_cast<std::uint16_t>(sample));
  return out;
}

}  // namespace kestravane::art
