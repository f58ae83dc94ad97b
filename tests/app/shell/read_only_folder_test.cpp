#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <string>

#include "app/application.h"
#include "common/main_window_driver.h"
#include "common/qt_waits.h"
#include "platform/profile.h"
#include "platform/system.h"
#include "support/library.h"

using namespace kestravane;

// The game run from a program folder it may not write to, as an installed
// game is run. This program copies itself into such a folder under the
// game's name and runs the copy, which plays the game's part; then it looks
// at what the run left behind.
//
// Root may write to any folder, whatever its permissions say, so as root
// the copy runs as the unprivileged user "nobody" (setpriv), for whom the
// read-only folder really is read-only. The copy checks that it cannot write
// there before it starts the game, so the test cannot pass on a folder that
// takes files.

namespace {

constexpr const char* CopyMarker = "KESTRAVANE_READ_ONLY_COPY";
constexpr uid_t Nobody = 65534;

// The list of files under `folder`, by their path inside it.
QStringList FilesUnder(const QString& folder) {
  QStringList files;
  QDirIterator walk(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
  while (walk.hasNext()) files << QDir(folder).relativeFilePath(walk.next());
  files.sort();
  return files;
}

}  // namespace

// The copy: the whole game from start to Ctrl+Q, one option changed and the
// file dialog opened on the way.
class GameInReadOnlyFolder : public QObject {
  Q_OBJECT

 private slots:
  void startsAndSavesItsOptionsInItsConfigurationFolder() {
    const std::string program = platform::ExecutablePath();
    const std::string folder = program.substr(0, program.rfind('/'));
    QVERIFY2(!platform::DirectoryWritable(folder), "the program's folder takes files: this run proves nothing");
    const std::string settings = qEnvironmentVariable("HOME").toStdString() + "/.config/kestravane/kestravane.ini";
    QCOMPARE(IniPathFor(program), settings);

    bool played = false;
    WhenReady(
        [] {
          return RunningMainWindow() && QThread::currentThread()->loopLevel() > 0 &&
                 !QApplication::activeModalWidget();
        },
        [&] {
          played = true;
          MainWindow* window = RunningMainWindow();
          MenuItem(*window, "Always on &Top")->trigger();
          // The file dialog remembers its folder on its own account.
          AnswerNextModal([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
          MenuItem(*window, "&Open...\tCtrl+O")->trigger();
          QTest::keyClick(&window->board(), Qt::Key_Q, Qt::ControlModifier);
        });
    QCOMPARE(RunKestravane(""), 0);
    QVERIFY(played);
    const platform::Profile saved(settings);
    QCOMPARE(saved.String("Kestravane", "TopMost", "<missing>"), std::string("1"));
    QCOMPARE(saved.String("Options", "Difficulty", "<missing>"), std::string("2"));
    QCOMPARE(saved.String("Kestravane Works", "Kestravane for Windows 95/NT", "<missing>"), std::string("v2.2"));
  }
};

class ReadOnlyFolderTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir root_;

  // A folder for the run's user: theirs alone, as a home is.
  QString PrivateFolder(const QString& name) const {
    const QString path = root_.filePath(name);
    if (!QDir().mkpath(path)) return {};
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (geteuid() == 0 && chown(path.toLocal8Bit().constData(), Nobody, Nobody) != 0) return {};
    return path;
  }

 private slots:
  void theSettingsGoToTheGamesConfigurationFolderAndNowhereElse() {
    QVERIFY(root_.isValid());
    // Others must reach the files below when the copy runs as nobody.
    QFile::setPermissions(root_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                            QFileDevice::ReadOther | QFileDevice::ExeOther);
    const QString bin = root_.filePath("bin");
    QVERIFY(QDir().mkpath(bin));
    const QString copy = bin + "/kestravane";
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));
    QVERIFY(QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                            QFileDevice::ExeOther));
    QVERIFY(QFile::setPermissions(bin, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                           QFileDevice::ExeOther));
    const QString home = PrivateFolder("home");
    const QString runtime = PrivateFolder("runtime");
    QVERIFY(!home.isEmpty() && !runtime.isEmpty());

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("XDG_CONFIG_HOME");  // the default, ~/.config, is what a player has
    environment.insert("HOME", home);
    environment.insert("XDG_RUNTIME_DIR", runtime);
    // Caches are the system libraries' (fonts), not the game's.
    environment.insert("XDG_CACHE_HOME", PrivateFolder("cache"));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert(CopyMarker, "1");
    QProcess game;
    game.setProcessEnvironment(environment);
    game.setProcessChannelMode(QProcess::ForwardedChannels);
    if (geteuid() == 0) {
      game.start("setpriv", {"--reuid=" + QString::number(Nobody), "--regid=" + QString::number(Nobody),
                             "--clear-groups", copy});
    } else {
      game.start(copy, {});
    }
    QVERIFY(game.waitForFinished(60000));
    QCOMPARE(game.exitStatus(), QProcess::NormalExit);
    QCOMPARE(game.exitCode(), 0);

    QCOMPARE(FilesUnder(bin), QStringList{"kestravane"});
    const QStringList expected = {".config/kestravane/QtProject.conf", ".config/kestravane/kestravane.ini"};
    QCOMPARE(FilesUnder(home), expected);
  }

  // The temporary folder can only be removed when its folders take changes.
  void cleanupTestCase() {
    QFile::setPermissions(root_.filePath("bin"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                     QFileDevice::ExeOwner);
  }
};

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (qEnvironmentVariableIsSet(CopyMarker)) {
    GameInReadOnlyFolder game;
    return QTest::qExec(&game, argc, argv);
  }
  ReadOnlyFolderTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "read_only_folder_test.moc"
