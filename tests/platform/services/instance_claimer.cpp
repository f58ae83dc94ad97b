// "instance_claimer NAME [busy]" claims the instance as the game does, then answers requests until its input closes; a
// busy copy first waits for a line outside any event loop, like a copy still starting up.
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cstdio>

#include "platform/single_instance.h"

using namespace kestravane;

bool ReadLine() {
  char c = 0;
  while (read(STDIN_FILENO, &c, 1) == 1)
    if (c == '\n') return true;
  return false;
}

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  setvbuf(stdout, nullptr, _IONBF, 0);
  static int requests = 0;
  const QByteArray name = application.arguments().value(1).toUtf8();
  if (platform::ClaimSingleInstance(name.constData(), "", [](const std::string& handed) {
        std::printf("came forward %d%s\n", ++requests, handed.empty() ? "" : (" " + handed).c_str());
      }) == platform::InstanceClaim::AnotherRunning)
    return std::puts("another") < 0;
  std::puts("first");
  if (application.arguments().value(2) == QLatin1String("busy") && ReadLine()) std::puts("running");
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, &application, [&application] {
    if (!ReadLine()) application.quit();
  });
  return application.exec();
}
