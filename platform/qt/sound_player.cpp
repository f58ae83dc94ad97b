#include "platform/qt/sound_player.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QPointer>
#include <QTimer>
#include <cerrno>

#include "platform/qt/wave_image.h"

namespace kestravane {

namespace {

using platform::ParseWaveImage;
using platform::WaveImage;

// Plays one sound at a time. A sound owns its samples, so the caller's image
// may go; it is let go once it has played, or when the next one cuts it off,
// and with the player at the latest.
class Player {
 public:
  ~Player() { Stop(); }

  bool Play(std::span<const std::uint8_t> image, int& error) {
    const std::optional<WaveImage> wave = ParseWaveImage(image);
    if (!wave) return Fail(error, EINVAL);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return Fail(error, ENODEV);
    if (!device.isFormatSupported(wave->format)) return Fail(error, EINVAL);

    Stop();
    auto* sink = new QAudioSink(device, wave->format, &sinks_);
    auto* samples = new QBuffer(sink);
    samples->setData(wave->samples);
    samples->open(QIODevice::ReadOnly);
    sink->start(samples);
    if (sink->error() != QAudio::NoError) {
      delete sink;
      return Fail(error, EIO);
    }
    playing_ = sink;
    ReleaseWhenDone(sink, wave->format);
    return true;
  }

 private:
  static bool Fail(int& error, int why) {
    error = why;
    return false;
  }

  void Stop() {
    if (!playing_) return;
    playing_->disconnect();
    playing_->stop();
    delete playing_.data();
  }

  static void Release(QAudioSink* sink) {
    sink->disconnect();
    sink->stop();
    sink->deleteLater();
  }

  // The sink turns idle once it has handed over the last samples; the device
  // still holds up to a buffer of them, so it is let go only after that plays.
  static void ReleaseWhenDone(QAudioSink* sink, const QAudioFormat& format) {
    QObject::connect(sink, &QAudioSink::stateChanged, sink, [sink, format](QAudio::State state) {
      if (state == QAudio::StoppedState) Release(sink);
      if (state != QAudio::IdleState) return;
      const qint64 bufferedMs = format.durationForBytes(static_cast<qint32>(sink->bufferSize())) / 1000;
      QTimer::singleShot(bufferedMs + 1, sink, [sink] { Release(sink); });
    });
  }

  QObject sinks_;
  QPointer<QAudioSink> playing_;
};

}  // namespace

extern "C" void* KestravaneOpenPlayer() { return new Player; }

extern "C" void KestravaneClosePlayer(void* player) { delete static_cast<Player*>(player); }

extern "C" bool KestravanePlayWave(void* player, const std::uint8_t* image, std::size_t size, int* error) {
  return static_cast<Player*>(player)->Play({image, size}, *error);
}

}  // namespace kestravane
