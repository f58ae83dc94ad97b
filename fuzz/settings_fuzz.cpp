// Feeds arbitrary bytes to the game as its settings file, and puts other
// things in its place too: a folder, a pipe, a link to a device node of the
// fuzzer's own (made when root) or to the real file, a read-only file and a
// file past the size limit. Whatever it finds, loading must give settings
// the game can use without waiting, and saving must keep them or leave alone
// what is no settings file.

#include <stdlib.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/settings.h"
#include "platform/profile.h"

using namespace kestravane;

namespace {

namespace fs = std::filesystem;

void Check(bool condition) {
  if (!condition) std::abort();
}

enum class Stand { File, ReadOnly, Folder, Pipe, Device, Link, Oversized };

// A control character first, which no settings file starts with, puts
// something else in the file's place; any other input is the file itself.
Stand StandFor(std::uint8_t first) {
  switch (first) {
    case 1: return Stand::ReadOnly;
    case 2: return Stand::Folder;
    case 3: return Stand::Pipe;
    case 4: return Stand::Device;
    case 5: return Stand::Link;
    case 6: return Stand::Oversized;
    default: return Stand::File;
  }
}

// The fuzzer's own folder, with the system profile in it, emptied after
// every input and removed when the fuzzer ends.
class Scratch {
 public:
  Scratch() {
    path_ = fs::temp_directory_path() / ("kestravane-fuzz-settings-" + std::to_string(getpid()));
    std::error_code ignored;
    fs::remove_all(path_, ignored);
    if (!fs::create_directory(path_, ignored)) std::abort();
    // Once for the whole run: every change of the environment costs memory
    // that is never given back.
    setenv("XDG_CONFIG_HOME", (path_ / "config").c_str(), 1);
  }
  ~Scratch() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

  fs::path File(const char* name) const { return path_ / name; }

  // What the last input left goes before the next.
  void Empty() const {
    std::error_code ignored;
    for (const fs::directory_entry& entry : fs::directory_iterator(path_)) fs::remove_all(entry.path(), ignored);
  }

 private:
  fs::path path_;
};

void Write(const fs::path& file, const std::string& content) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

void CheckUsable(const AppSettings& settings) {
  const int level = static_cast<int>(settings.Difficulty);
  Check(level >= 1 && level <= 3);
  Check(settings.FileSpec.size() <= FileSpecLength);
}

// Puts what the selector chose in the settings file's place; true when it is
// a settings file the game may read and replace: one without a NUL byte.
bool Stage(Stand stand, const std::string& content, const Scratch& folder, const fs::path& ini) {
  const bool text = content.find('\0') == std::string::npos;
  switch (stand) {
    case Stand::File: Write(ini, content); return text;
    case Stand::ReadOnly:
      Write(ini, content);
      chmod(ini.c_str(), 0444);
      return false;
    case Stand::Folder: fs::create_directory(ini); return false;
    case Stand::Pipe: Check(mkfifo(ini.c_str(), 0644) == 0); return false;
    case Stand::Device:
      // An endless source of zero bytes, never the system's own node.
      if (mknod(folder.File("zero").c_str(), S_IFCHR | 0600, makedev(1, 5)) == 0)
        fs::create_symlink(folder.File("zero"), ini);
      else
        Check(mkfifo(ini.c_str(), 0644) == 0);
      return false;
    case Stand::Link:
      Write(folder.File("elsewhere.ini"), content);
      fs::create_symlink("elsewhere.ini", ini);
      return text;
    case Stand::Oversized:
      // The content, then nothing but a hole in the file up to past the limit.
      Write(ini, content);
      fs::resize_file(ini, platform::Profile::LargestFile + 1 + content.size());
      return false;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const Stand stand = StandFor(data[0]);
  const std::size_t skip = stand == Stand::File ? 0 : 1;
  const std::string content(reinterpret_cast<const char*>(data + skip), size - skip);
  static const Scratch folder;
  folder.Empty();
  const fs::path ini = folder.File("kestravane.ini");
  const std::string path = ini.string();
  const bool replaceable = Stage(stand, content, folder, ini);
  const fs::file_status before = fs::symlink_status(ini);
  const std::uintmax_t sizeBefore = fs::is_regular_file(before) ? fs::file_size(ini) : 0;

  const AppSettings loaded = LoadSettings(path);
  CheckUsable(loaded);
  // Only a read-only file is read without being replaced; anything else the
  // game cannot replace gives the defaults, and the game says so.
  AppSettings defaults = LoadSettings(folder.File("none.ini").string());
  defaults.Unreadable = true;
  if (!replaceable && stand != Stand::ReadOnly) Check(loaded == defaults);

  AppSettings changed = loaded;
  changed.Difficulty = static_cast<Difficulty>(static_cast<int>(loaded.Difficulty) % 3 + 1);
  changed.MainPlacement.Left = ~loaded.MainPlacement.Left;
  SaveSettings(changed, path);
  if (replaceable) {
    Check(LoadSettings(path) == changed);
    Check(fs::symlink_status(ini).type() == before.type());
  } else {
    const fs::file_status after = fs::symlink_status(ini);
    Check(after.type() == before.type() && after.permissions() == before.permissions());
    if (fs::is_regular_file(after)) Check(fs::file_size(ini) == sizeBefore);
  }
  return 0;
}
