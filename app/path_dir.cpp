#include "app/path_dir.h"

namespace kestravane {

namespace {

#ifdef _WIN32
constexpr const char* Separators = "\\/";
// "C:\" and the like: a drive's root keeps its separator.
constexpr std::size_t LongestRoot = 3;
#else
constexpr const char* Separators = "/";
constexpr std::size_t LongestRoot = 1;
#endif

}  // namespace

std::string PathDir(const std::string& path) {
  const std::size_t last = path.find_last_of(Separators);
  return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

std::string InitialDirectory(const std::string& path) {
  std::string directory = PathDir(path);
  if (directory.size() > LongestRoot) directory.pop_back();
  return directory;
}

}  // namespace kestravane
