#include <gtest/gtest.h>

#include <cstdlib>

#include "common/file_fields.h"
#include "platform/resources.h"

namespace {

struct WaveFormat {
  unsigned format = 0;
  unsigned channels = 0;
  std::uint32_t rate = 0;
  std::uint32_t byteRate = 0;
  unsigned blockAlign = 0;
  unsigned bits = 0;
  std::size_t dataAt = 0;
  std::uint32_t dataBytes = 0;
};

// Walks the chunks of a RIFF wave image; false when it is not one.
bool ParseWave(const std::vector<std::uint8_t>& bytes, WaveFormat& wave) {
  if (FieldTag(bytes, 0) != "RIFF" || FieldTag(bytes, 8) != "WAVE") return false;
  if (FieldU32(bytes, 4) + 8u != bytes.size()) return false;
  bool haveFormat = false;
  for (std::size_t at = 12; at + 8 <= bytes.size();) {
    const std::string tag = FieldTag(bytes, at);
    const std::uint32_t size = FieldU32(bytes, at + 4);
    if (at + 8 + size > bytes.size()) return false;
    if (tag == "fmt " && size >= 16) {
      wave.format = FieldU16(bytes, at + 8);
      wave.channels = FieldU16(bytes, at + 10);
      wave.rate = FieldU32(bytes, at + 12);
      wave.byteRate = FieldU32(bytes, at + 16);
      wave.blockAlign = FieldU16(bytes, at + 20);
      wave.bits = FieldU16(bytes, at + 22);
      haveFormat = true;
    } else if (tag == "data") {
      wave.dataAt = at + 8;
      wave.dataBytes = size;
      return haveFormat;
    }
    at += 8 + size + (size & 1);
  }
  return false;
}

TEST(WaveResources, EverySoundIsShortAudiblePcm) {
  std::vector<std::vector<std::uint8_t>> sounds;
  for (unsigned id = 2000; id <= 2003; ++id) {
    const platform::Result<std::vector<std::uint8_t>> loaded = platform::LoadWaveResource(id);
    ASSERT_TRUE(loaded) << "wave " << id << " error " << loaded.error();
    const std::vector<std::uint8_t>& bytes = *loaded;
    WaveFormat wave;
    ASSERT_TRUE(ParseWave(bytes, wave)) << "wave " << id << " is not a RIFF wave image";
    EXPECT_EQ(wave.format, 1u) << id << ": not PCM";
    ASSERT_TRUE(wave.channels == 1 || wave.channels == 2) << id;
    ASSERT_TRUE(wave.bits == 8 || wave.bits == 16) << id;
    ASSERT_GE(wave.rate, 8000u) << id;
    EXPECT_EQ(wave.blockAlign, wave.channels * wave.bits / 8) << id;
    EXPECT_EQ(wave.byteRate, wave.rate * wave.blockAlign) << id;
    ASSERT_EQ(wave.dataBytes % wave.blockAlign, 0u) << id;

    const double seconds = static_cast<double>(wave.dataBytes) / wave.byteRate;
    EXPECT_LT(seconds, 2.0) << id;
    EXPECT_GT(seconds, 0.1) << id;

    // Loud enough to hear: the peak reaches at least a quarter of full scale.
    int peak = 0;
    const std::size_t sampleBytes = wave.bits / 8;
    for (std::size_t at = wave.dataAt; at + sampleBytes <= wave.dataAt + wave.dataBytes; at += sampleBytes) {
      const int sample = wave.bits == 16 ? static_cast<std::int16_t>(FieldU16(bytes, at))
                                         : static_cast<int>(FieldU8(bytes, at)) - 128;
      peak = std::max(peak, std::abs(sample));
    }
    EXPECT_GE(peak, (wave.bits == 16 ? 32768 : 128) / 4) << id << " is nearly silent";
    sounds.push_back(bytes);
  }
  for (std::size_t a = 0; a < sounds.size(); ++a) {
    for (std::size_t b = a + 1; b < sounds.size(); ++b) {
      EXPECT_NE(sounds[a], sounds[b]) << "waves " << 2000 + a << " and " << 2000 + b << " are the same";
    }
  }
}

}  // namespace
