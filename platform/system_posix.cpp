#include "platform/system.h"

#include <pwd.h>
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

// The folder `variable` names when it is an absolute path, as the XDG rules
// ask (a relative one would be a folder of wherever the game was started),
// else `inHome` in the user's home: $HOME, else the password database's.
// Empty when the user has no home at all.
std::string UserDirectory(const char* variable, const std::string& inHome) {
  if (const char* set = std::getenv(variable); set && *set == '/') return set;
  std::string home;
  if (const char* variableHome = std::getenv("HOME"); variableHome && *variableHome == '/') {
    home = variableHome;
  } else if (const passwd* user = getpwuid(getuid()); user && user->pw_dir && *user->pw_dir == '/') {
    home = user->pw_dir;
  }
  return home.empty() ? home : home + "/" + inHome;
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
