#include "platform/qt/sound_player.h"

#include <QCoreApplication>
#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QTimer>
#include <cerrno>

#include "platform/qt/wave_image.h"

namespace kestravane {

namespace platform {
namespace {

// The one sound playing now is the application's child of this name; it owns
// its samples, so the caller's image may go.
constexpr const char* Playing = "kestravane-playing-sound";

void StopPlaying() {
  QAudioSink* playing = QCoreApplication::instance()->findChild<QAudioSink*>(Playing, Qt::FindDirectChildrenOnly);
  if (!playing) return;
  playing->disconnect();
  playing->stop();
  delete playing;
}

void Release(QAudioSink* sink) {
  sink->setObjectName(QString());
  sink->disconnect();
  sink->stop();
  sink->deleteLater();
}

// The sink turns idle once it has handed over the last samples; the device
// still holds up to a buffer of them, so it is let go only after that plays.
void ReleaseWhenDone(QAudioSink* sink, const QAudioFormat& format) {
  QObject::connect(sink, &QAudioSink::stateChanged, sink, [sink, format](QAudio::State state) {
    if (state == QAudio::StoppedState) Release(sink);
    if (state != QAudio::IdleState) return;
    const qint64 bufferedMs = format.durationForBytes(static_cast<qint32>(sink->bufferSize())) / 1000;
    QTimer::singleShot(bufferedMs + 1, sink, [sink] { Release(sink); });
  });
}

}  // namespace

}  // namespace platform

using namespace platform;

extern "C" bool KestravanePlayWave(const std::uint8_t* bytes, std::size_t size, int* errorOut) {
  int& error = *errorOut;
  const std::optional<WaveImage> wave = ParseWaveImage({bytes, size});
  if (!wave) {
    error = EINVAL;
    return false;
  }
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) {
    error = ENODEV;
    return false;
  }
  if (!device.isFormatSupported(wave->format)) {
    error = EINVAL;
    return false;
  }

  StopPlaying();
  auto* sink = new QAudioSink(device, wave->format, QCoreApplication::instance());
  sink->setObjectName(Playing);
  auto* samples = new QBuffer(sink);
  samples->setData(wave->samples);
  samples->open(QIODevice::ReadOnly);
  sink->start(samples);
  if (sink->error() != QAudio::NoError) {
    delete sink;
    error = EIO;
    return false;
  }
  ReleaseWhenDone(sink, wave->format);
  return true;
}

}  // namespace kestravane
