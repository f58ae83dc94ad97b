#pragma once

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// The whole content of a file as bytes in a string; empty when it cannot be read.
inline std::string FileContents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

inline void StoreFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// How many entries a folder holds, to see that nothing was left beside a file.
inline int EntriesIn(const std::filesystem::path& folder) {
  return static_cast<int>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

// Another program's flock on a file or a folder, held for as long as this lives.
struct HeldLock {
  int fd;
  explicit HeldLock(const std::string& path, int operation = LOCK_EX) : fd(open(path.c_str(), O_RDONLY)) {
    flock(fd, operation);
  }
  HeldLock(const HeldLock&) = delete;
  ~HeldLock() { close(fd); }
};
