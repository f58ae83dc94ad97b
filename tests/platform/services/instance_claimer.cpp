// Claims the single instance the way the game does and reports on standard
// output, so that the tests can start several copies and watch each one.
//   instance_claimer NAME [busy]
// prints "first" or "another"; a first copy then prints "came forward N" for
// each request and runs until its standard input closes. With "busy" it first
// waits for a line on standard input outside any event loop, like a copy
// still starting up.
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cstdio>

#include "platform/single_instance.h"

using namespace kestravane;

namespace {

int requests = 0;

void Say(const char* text) {
  std::printf("%s\n", text);
  std::fflush(stdout);
}

void ComeForward() {
  std::printf("came forward %d\n", ++requests);
  std::fflush(stdout);
}

// Reads standard input up to a line break; false at its end.
bool ReadLine() {
  char c = 0;
  while (read(STDIN_FILENO, &c, 1) == 1) {
    if (c == '\n') return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const QStringList arguments = application.arguments();
  const QByteArray name = arguments.value(1).toUtf8();
  if (platform::ClaimSingleInstance(name.constData(), ComeForward) ==
      platform::InstanceClaim::AnotherRunning) {
    Say("another");
    return 0;
  }
  Say("first");
  if (arguments.value(2) == QLatin1String("busy")) {
    ReadLine();
    Say("running");
  }
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, &application, [&application] {
    if (!ReadLine()) application.quit();
  });
  return application.exec();
}
