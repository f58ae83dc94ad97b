#include <QAudioDevice>
#include <QMediaDevices>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>

#include "platform/qt/wave_image.h"
#include "platform/resources.h"
#include "platform/sound.h"
#include "wave_builder.h"

using namespace kestravane;

// Taking wave images apart, and what the player does without an output
// device. The test points the sound server at a socket that does not exist,
// so that there is never a device, whatever the machine has.
namespace {

Bytes Resource(unsigned id) {
  const platform::Result<Bytes> wave = platform::LoadWaveResource(id);
  return wave ? *wave : Bytes();
}

QByteArray Samples(const Bytes& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

Bytes Replace(Bytes bytes, std::size_t at, std::initializer_list<std::uint8_t> values) {
  std::copy(values.begin(), values.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
  return bytes;
}

}  // namespace

Q_DECLARE_METATYPE(Bytes)

class SoundTest : public QObject {
  Q_OBJECT

  QTemporaryDir nowhere_;

 private slots:
  void initTestCase() {
    QVERIFY(nowhere_.isValid());
    qputenv("PULSE_SERVER", "unix:" + nowhere_.filePath(QStringLiteral("no-server")).toUtf8());
  }

  void takesTheGamesSoundsApart() {
    for (unsigned id = 2000; id <= 2003; ++id) {
      const Bytes image = Resource(id);
      const auto wave = platform::ParseWaveImage(image);
      QVERIFY2(wave, qPrintable(QString::number(id)));
      QCOMPARE(wave->format.sampleFormat(), QAudioFormat::Int16);
      QCOMPARE(wave->format.channelCount(), 1);
      QCOMPARE(wave->format.sampleRate(), 22050);
      // Their data chunk follows a plain format chunk and runs to the end.
      QCOMPARE(wave->samples, Samples(Bytes(image.begin() + 44, image.end())));
    }
  }

  void readsEverySampleLayout_data() {
    QTest::addColumn<unsigned>("tag");
    QTest::addColumn<unsigned>("channels");
    QTest::addColumn<unsigned>("bits");
    QTest::addColumn<QAudioFormat::SampleFormat>("expected");
    QTest::newRow("8 bit") << 1u << 1u << 8u << QAudioFormat::UInt8;
    QTest::newRow("16 bit stereo") << 1u << 2u << 16u << QAudioFormat::Int16;
    QTest::newRow("32 bit") << 1u << 1u << 32u << QAudioFormat::Int32;
    QTest::newRow("float") << 3u << 2u << 32u << QAudioFormat::Float;
  }
  void readsEverySampleLayout() {
    QFETCH(unsigned, tag);
    QFETCH(unsigned, channels);
    QFETCH(unsigned, bits);
    QFETCH(QAudioFormat::SampleFormat, expected);
    const Bytes samples{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    const auto wave = platform::ParseWaveImage(
        WaveFile({FormatChunk(tag, channels, 11025, bits), Chunk("data", samples)}));
    QVERIFY(wave);
    QCOMPARE(wave->format.sampleFormat(), expected);
    QCOMPARE(wave->format.channelCount(), static_cast<int>(channels));
    QCOMPARE(wave->format.sampleRate(), 11025);
    QCOMPARE(wave->samples, Samples(samples));
  }

  void skipsOtherChunksAndAHalfFrame() {
    // An odd-sized chunk is padded; a data chunk ending inside a frame keeps
    // only its whole frames.
    const Bytes image = WaveFile({Chunk("LIST", {'n', 'a', 'm'}), FormatChunk(1, 2, 8000, 16),
                                  Chunk("fact", {0, 0, 0, 0}), Chunk("data", {1, 2, 3, 4, 5, 6, 7})});
    const auto wave = platform::ParseWaveImage(image);
    QVERIFY(wave);
    QCOMPARE(wave->format.channelCount(), 2);
    QCOMPARE(wave->samples, Samples({1, 2, 3, 4}));
  }

  void refusesImagesItCannotPlay_data() {
    QTest::addColumn<Bytes>("image");
    const Bytes sound{0, 1, 2, 3};
    const Bytes good = PcmWave(1, 8000, 16, sound);
    QTest::newRow("empty") << Bytes{};
    QTest::newRow("not RIFF") << Replace(good, 0, {'R', 'I', 'F', 'X'});
    QTest::newRow("not WAVE") << Replace(good, 8, {'A', 'V', 'I', ' '});
    QTest::newRow("compressed") << WaveFile({FormatChunk(2, 1, 8000, 4), Chunk("data", sound)});
    QTest::newRow("24 bit") << WaveFile({FormatChunk(1, 1, 8000, 24), Chunk("data", {0, 1, 2})});
    QTest::newRow("no channels") << WaveFile({FormatChunk(1, 0, 8000, 16), Chunk("data", sound)});
    QTest::newRow("no rate") << WaveFile({FormatChunk(1, 1, 0, 16), Chunk("data", sound)});
    QTest::newRow("wrong block size") << Replace(good, 32, {4, 0});
    QTest::newRow("short format chunk") << WaveFile({Chunk("fmt ", {1, 0, 1, 0}), Chunk("data", sound)});
    QTest::newRow("data before format") << WaveFile({Chunk("data", sound), FormatChunk(1, 1, 8000, 16)});
    QTest::newRow("no data") << WaveFile({FormatChunk(1, 1, 8000, 16)});
    QTest::newRow("no whole frame") << WaveFile({FormatChunk(1, 2, 8000, 16), Chunk("data", {1, 2, 3})});
    QTest::newRow("chunk past the end") << Replace(good, 40, {0xff, 0xff, 0xff, 0xff});
  }
  void refusesImagesItCannotPlay() {
    QFETCH(Bytes, image);
    QVERIFY(!platform::ParseWaveImage(image));
    const platform::Status played = platform::PlayWaveImage(image);
    QVERIFY(!played);
    QCOMPARE(played.error(), EINVAL);
  }

  void refusesEveryCutShortImage() {
    // Each prefix gets a buffer of exactly its size, so that a read past its
    // end shows up under the address sanitizer.
    const Bytes image = Resource(2003);
    for (std::size_t size = 0; size < image.size(); ++size) {
      const Bytes prefix(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(size));
      const platform::Status played = platform::PlayWaveImage(prefix);
      QVERIFY2(!played, qPrintable(QString::number(size)));
      QCOMPARE(played.error(), EINVAL);
    }
  }

  void refusesGarbage() {
    QRandomGenerator random(20240611);
    for (int round = 0; round < 2000; ++round) {
      Bytes garbage(random.bounded(200));
      for (std::uint8_t& byte : garbage) byte = static_cast<std::uint8_t>(random.bounded(256));
      // Half of them look like a wave at first sight.
      if (round % 2 && garbage.size() >= 12) {
        std::copy_n("RIFF", 4, garbage.begin());
        std::copy_n("WAVE", 4, garbage.begin() + 8);
      }
      const platform::Status played = platform::PlayWaveImage(garbage);
      QVERIFY(!played);
      QCOMPARE(played.error(), EINVAL);
    }
  }

  void withoutAnOutputDeviceNothingPlays() {
    QVERIFY(QMediaDevices::audioOutputs().isEmpty());
    QVERIFY(QMediaDevices::defaultAudioOutput().isNull());
    for (unsigned id = 2000; id <= 2003; ++id) {
      const platform::Status played = platform::PlayWaveImage(Resource(id));
      QVERIFY(!played);
      QCOMPARE(played.error(), ENODEV);
    }
  }
};

QTEST_MAIN(SoundTest)
#include "sound_test.moc"
