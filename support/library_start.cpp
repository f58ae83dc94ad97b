#include "platform/screen.h"
#include "support/library.h"

int InitVEZU() {
  InitLibraryState();
  Library.BackgroundColor = {192, 192, 192};
  Library.DesktopRect = platform::DesktopRect();
  return 1;
}
