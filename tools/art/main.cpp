// Generates every icon, picture and sound of the game into a resources
// directory, the same bytes on every run.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "art_set.h"
#include "fonts.h"
#include "output.h"

int main(int argc, char** argv) {
  using namespace kestravane;
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s RESOURCE-DIRECTORY [TRANSLATION.qm...]\n", argv[0]);
    return 2;
  }
  // Drawing needs no screen, so the generator runs the same on a build
  // machine without one.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication application(argc, argv);
  if (!art::LoadFonts()) {
    std::fprintf(stderr, "cannot load the fonts (packages fonts-dejavu-core and fonts-wqy-zenhei)\n");
    return 1;
  }
  // The pages are drawn in the game's translations, built in from
  // translations/; a translation being written can be tried out by naming it.
  QStringList translations;
  for (int i = 2; i < argc; ++i) translations << QString::fromLocal8Bit(argv[i]);
  if (argc == 2) {
    const QDir builtIn(QStringLiteral(":/translations"));
    for (const QString& file : builtIn.entryList({QStringLiteral("*.qm")}, QDir::Files, QDir::Name))
      translations << builtIn.filePath(file);
  }
  const art::ArtSet set = art::BuildArtSet(translations);
  if (!set.misfits.isEmpty()) {
    for (const QString& misfit : set.misfits) std::fprintf(stderr, "%s\n", qUtf8Printable(misfit));
    std::fprintf(stderr, "%lld texts do not fit their pages: nothing written\n",
                 static_cast<long long>(set.misfits.size()));
    return 1;
  }
  if (!art::WriteArtSet(set, argv[1])) {
    std::fprintf(stderr, "cannot write the artwork into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
