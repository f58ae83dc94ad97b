#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "platform/qt/wave_image.h"
#include "platform/resources.h"

using namespace kestravane;

namespace {

// Taken apart by the sound player's own reader, whose tests pin down the
// sample layout; this checks what the sounds hold.
TEST(WaveResources, EverySoundIsShortAudibleAndItsOwn) {
  std::vector<QByteArray> sounds;
  for (unsigned id = 2000; id <= 2003; ++id) {
    const platform::Result<std::vector<std::uint8_t>> loaded = platform::LoadWaveResource(id);
    ASSERT_TRUE(loaded) << "wave " << id << " error " << loaded.error();
    const std::optional<platform::WaveImage> wave = platform::ParseWaveImage(*loaded);
    ASSERT_TRUE(wave) << "wave " << id << " is not a wave image the player takes";
    ASSERT_EQ(wave->format.sampleFormat(), QAudioFormat::Int16) << id;

    const double seconds = wave->format.durationForBytes(wave->samples.size()) / 1e6;
    EXPECT_LT(seconds, 2.0) << id;
    EXPECT_GT(seconds, 0.1) << id;

    // Loud enough to hear: the peak reaches at least a quarter of full scale.
    const auto* samples = reinterpret_cast<const std::int16_t*>(wave->samples.constData());
    int peak = 0;
    for (qsizetype i = 0; i < wave->samples.size() / 2; ++i)
      peak = std::max(peak, std::abs(int{samples[i]}));
    EXPECT_GE(peak, 32768 / 4) << id << " is nearly silent";
    sounds.push_back(wave->samples);
  }
  for (std::size_t a = 0; a < sounds.size(); ++a) {
    for (std::size_t b = a + 1; b < sounds.size(); ++b) {
      EXPECT_NE(sounds[a], sounds[b]) << "waves " << 2000 + a << " and " << 2000 + b << " are the same";
    }
  }
}

}  // namespace
