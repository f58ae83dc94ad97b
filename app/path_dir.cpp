#include "app/path_dir.h"

namespace kestravane {

std::string PathDir(const std::string& path) {
  const std::size_t last = path.rfind('/');
  return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

// The root keeps its separator.
std::string InitialDirectory(const std::string& path) {
  std::string directory = PathDir(path);
  if (directory.size() > 1) directory.pop_back();
  return directory;
}

}  // namespace kestravane
