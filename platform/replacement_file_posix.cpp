#include "platform/replacement_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace kestravane::platform {
namespace {

constexpr std::string_view CopyPrefix = ".kestravane-saving-";

// The process's number, then letters no one can guess, so that nobody can
// take the names a save will try beforehand.
std::string CopyName(pid_t pid) {
  static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  unsigned char random[12] = {};
  if (getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) {
    const auto clock = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    for (std::size_t i = 0; i < sizeof random; ++i) random[i] ^= static_cast<unsigned char>(clock >> (i % 8 * 8));
  }
  std::string name = std::string(CopyPrefix) + std::to_string(pid) + "-";
  for (const unsigned char byte : random) name += Letters[byte % (sizeof Letters - 1)];
  return name;
}

// The process that named a copy, when the name is one of ours.
pid_t CopyOwner(std::string_view name) {
  if (name.substr(0, CopyPrefix.size()) != CopyPrefix) return 0;
  name.remove_prefix(CopyPrefix.size());
  const auto dash = name.find('-');
  if (dash == 0 || dash == std::string_view::npos) return 0;
  pid_t pid = 0;
  for (const char digit : name.substr(0, dash)) {
    if (digit < '0' || digit > '9' || pid > 9999999) return 0;
    pid = pid * 10 + (digit - '0');
  }
  return pid;
}

// A copy whose process has ended was left by a save that was killed or
// crashed; one of a running process may be a save in progress.
void RemoveAbandonedCopies(const std::string& folder) {
  DIR* listing = opendir(folder.c_str());
  if (!listing) return;
  while (const dirent* entry = readdir(listing)) {
    const pid_t owner = CopyOwner(entry->d_name);
    if (owner <= 0 || kill(owner, 0) == 0 || errno != ESRCH) continue;
    struct stat info;
    if (fstatat(dirfd(listing), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (!S_ISREG(info.st_mode) || info.st_uid != geteuid()) continue;
    unlinkat(dirfd(listing), entry->d_name, 0);
  }
  closedir(listing);
}

bool CanNameLater() {
  // A nameless file is linked in through /proc, or directly with the
  // privilege root has.
  return geteuid() == 0 || access("/proc/self/fd", X_OK) == 0;
}

}  // namespace

bool ReplacementFile::Open(const std::string& folder, mode_t mode) {
  Discard();
  folder_ = folder;
  RemoveAbandonedCopies(folder_);
  if (CanNameLater()) {
    if (OpenNameless(mode)) return true;
    // Only a file system without nameless files is worth another try.
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return false;
  }
  return OpenNamed(mode);
}

bool ReplacementFile::OpenNameless(mode_t mode) {
  fd_ = open(folder_.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, mode);
  return fd_ >= 0;
}

bool ReplacementFile::OpenNamed(mode_t mode) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    name_ = folder_ + "/" + CopyName(getpid());
    fd_ = open(name_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd_ >= 0) return true;
    if (errno != EEXIST) break;
  }
  name_.clear();
  return false;
}

bool ReplacementFile::GiveName() {
  const std::string self = "/proc/self/fd/" + std::to_string(fd_);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name = folder_ + "/" + CopyName(getpid());
    if (linkat(fd_, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) != 0 &&
        linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) != 0) {
      if (errno == EEXIST) continue;
      return false;
    }
    name_ = name;
    return true;
  }
  return false;
}

bool ReplacementFile::Close() {
  if (name_.empty() && !GiveName()) return false;
  const int fd = fd_;
  fd_ = -1;
  return close(fd) == 0;
}

bool ReplacementFile::RenameOver(const std::string& target) {
  if (std::rename(name_.c_str(), target.c_str()) != 0) return false;
  name_.clear();
  return true;
}

void ReplacementFile::Discard() {
  const int error = errno;
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  if (!name_.empty()) unlink(name_.c_str());
  name_.clear();
  errno = error;
}

}  // namespace kestravane::platform
