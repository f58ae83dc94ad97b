#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/replacement_file.h"
#include "platform/result.h"

namespace kestravane::platform {

// One game document file on disk. Every call returns true on success; after
// a failure error() holds the system's error number (0 when a read or write
// came up short without the system reporting an error).
//
// Reading locks the file against writers. Writing never touches the target
// until the new content is complete: it goes to a new file in the target's
// folder, which Commit() renames over it; Abandon() (or the destructor)
// removes the new file and leaves the old document as it was. A target
// reached through symbolic links is the file they lead to, and the links
// stay. A target that is not a regular file, or that nobody may write (mode
// 444, say, even for root), is never replaced.
class File {
 public:
  File() = default;
  ~File();
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  bool OpenForReading(const std::string& path);
  bool CreateReplacement(const std::string& path);

  bool Rewind();
  bool Read(void* data, std::size_t size);
  // Appends what is left of the file to `text`; fails with EFBIG once that
  // passes `limit` bytes.
  bool ReadToEnd(std::string& text, std::size_t limit);
  bool Write(const void* data, std::size_t size);
  bool Flush();
  bool Close();
  bool Commit();
  void Abandon();

  int error() const { return error_; }
  // The file a replacement goes in place of, links followed.
  const std::string& target() const { return target_; }

 private:
  bool Fail();
  bool FailAfter(int error);
  bool LockTarget(mode_t mode);
  void Unlock();

  int fd_ = -1;
  int targetLock_ = -1;
  std::string target_;
  ReplacementFile replacement_;
  int error_ = 0;
};

// Writes `content` in place of the file at `path`, as a File does, making
// the folder of the file it stands for first. The failure carries the
// system's error number (ENOENT for an empty path).
Status ReplaceWholeFile(const std::string& path, std::string_view content);

}  // namespace kestravane::platform
