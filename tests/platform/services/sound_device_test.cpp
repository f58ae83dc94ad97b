#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <memory>

#include "platform/sound.h"
#include "wave_builder.h"

using namespace kestravane;

// Plays into a sound server of the test's own with a silent output, and
// watches the streams the server is playing: each sound is one stream, named
// here by its sample layout. Skipped where PulseAudio is not installed.
namespace {

constexpr int PlayMs = 10000;

Bytes Tone(unsigned channels, std::uint32_t rate, unsigned bits, int milliseconds) {
  const std::size_t frames = static_cast<std::size_t>(rate) * static_cast<std::size_t>(milliseconds) / 1000;
  Bytes samples(frames * channels * bits / 8);
  for (std::size_t at = 0; at < samples.size(); ++at) samples[at] = static_cast<std::uint8_t>(at * 7);
  return PcmWave(channels, rate, bits, samples);
}

}  // namespace

class SoundDeviceTest : public QObject {
  Q_OBJECT

  QTemporaryDir home_;
  QProcess server_;
  QString pactl_;

  // The sample layouts of the streams playing now.
  QStringList Streams() {
    QProcess pactl;
    pactl.start(pactl_, {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
    if (!pactl.waitForFinished(PlayMs)) return {QStringLiteral("pactl did not answer")};
    QStringList layouts;
    const QString output = QString::fromUtf8(pactl.readAllStandardOutput());
    for (const QString& line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
      layouts << line.section(QLatin1Char('\t'), 4);
    }
    return layouts;
  }

 private slots:
  void initTestCase() {
    const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    pactl_ = QStandardPaths::findExecutable(QStringLiteral("pactl"));
    if (pulseaudio.isEmpty() || pactl_.isEmpty()) QSKIP("PulseAudio is not installed: no output device to play into");
    QVERIFY(home_.isValid());
    const QString socket = home_.filePath(QStringLiteral("native"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home_.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home_.path());
    environment.remove(QStringLiteral("PULSE_SERVER"));
    server_.setProcessEnvironment(environment);
    server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The server goes away by itself shortly after the last client if this
    // test dies before stopping it.
    server_.start(pulseaudio, {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                               QStringLiteral("--use-pid-file=no"), QStringLiteral("--exit-idle-time=10"),
                               QStringLiteral("--log-level=error"),
                               QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=silent"),
                               QStringLiteral("-L"),
                               QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket});
    QVERIFY(server_.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(socket), PlayMs);
    qputenv("PULSE_SERVER", "unix:" + socket.toUtf8());
    QVERIFY(!QMediaDevices::defaultAudioOutput().isNull());
  }

  void cleanupTestCase() {
    if (server_.state() == QProcess::NotRunning) return;
    server_.terminate();
    server_.waitForFinished(PlayMs);
  }

  void aSoundPlaysFromItsOwnCopyToItsEnd() {
    // The caller's image is gone, and its memory scribbled over, before a
    // single sample has been played.
    auto image = std::make_unique<Bytes>(Tone(1, 8000, 8, 1000));
    QVERIFY(platform::PlayWaveImage(*image));
    std::fill(image->begin(), image->end(), 0xaa);
    image.reset();
    QTRY_COMPARE_WITH_TIMEOUT(Streams(), QStringList{QStringLiteral("u8 1ch 8000Hz")}, PlayMs);
    QTRY_COMPARE_WITH_TIMEOUT(Streams(), QStringList(), PlayMs);
  }

  void aNewSoundCutsOffTheOneStillPlaying() {
    QVERIFY(platform::PlayWaveImage(Tone(1, 8000, 8, 30000)));
    QTRY_COMPARE_WITH_TIMEOUT(Streams(), QStringList{QStringLiteral("u8 1ch 8000Hz")}, PlayMs);
    QVERIFY(platform::PlayWaveImage(Tone(2, 11025, 16, 500)));
    QTRY_COMPARE_WITH_TIMEOUT(Streams(), QStringList{QStringLiteral("s16le 2ch 11025Hz")}, PlayMs);
    QTRY_COMPARE_WITH_TIMEOUT(Streams(), QStringList(), PlayMs);
  }

  void aLayoutTheDeviceRefusesIsNotPlayed() {
    const platform::Status played = platform::PlayWaveImage(Tone(64, 8000, 16, 100));
    QVERIFY(!played);
    QCOMPARE(played.error(), EINVAL);
    QCOMPARE(Streams(), QStringList());
  }
};

QTEST_MAIN(SoundDeviceTest)
#include "sound_device_test.moc"
