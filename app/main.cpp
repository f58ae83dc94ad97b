#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/application.h"
#include "app/program_arguments.h"
#include "support/language.h"

namespace kestravane {

namespace {

// Qt reports a window system it cannot start as a fatal message and then
// aborts, which leaves a core dump behind for what is a matter of the
// player's setup, not a fault of the game. The message is passed on, with
// what to look at, and the program ends with 1 instead.
void EndWhenTheWindowSystemFails(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
  if (type != QtFatalMsg) return;
  std::fputs("kestravane: cannot start the window system. Is there a display? "
             "See DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM.\n",
             stderr);
  std::fflush(stderr);
  std::_Exit(EXIT_FAILURE);
}

}  // namespace

}  // namespace kestravane

// The command line is read before the window system starts: the help and
// the version answer without a screen, and the window system is given the
// program's name alone, so that no option of its own can stop the game
// before it begins.
int main(int argc, char** argv) {
  using namespace kestravane;
  const ProgramRequest request = ParseProgramArguments(argc, argv);
  switch (request.action) {
    case ProgramRequest::Action::ShowHelp:
      std::fputs(ProgramUsage, stdout);
      return 0;
    case ProgramRequest::Action::ShowVersion:
      std::fputs(ProgramVersion, stdout);
      return 0;
    case ProgramRequest::Action::Mistake:
      std::fprintf(stderr, "kestravane: %s\nTry 'kestravane --help'.\n", request.mistake.c_str());
      return 2;
    case ProgramRequest::Action::Play:
      break;
  }
  int qtArgumentCount = 1;
  qInstallMessageHandler(EndWhenTheWindowSystemFails);
  QApplication application(qtArgumentCount, argv);
  qInstallMessageHandler(nullptr);
  QApplication::setApplicationName(QStringLiteral("Kestravane"));
  // The desktop entry the game was installed with: on Wayland it gives the
  // window its icon and its place in the dock.
  QGuiApplication::setDesktopFileName(QStringLiteral(KESTRAVANE_DESKTOP_ID));
  // Closing the main window is the game's decision, and it saves first.
  QApplication::setQuitOnLastWindowClosed(false);
  const Language language;
  Services services;
  return RunKestravane(request.document, services);
}
