#include "platform/application.h"

#include <QApplication>
#include <optional>

namespace platform {
namespace {

bool loopRunning = false;
// A quit asked for before the loop started; the loop then ends at once.
std::optional<int> earlyQuit;
// The application StartPlatform made, if it made one, for StopPlatform to end.
QApplication* ownApplication = nullptr;

}  // namespace

void StartPlatform(int& argc, char** argv) {
  if (!QApplication::instance()) ownApplication = new QApplication(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kestravane"));
  // Closing the main window is the game's decision, and it saves first.
  QApplication::setQuitOnLastWindowClosed(false);
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
