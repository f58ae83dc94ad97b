#include "platform/screen.h"
#include "support/library.h"

namespace kestravane {

// Apart from the rest of the library: only a program on screen has a desktop.
LibraryState StartLibrary() {
  LibraryState library = ProgramPaths();
  library.DesktopRect = platform::DesktopRect();
  return library;
}

}  // namespace kestravane
