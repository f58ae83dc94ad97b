#pragma once

#include <cerrno>
#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <thread>
#include <utility>

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

// An exclusive lock on a folder, held while a file in it is read, changed and
// written again, so that two programs doing the same take turns instead of
// writing over each other's changes. The folder itself is locked, not the
// file, because replacing a file gives it a new identity that a lock on the
// old one would not cover. On a file system without locks the lock is only
// pretended: the file is still replaced whole.
class FolderLock {
 public:
  // The lock on `folder`, which must exist; a failure carries the system's
  // error number, EWOULDBLOCK while another program holds the lock.
  static Result<FolderLock> Take(const std::string& folder);
  FolderLock(FolderLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  FolderLock& operator=(FolderLock&&) = delete;
  ~FolderLock();

 private:
  explicit FolderLock(int fd) : fd_(fd) {}
  int fd_;
};

// Repeats `attempt`, which returns a Result, while it fails because another
// program holds a lock it needs (EWOULDBLOCK), for as long as `patience`:
// a program that saves holds its lock for a moment only.
template <typename Attempt>
auto WhileLocked(std::chrono::milliseconds patience, Attempt attempt) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  for (;;) {
    auto result = attempt();
    if (result || result.error() != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) return result;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

}  // namespace kestravane::platform
