#include <gtest/gtest.h>

#include <cerrno>
#include <string_view>

#include "platform/qt/wave_image.h"
#include "platform/resources.h"
#include "platform/sound.h"

using namespace kestravane;

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> 8 * i));
}

// A chunk with its header; an odd body gets its pad byte.
Bytes Chunk(std::string_view tag, const Bytes& body) {
  Bytes chunk(tag.begin(), tag.end());
  Put(chunk, static_cast<std::uint32_t>(body.size()), 4);
  chunk.insert(chunk.end(), body.begin(), body.end());
  if (body.size() % 2) chunk.push_back(0);
  return chunk;
}

Bytes Format(unsigned tag, unsigned channels, std::uint32_t rate, unsigned bits) {
  Bytes body;
  for (const auto& [value, size] : {std::pair{tag, 2}, {channels, 2}, {rate, 4}, {rate * channels * bits / 8, 4},
                                    {channels * bits / 8, 2}, {bits, 2}})
    Put(body, value, size);
  return Chunk("fmt ", body);
}

Bytes Wave(const std::vector<Bytes>& chunks) {
  Bytes body{'W', 'A', 'V', 'E'};
  for (const Bytes& chunk : chunks) body.insert(body.end(), chunk.begin(), chunk.end());
  return Chunk("RIFF", body);
}

Bytes Replace(Bytes bytes, std::size_t at, std::initializer_list<std::uint8_t> values) {
  std::copy(values.begin(), values.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
  return bytes;
}

TEST(WaveImage, ReadsEverySampleLayoutSkippingOtherChunksAndAHalfFrameAndRefusesWhatItCannotPlay) {
  const Bytes samples{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17};
  const std::tuple<unsigned, unsigned, unsigned, QAudioFormat::SampleFormat, int> layouts[] = {
      {1, 1, 8, QAudioFormat::UInt8, 17}, {1, 2, 16, QAudioFormat::Int16, 16}, {1, 1, 32, QAudioFormat::Int32, 16},
      {3, 2, 32, QAudioFormat::Float, 16}};
  for (const auto& [tag, channels, bits, format, kept] : layouts) {
    const auto wave = platform::ParseWaveImage(Wave({Chunk("LIST", {'n', 'a', 'm'}), Format(tag, channels, 11025, bits),
                                                     Chunk("fact", {0, 0, 0, 0}), Chunk("data", samples)}));
    ASSERT_TRUE(wave) << bits;
    EXPECT_EQ(std::tuple(wave->format.sampleFormat(), wave->format.channelCount(), wave->format.sampleRate()),
              std::tuple(format, int(channels), 11025));
    EXPECT_EQ(wave->samples, QByteArray(reinterpret_cast<const char*>(samples.data()), kept));
  }
  const Bytes sound{0, 1, 2, 3};
  const Bytes good = Wave({Format(1, 1, 8000, 16), Chunk("data", sound)});
  const Bytes bad[] = {
      {}, Replace(good, 0, {'R', 'I', 'F', 'X'}), Replace(good, 8, {'A', 'V', 'I', ' '}), Replace(good, 32, {4, 0}),
      Replace(good, 40, {0xff, 0xff, 0xff, 0xff}), Wave({Format(2, 1, 8000, 4), Chunk("data", sound)}),
      Wave({Format(1, 1, 8000, 24), Chunk("data", {0, 1, 2})}), Wave({Format(1, 0, 8000, 16), Chunk("data", sound)}),
      Wave({Format(1, 1, 0, 16), Chunk("data", sound)}), Wave({Chunk("fmt ", {1, 0, 1, 0}), Chunk("data", sound)}),
      Wave({Chunk("data", sound), Format(1, 1, 8000, 16)}), Wave({Format(1, 1, 8000, 16)}),
      Wave({Format(1, 2, 8000, 16), Chunk("data", {1, 2, 3})})};
  for (const Bytes& image : bad) {
    EXPECT_FALSE(platform::ParseWaveImage(image)) << &image - bad;
    EXPECT_EQ(platform::SoundOutput().Play(image).error(), EINVAL) << &image - bad;
  }
  // Each cut-short sound has a buffer of exactly its size, so that a read
  // past its end shows under the address sanitizer.
  const Bytes image = *platform::LoadWaveResource(2003);
  for (std::size_t size = 0; size < image.size(); ++size)
    ASSERT_EQ(platform::SoundOutput().Play(Bytes(image.begin(), image.begin() + size)).error(), EINVAL) << size;
}

}  // namespace
