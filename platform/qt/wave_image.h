#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <cstdint>
#include <optional>
#include <span>

namespace kestravane::platform {

// A wave file image taken apart: the sample layout and the whole frames of
// its sound, copied out of the image.
struct WaveImage {
  QAudioFormat format;
  QByteArray samples;
};

// Reads an uncompressed RIFF wave image (8, 16 or 32 bit integer or 32 bit
// float samples). Nothing when the image is cut short, malformed, compressed
// or holds no sound; never reads outside `image`.
std::optional<WaveImage> ParseWaveImage(std::span<const std::uint8_t> image);

}  // namespace kestravane::platform
