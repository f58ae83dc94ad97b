#pragma once

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <utility>

// Makes a folder refuse new files for as long as it lives. An ordinary user
// is kept out by the permissions; root only by the immutable flag, which not
// every file system offers, so Holds() says whether the lock really holds.
class WriteProtection {
 public:
  explicit WriteProtection(std::string folder) : folder_(std::move(folder)) {
    if (geteuid() == 0)
      SetImmutable(true);
    else
      chmod(folder_.c_str(), 0555);
  }

  ~WriteProtection() {
    if (geteuid() == 0)
      SetImmutable(false);
    else
      chmod(folder_.c_str(), 0755);
  }

  WriteProtection(const WriteProtection&) = delete;
  WriteProtection& operator=(const WriteProtection&) = delete;

  bool Holds() const {
    const std::string probe = folder_ + "/.write-probe";
    const int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0) return true;
    close(fd);
    unlink(probe.c_str());
    return false;
  }

 private:
  void SetImmutable(bool on) const {
    const int fd = open(folder_.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    int flags = 0;
    if (ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
      ioctl(fd, FS_IOC_SETFLAGS, &flags);
    }
    close(fd);
  }

  std::string folder_;
};
