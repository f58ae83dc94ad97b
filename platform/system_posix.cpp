#include "platform/system.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <vector>

namespace kestravane::platform {

std::int64_t CalendarSeconds() { return static_cast<std::int64_t>(std::time(nullptr)); }

std::string ExecutablePath() {
  std::vector<char> buffer(4096);
  const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (length <= 0) return {};
  return std::string(buffer.data(), static_cast<std::size_t>(length));
}

namespace {

// The folder `variable` names, else `inHome` in the home folder.
std::string UserDirectory(const char* variable, const std::string& inHome) {
  if (const char* set = std::getenv(variable); set && *set) return set;
  if (const char* home = std::getenv("HOME"); home && *home) return std::string(home) + "/" + inHome;
  return inHome;
}

}  // namespace

std::string UserConfigDirectory() { return UserDirectory("XDG_CONFIG_HOME", ".config"); }

std::string UserDataDirectory() { return UserDirectory("XDG_DATA_HOME", ".local/share"); }

bool DirectoryWritable(const std::string& directory) {
  return access(directory.empty() ? "." : directory.c_str(), W_OK | X_OK) == 0;
}

bool FileExists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace kestravane::platform
