#include "platform/application.h"

#include <QApplication>
#include <optional>

namespace platform {
namespace {

bool loopRunning = false;
// A quit asked for before the loop started; the loop then ends at once.
std::optional<int> earlyQuit;

}  // namespace

void StartPlatform(int& argc, char** argv) {
  // The application lives as long as the process.
  if (!QApplication::instance()) new QApplication(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kestravane"));
  // Closing the main window is the game's decision, and it saves first.
  QApplication::setQuitOnLastWindowClosed(false);
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
