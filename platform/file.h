#pragma once

#include <cstddef>
#include <string>

namespace platform {

// One game document file on disk. Every call returns true on success; after
// a failure error() holds the system's error number (0 when a read or write
// came up short without the system reporting an error).
//
// Reading locks the file against writers. Writing never touches the target
// until the new content is complete: it goes to a temporary file beside the
// target, which Commit() renames over it; Abandon() (or the destructor)
// removes the temporary file and leaves the old document as it was.
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
  bool Write(const void* data, std::size_t size);
  bool Flush();
  bool Close();
  bool Commit();
  void Abandon();

  int error() const { return error_; }
  // The file a replacement is written to until Commit() renames it.
  const std::string& temporaryPath() const { return temporary_; }

 private:
  bool Fail();
  void Unlock();

  int fd_ = -1;
  int targetLock_ = -1;
  std::string target_;
  std::string temporary_;
  int error_ = 0;
};

}  // namespace platform
