#include "app/command_line.h"

#include <cerrno>

#include "platform/file.h"
#include "support/message_box.h"

namespace kestravane {

void DocumentFromCommandLine(const std::string& path, AppSettings& settings) {
  if (path.empty()) return;
  // A path the settings would keep cut short would name some other file;
  // refuse it whole instead.
  if (!FitsFileSpec(path)) {
    ErrorBox(Text::OpenFailed, path, path.size() > FileSpecLength ? ENAMETOOLONG : EINVAL);
    return;
  }
  // A game not saved yet is named before it exists, so a missing file is
  // still the name to propose. Something that is there but is no file the
  // player can read (a folder, a file of someone else's) would only be
  // refused again at every start: it is refused once, here, and the last
  // game stays the one proposed.
  platform::File file;
  if (!file.OpenForReading(path) && file.error() != ENOENT) {
    ErrorBox(Text::OpenFailed, path, file.error());
    return;
  }

  settings.FileSpec = path;
  settings.OpenAtStart = true;
}

}  // namespace kestravane
