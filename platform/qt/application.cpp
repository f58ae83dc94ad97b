#include "platform/application.h"

#include <QApplication>
#include <QSettings>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace platform {
namespace {

// Qt keeps the command line it is given for as long as the application lives.
int qtArgumentCount = 1;
char* qtArguments[] = {nullptr, nullptr};

QtMessageHandler qtMessageHandler = nullptr;

// Qt reports a window system it cannot start as a fatal message and then
// aborts, which leaves a core dump behind for what is a matter of the
// player's setup, not a fault of the game. The message is passed on, with
// what to look at, and the program ends with 1 instead.
void EndWhenTheWindowSystemFails(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    qtMessageHandler(type, context, message);
    return;
  }
  std::fprintf(stderr,
               "%s\nkestravane: cannot start the window system. Is there a display? "
               "See DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM.\n",
               qPrintable(message));
  std::fflush(stderr);
  std::_Exit(EXIT_FAILURE);
}

bool loopRunning = false;
// A quit asked for before the loop started; the loop then ends at once.
std::optional<int> earlyQuit;
// The application StartPlatform made, if it made one, for StopPlatform to end.
QApplication* ownApplication = nullptr;

}  // namespace

void StartPlatform(char* programName) {
  if (!QApplication::instance()) {
    qtArguments[0] = programName;
    qtMessageHandler = qInstallMessageHandler(EndWhenTheWindowSystemFails);
    ownApplication = new QApplication(qtArgumentCount, qtArguments);
    qInstallMessageHandler(qtMessageHandler);
  }
  QApplication::setApplicationName(QStringLiteral("Kestravane"));
  // The desktop entry the game was installed with: on Wayland it gives the
  // window its icon and its place in the dock.
  QGuiApplication::setDesktopFileName(QStringLiteral(KESTRAVANE_DESKTOP_ID));
  // Closing the main window is the game's decision, and it saves first.
  QApplication::setQuitOnLastWindowClosed(false);
}

void KeepWindowSystemStateIn(const std::string& directory) {
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(directory));
}

void StopPlatform() {
  // Windows destroyed since the loop ended are still waiting to go.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  delete ownApplication;
  ownApplication = nullptr;
}

int RunEventLoop() {
  if (earlyQuit) {
    const int code = *earlyQuit;
    earlyQuit.reset();
    return code;
  }
  loopRunning = true;
  const int code = QApplication::exec();
  loopRunning = false;
  return code;
}

void QuitEventLoop(int code) {
  if (loopRunning) {
    QApplication::exit(code);
  } else {
    earlyQuit = code;
  }
}

}  // namespace platform
