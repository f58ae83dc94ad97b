#include "platform/file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>

#include "platform/link_target.h"

namespace kestravane::platform {
namespace {

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
  const std::optional<std::string> followed = LinkTarget(path);
  if (!followed) return Fail();
  target_ = *followed;
  struct stat target;
  const bool targetExists = stat(target_.c_str(), &target) == 0;
  if (targetExists && !LockTarget(target.st_mode)) return false;
  const mode_t mode = targetExists ? (target.st_mode & 07777) : 0666;
  if (!replacement_.Open(FolderOf(target_), mode)) return FailAfter(errno);
  fd_ = replacement_.descriptor();
  // The new file keeps the old one's permissions, whatever the umask.
  if (targetExists) fchmod(fd_, mode);
  return true;
}

bool File::LockTarget(mode_t mode) {
  if (!S_ISREG(mode)) {
    errno = S_ISDIR(mode) ? EISDIR : EINVAL;
    return Fail();
  }
  // A document the player may not write, or has made read-only, stays as it is.
  if ((mode & 0222) == 0) {
    errno = EACCES;
    return Fail();
  }
  if (access(target_.c_str(), W_OK) != 0) return Fail();
  targetLock_ = open(target_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (targetLock_ < 0) return Fail();
  if (flock(targetLock_, LOCK_EX | LOCK_NB) != 0) return FailAfter(errno);
  return true;
}

bool File::FailAfter(int error) {
  Unlock();
  errno = error;
  return Fail();
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

bool File::ReadToEnd(std::string& text, std::size_t limit) {
  char buffer[4096];
  for (;;) {
    const ssize_t got = read(fd_, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return Fail();
    if (got == 0) return true;
    text.append(buffer, static_cast<std::size_t>(got));
    if (text.size() > limit) {
      errno = EFBIG;
      return Fail();
    }
  }
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
  if (fd == replacement_.descriptor()) return replacement_.Close() || Fail();
  if (close(fd) != 0) return Fail();
  return true;
}

bool File::Commit() {
  if (!replacement_.RenameOver(target_)) return Fail();
  SyncDirectory(FolderOf(target_));
  Unlock();
  return true;
}

void File::Abandon() {
  if (fd_ >= 0 && fd_ != replacement_.descriptor()) close(fd_);
  fd_ = -1;
  replacement_.Discard();
  Unlock();
}

Status ReplaceWholeFile(const std::string& path, std::string_view content) {
  if (path.empty()) return Status::Failure(ENOENT);
  if (const std::optional<std::string> target = LinkTarget(path)) {
    std::error_code ignored;
    std::filesystem::create_directories(FolderOf(*target), ignored);
  }
  File file;
  if (file.CreateReplacement(path) && file.Write(content.data(), content.size()) && file.Flush() && file.Close() &&
      file.Commit())
    return Done{};
  return Status::Failure(file.error());
}

Result<FolderLock> FolderLock::Take(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return Result<FolderLock>::Failure(errno);
  if (flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
    close(fd);
    return Result<FolderLock>::Failure(EWOULDBLOCK);
  }
  return FolderLock(fd);
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) close(fd_);
}

void File::Unlock() {
  if (targetLock_ >= 0) close(targetLock_);
  targetLock_ = -1;
}

}  // namespace kestravane::platform
