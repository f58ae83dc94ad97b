#include <QCoreApplication>
#include <cstdio>

#include "support/language.h"

// Says which language the game speaks under this process's locale variables,
// and " with qt" when Qt's own words came in it too.
int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const kestravane::Language language;
  std::printf("%s%s\n", qPrintable(language.Name()), language.QtSpeaksIt() ? " with qt" : "");
}
