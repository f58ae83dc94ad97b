#include <QCoreApplication>
#include <cstdio>

#include "support/language.h"

// Says which language the game speaks under this process's locale variables,
// and the word a box's Yes button shows then.
int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const kestravane::Language language;
  std::printf("%s %s\n", qPrintable(language.Name()), qPrintable(QCoreApplication::translate("QPlatformTheme", "&Yes")));
}
