#include "support/library.h"

#include "platform/system.h"

namespace kestravane {

namespace {

std::string_view FileNameOf(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

LibraryState ProgramPaths() {
  LibraryState library;
  library.ModulePath = platform::ExecutablePath();
  library.IniPath = IniPathFor(library.ModulePath);
  return library;
}

std::string PathBase(std::string_view path) {
  const std::string_view name = FileNameOf(path);
  const std::size_t nameStart = path.size() - name.size();
  const std::size_t firstNonDot = name.find_first_not_of('.');
  if (firstNonDot == std::string_view::npos) return std::string(path);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || dot < firstNonDot) return std::string(path);
  return std::string(path.substr(0, nameStart + dot));
}

const char* const InstalledLibraryFolder = KESTRAVANE_LIBRARY_FROM_PROGRAM;

std::string IniPathFor(std::string_view modulePath) {
  const std::string besideModule = PathBase(modulePath) + ".ini";
  const std::string_view name = FileNameOf(besideModule);
  const std::string directory(besideModule, 0, besideModule.size() - name.size());
  // An installed program's folder is shared by every user of the machine,
  // even when the one running the game may write to it (root in /usr/bin).
  const bool installed = platform::DirectoryExists(directory + InstalledLibraryFolder);
  if (!installed && platform::DirectoryWritable(directory)) return besideModule;
  const std::string config = platform::UserConfigDirectory();
  return config.empty() ? config : config + "/kestravane/" + std::string(name);
}

}  // namespace kestravane
