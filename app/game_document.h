#pragma once

#include <cstdint>
#include <string>

namespace kestravane {

// The one game document the program has open, and what the file dialogs
// remember of it for the rest of the run.
struct GameDocument {
  std::string Path;            // the document's file; survives New and Close
  bool Named = false;          // the game in memory was read from or written to Path
  int OpenFilterIndex = 1;     // the file type last chosen in the Open dialog
  int SaveFilterIndex = 1;     // and in the Save As dialog
};

}  // namespace kestravane
