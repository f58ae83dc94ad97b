// Feeds arbitrary bytes to the game as its settings file. Whatever the bytes,
// loading must give settings the game can use.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "app/settings.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string directory = [] {
    std::string pattern = "/tmp/kestravane-fuzz-settings-XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    setenv("XDG_CONFIG_HOME", pattern.c_str(), 1);
    return pattern;
  }();
  const std::string ini = directory + "/kestravane.ini";
  {
    std::ofstream out(ini, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }

  const AppSettings loaded = LoadSettings(ini);
  Check(loaded.Difficulty >= 1 && loaded.Difficulty <= 3);
  Check(std::memchr(loaded.FileSpec.data(), '\0', loaded.FileSpec.size()) != nullptr);

  return 0;
}
