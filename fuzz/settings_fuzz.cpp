// Feeds arbitrary bytes to the game as its settings file, also behind a link, in a read-only file and at the start of a
// file past the size limit. Whatever it finds, loading must give settings the game can use, and saving must keep them
// or leave alone what is no settings file. (A folder, a pipe or a device in the file's place holds no bytes to vary:
// the settings test tries each of them once.)

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/settings.h"
#include "fuzz_check.h"
#include "platform/profile.h"

using namespace kestravane;
namespace fs = std::filesystem;

namespace {

// A control character first, which no settings file starts with, puts
// something else in the file's place; any other input is the file itself.
enum Stand { File, ReadOnly, Link, Oversized };

// The fuzzer's own folder, emptied before every input and removed when the fuzzer ends.
struct Scratch {
  const fs::path path = fs::temp_directory_path() / ("kestravane-fuzz-settings-" + std::to_string(getpid()));
  mutable std::error_code ignored;

  Scratch() {
    fs::remove_all(path, ignored);
    Check(fs::create_directory(path, ignored));
    // Once for the whole run: every change of the environment costs memory that is never given back.
    setenv("XDG_CONFIG_HOME", (path / "config").c_str(), 1);
  }
  ~Scratch() { fs::remove_all(path, ignored); }
  void Empty() const {
    for (const fs::directory_entry& entry : fs::directory_iterator(path)) fs::remove_all(entry.path(), ignored);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const Stand stand = data[0] >= ReadOnly && data[0] <= Oversized ? Stand(data[0]) : File;
  const std::string content(reinterpret_cast<const char*>(data) + (stand != File), size - (stand != File));
  static const Scratch folder;
  folder.Empty();
  const fs::path ini = folder.path / "kestravane.ini";
  std::ofstream(stand == Link ? folder.path / "elsewhere.ini" : ini, std::ios::binary) << content;
  if (stand == ReadOnly) chmod(ini.c_str(), 0444);
  if (stand == Link) fs::create_symlink("elsewhere.ini", ini);
  // The content, then nothing but a hole in the file up to past the limit.
  if (stand == Oversized) fs::resize_file(ini, platform::Profile::LargestFile + 1 + content.size());
  // The game may read and replace a settings file without a NUL byte.
  const bool replaceable = (stand == File || stand == Link) && content.find('\0') == std::string::npos;
  const fs::file_status before = fs::symlink_status(ini);
  const std::uintmax_t sizeBefore = fs::is_regular_file(before) ? fs::file_size(ini) : 0;

  const AppSettings loaded = LoadSettings(ini.string());
  Check(static_cast<int>(loaded.Difficulty) >= 1 && static_cast<int>(loaded.Difficulty) <= 3);
  Check(loaded.FileSpec.size() <= FileSpecLength);
  // Only a read-only file is read without being replaced; anything else the
  // game cannot replace gives the defaults, and the game says so.
  AppSettings defaults = LoadSettings((folder.path / "none.ini").string());
  defaults.Unreadable = true;
  if (!replaceable && stand != ReadOnly) Check(loaded == defaults);

  AppSettings changed = loaded;
  changed.Difficulty = static_cast<Difficulty>(static_cast<int>(loaded.Difficulty) % 3 + 1);
  changed.MainPlacement.Left = ~loaded.MainPlacement.Left;
  SaveSettings(changed, ini.string());
  if (replaceable) {
    Check(LoadSettings(ini.string()) == changed);
    Check(fs::symlink_status(ini).type() == before.type());
  } else {
    const fs::file_status after = fs::symlink_status(ini);
    Check(after.type() == before.type() && after.permissions() == before.permissions());
    if (fs::is_regular_file(after)) Check(fs::file_size(ini) == sizeBefore);
  }
  return 0;
}
