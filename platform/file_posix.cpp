#include "platform/file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace platform {
namespace {

std::string DirectoryOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes a completed rename survive a power cut.
void SyncDirectory(const std::string& directory) {
  const int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

File::~File() { Abandon(); }

bool File::Fail() {
  error_ = errno;
  return false;
}

bool File::OpenForReading(const std::string& path) {
  // Opened without blocking so that a pipe or device name cannot hang the game.
  fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd_ < 0) return Fail();
  struct stat info;
  if (fstat(fd_, &info) != 0) return Fail();
  if (S_ISDIR(info.st_mode)) {
    errno = EISDIR;
    return Fail();
  }
  if (!S_ISREG(info.st_mode)) {
    errno = EINVAL;
    return Fail();
  }
  if (flock(fd_, LOCK_SH | LOCK_NB) != 0) return Fail();
  if (fcntl(fd_, F_SETFL, 0) != 0) return Fail();
  return true;
}

bool File::CreateReplacement(const std::string& path) {
  struct stat target;
  const bool targetExists = stat(path.c_str(), &target) == 0;
  if (targetExists) {
    if (!S_ISREG(target.st_mode)) {
      errno = S_ISDIR(target.st_mode) ? EISDIR : EINVAL;
      return Fail();
    }
    // A document the player may not write stays as it is.
    if (access(path.c_str(), W_OK) != 0) return Fail();
    targetLock_ = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (targetLock_ < 0) return Fail();
    if (flock(targetLock_, LOCK_EX | LOCK_NB) != 0) {
      const int lockError = errno;
      Unlock();
      errno = lockError;
      return Fail();
    }
  }

  const mode_t mode = targetExists ? (target.st_mode & 07777) : 0666;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary_ = path + ".saving-" + std::to_string(getpid()) + "-" + std::to_string(attempt);
    fd_ = open(temporary_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd_ >= 0 || errno != EEXIST) break;
  }
  if (fd_ < 0) {
    const int createError = errno;
    temporary_.clear();
    Unlock();
    errno = createError;
    return Fail();
  }
  if (targetExists) fchmod(fd_, mode);
  flock(fd_, LOCK_EX | LOCK_NB);
  target_ = path;
  return true;
}

bool File::Rewind() {
  if (lseek(fd_, 0, SEEK_SET) != 0) return Fail();
  return true;
}

bool File::Read(void* data, std::size_t size) {
  auto* at = static_cast<char*>(data);
  std::size_t done = 0;
  while (done < size) {
    errno = 0;
    const ssize_t got = read(fd_, at + done, size - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return Fail();
    done += static_cast<std::size_t>(got);
  }
  error_ = 0;
  return true;
}

bool File::Write(const void* data, std::size_t size) {
  const auto* at = static_cast<const char*>(data);
  std::size_t done = 0;
  while (done < size) {
    errno = 0;
    const ssize_t put = write(fd_, at + done, size - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return Fail();
    done += static_cast<std::size_t>(put);
  }
  error_ = 0;
  return true;
}

bool File::Flush() {
  if (fsync(fd_) != 0) return Fail();
  return true;
}

bool File::Close() {
  const int fd = fd_;
  fd_ = -1;
  if (close(fd) != 0) return Fail();
  return true;
}

bool File::Commit() {
  if (rename(temporary_.c_str(), target_.c_str()) != 0) return Fail();
  temporary_.clear();
  SyncDirectory(DirectoryOf(target_));
  Unlock();
  return true;
}

void File::Abandon() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  if (!temporary_.empty()) unlink(temporary_.c_str());
  temporary_.clear();
  Unlock();
}

void File::Unlock() {
  if (targetLock_ >= 0) close(targetLock_);
  targetLock_ = -1;
}

}  // namespace platform
