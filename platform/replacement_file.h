#pragma once

#include <sys/types.h>

#include <string>

namespace kestravane::platform {

// The new content of a file while it is written, in the folder of the file it
// will replace. Where the file system allows, it has no name until it is
// complete, so that a process killed meanwhile leaves nothing behind.
// Elsewhere it is named ".kestravane-saving-PID-RANDOM" from the start, and the
// next replacement in that folder removes such copies once their process is
// gone. Its name never depends on the replaced file's, so that it fits
// whatever that name's length.
class ReplacementFile {
 public:
  ReplacementFile() = default;
  ~ReplacementFile() { Discard(); }
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  // Each call returns true on success; after a failure errno says why.
  bool Open(const std::string& folder, mode_t mode);
  int descriptor() const { return fd_; }
  // Closes the content, naming it first if it has no name yet.
  bool Close();
  // Puts the closed content in place of `target`, a file of the same folder.
  bool RenameOver(const std::string& target);
  // Removes whatever is left of the content.
  void Discard();

 private:
  bool OpenNameless(mode_t mode);
  bool OpenNamed(mode_t mode);
  bool GiveName();

  std::string folder_;
  std::string name_;  // the path of the content, empty while it has none
  int fd_ = -1;
};

}  // namespace kestravane::platform
