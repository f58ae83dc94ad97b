#include "platform/qt/wave_image.h"

#include <string_view>

namespace kestravane::platform {
namespace {

constexpr unsigned PcmTag = 1;
constexpr unsigned FloatTag = 3;
constexpr std::size_t ChunkHeaderSize = 8;
constexpr std::size_t FormatChunkSize = 16;

std::uint16_t U16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t U32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(U16(bytes, at)) | static_cast<std::uint32_t>(U16(bytes, at + 2)) << 16;
}

std::string_view Tag(std::span<const std::uint8_t> bytes, std::size_t at) {
  return {reinterpret_cast<const char*>(bytes.data() + at), 4};
}

std::optional<QAudioFormat> ParseFormat(std::span<const std::uint8_t> chunk) {
  if (chunk.size() < FormatChunkSize) return std::nullopt;
  const unsigned tag = U16(chunk, 0);
  const unsigned channels = U16(chunk, 2);
  const std::uint32_t rate = U32(chunk, 4);
  const unsigned blockAlign = U16(chunk, 12);
  const unsigned bits = U16(chunk, 14);

  QAudioFormat::SampleFormat sampleFormat = QAudioFormat::Unknown;
  if (tag == PcmTag && bits == 8) sampleFormat = QAudioFormat::UInt8;
  if (tag == PcmTag && bits == 16) sampleFormat = QAudioFormat::Int16;
  if (tag == PcmTag && bits == 32) sampleFormat = QAudioFormat::Int32;
  if (tag == FloatTag && bits == 32) sampleFormat = QAudioFormat::Float;
  if (sampleFormat == QAudioFormat::Unknown) return std::nullopt;
  if (channels == 0 || rate == 0 || rate > 1'000'000) return std::nullopt;
  if (blockAlign != channels * bits / 8) return std::nullopt;

  QAudioFormat format;
  format.setSampleFormat(sampleFormat);
  format.setChannelCount(static_cast<int>(channels));
  format.setSampleRate(static_cast<int>(rate));
  return format;
}

}  // namespace

std::optional<WaveImage> ParseWaveImage(std::span<const std::uint8_t> image) {
  if (image.size() < 12 || Tag(image, 0) != "RIFF" || Tag(image, 8) != "WAVE") return std::nullopt;
  std::optional<QAudioFormat> format;
  for (std::size_t at = 12; at <= image.size() && image.size() - at >= ChunkHeaderSize;) {
    const std::size_t body = at + ChunkHeaderSize;
    const std::uint32_t size = U32(image, at + 4);
    if (size > image.size() - body) return std::nullopt;
    const auto chunk = image.subspan(body, size);
    if (Tag(image, at) == "fmt ") {
      format = ParseFormat(chunk);
      if (!format) return std::nullopt;
    } else if (Tag(image, at) == "data") {
      if (!format) return std::nullopt;
      const std::size_t frameBytes = static_cast<std::size_t>(format->bytesPerFrame());
      const std::size_t wholeFrames = chunk.size() / frameBytes * frameBytes;
      if (wholeFrames == 0) return std::nullopt;
      return WaveImage{*format, QByteArray(reinterpret_cast<const char*>(chunk.data()),
                                           static_cast<qsizetype>(wholeFrames))};
    }
    // Chunks are padded to an even length.
    at = body + size + (size & 1);
  }
  return std::nullopt;
}

}  // namespace kestravane::platform
