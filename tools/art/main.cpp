// Generates every icon, picture and sound of the game into a resources
// directory, the same bytes on every run.
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "art_set.h"
#include "fonts.h"
#include "output.h"

int main(int argc, char** argv) {
  using namespace kestravane;
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s RESOURCE-DIRECTORY\n", argv[0]);
    return 2;
  }
  // Drawing needs no screen, so the generator runs the same on a build
  // machine without one.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication application(argc, argv);
  if (!art::LoadFonts()) {
    std::fprintf(stderr, "cannot load the DejaVu fonts (package fonts-dejavu-core)\n");
    return 1;
  }
  if (!art::WriteArtSet(art::BuildArtSet(), argv[1])) {
    std::fprintf(stderr, "cannot write the artwork into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
