#include "platform/link_target.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

namespace kestravane::platform {

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::optional<std::string> LinkTarget(const std::string& path) {
  constexpr int MostLinks = 40;  // as many as the system itself follows
  std::string current = path;
  for (int hop = 0; hop < MostLinks; ++hop) {
    struct stat info;
    if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
    struct stat folder;
    const bool shared = stat(FolderOf(current).c_str(), &folder) == 0 && (folder.st_mode & S_ISVTX) &&
                        (folder.st_mode & S_IWOTH);
    if (shared && info.st_uid != geteuid() && info.st_uid != folder.st_uid) {
      errno = EACCES;
      return std::nullopt;
    }
    std::vector<char> target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : PATH_MAX) + 1);
    const ssize_t length = readlink(current.c_str(), target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) return current;
    const std::string next(target.data(), static_cast<std::size_t>(length));
    current = next.front() == '/' ? next : FolderOf(current) + "/" + next;
  }
  errno = ELOOP;
  return std::nullopt;
}

}  // namespace kestravane::platform
