#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/window.h"

namespace platform {

struct FileDialogOptions {
  std::string title;  // empty: the system's own
  // Description and pattern pairs, e.g. {"Kestravane Game", "*.war"}.
  std::vector<std::pair<std::string, std::string>> filters;
  int filterIndex = 1;  // 1-based; the choice comes back here
  std::string initialDirectory;  // empty: the system's default
  std::string defaultExtension;  // save only; without the dot
};

// The system's Open dialog: the file must exist. True with the chosen path in
// `path`; false when cancelled, leaving everything as it was.
bool OpenFileDialog(Window* owner, FileDialogOptions& options, std::string& path);

// The system's Save As dialog, starting from the name in `path`. The folder
// must exist; replacing a file is confirmed first; the default extension is
// added to a name without one.
bool SaveFileDialog(Window* owner, FileDialogOptions& options, std::string& path);

}  // namespace platform
