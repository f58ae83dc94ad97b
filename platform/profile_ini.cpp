#include "platform/profile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>

#include "platform/system.h"

// The files are plain bytes in and out; no character set conversion.
#define SI_NO_CONVERSION
#include <SimpleIni.h>

namespace platform {
namespace {

// Files written since their last flush. Flushing a file nobody wrote is free,
// which matters because the settings are flushed on every load too.
std::set<std::string> unflushedProfiles;

// A key may appear twice in a file edited by hand: the first one counts, as
// it always has for these files, and the others are kept as they are until
// that key is written.
void PrepareProfile(CSimpleIniA& profile) {
  profile.SetMultiKey(true);
  profile.SetSpaces(false);
}

// Loading the settings reads some thirty keys from one file; its text is
// parsed again only when it differs from the text parsed last time.
const CSimpleIniA* ParsedContent(const std::string& path) {
  static std::string parsedPath;
  static std::string parsedText;
  static CSimpleIniA parsed;
  std::ifstream file(path, std::ios::binary);
  if (!file) return nullptr;
  std::string text{std::istreambuf_iterator<char>(file), {}};
  if (file.bad()) return nullptr;
  if (path == parsedPath && text == parsedText) return &parsed;
  parsedPath.clear();
  parsed.Reset();
  PrepareProfile(parsed);
  if (parsed.LoadData(text) != SI_OK) return nullptr;
  parsedPath = path;
  parsedText = std::move(text);
  return &parsed;
}

std::optional<std::string> FindValue(const std::string& section, const std::string& key,
                                     const std::string& path) {
  const CSimpleIniA* profile = ParsedContent(path);
  if (!profile) return std::nullopt;
  const char* value = profile->GetValue(section.c_str(), key.c_str(), nullptr);
  if (!value) return std::nullopt;
  return std::string(value);
}

// A link to a profile kept elsewhere (a shared dotfiles folder, say) should
// still point there after a write, so the write goes to the file it names.
std::string ResolveLinks(const std::string& path) {
  std::error_code error;
  const std::filesystem::path target = std::filesystem::canonical(path, error);
  return error ? path : target.string();
}

bool WriteAll(int descriptor, const std::string& content) {
  std::size_t written = 0;
  while (written < content.size()) {
    const ssize_t step = write(descriptor, content.data() + written, content.size() - written);
    if (step < 0 && errno == EINTR) continue;
    if (step < 0) return false;
    written += static_cast<std::size_t>(step);
  }
  return true;
}

// The old file stays in place until the new one is complete, so a full disk
// or a crash halfway leaves the previous settings rather than half of them.
bool ReplaceFile(const std::string& target, const std::string& content) {
  std::string temporary = target + ".XXXXXX";
  const int descriptor = mkstemp(temporary.data());
  if (descriptor < 0) return false;
  struct stat existing;
  const mode_t mode = stat(target.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0644;
  const bool written = fchmod(descriptor, mode) == 0 && WriteAll(descriptor, content);
  const bool closed = close(descriptor) == 0;
  if (written && closed && std::rename(temporary.c_str(), target.c_str()) == 0) return true;
  unlink(temporary.c_str());
  return false;
}

void SyncToDisk(const std::string& path, int flags) {
  const int descriptor = open(path.c_str(), flags);
  if (descriptor < 0) return;
  fsync(descriptor);
  close(descriptor);
}

}  // namespace

std::string ReadProfileString(const std::string& section, const std::string& key,
                              const std::string& fallback, const std::string& path) {
  return FindValue(section, key, path).value_or(fallback);
}

std::int32_t ReadProfileInt(const std::string& section, const std::string& key,
                            std::int32_t fallback, const std::string& path) {
  const std::optional<std::string> value = FindValue(section, key, path);
  if (!value || value->empty()) return fallback;
  std::uint32_t number = 0;
  for (const char digit : *value) {
    if (digit < '0' || digit > '9') break;
    number = number * 10u + static_cast<std::uint32_t>(digit - '0');
  }
  return static_cast<std::int32_t>(number);
}

bool WriteProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& path) {
  const std::string target = ResolveLinks(path);
  const std::filesystem::path directory = std::filesystem::path(target).parent_path();
  std::error_code error;
  if (!directory.empty()) std::filesystem::create_directories(directory, error);

  CSimpleIniA profile;
  PrepareProfile(profile);
  if (FileExists(target) && profile.LoadFile(target.c_str()) != SI_OK) return false;
  const std::string oneLine = value.substr(0, value.find_first_of("\r\n"));
  if (profile.SetValue(section.c_str(), key.c_str(), oneLine.c_str(), nullptr, true) < 0) {
    return false;
  }
  std::string content;
  if (profile.Save(content) != SI_OK) return false;
  if (!ReplaceFile(target, content)) return false;
  unflushedProfiles.insert(target);
  return true;
}

void FlushProfile(const std::string& path) {
  const std::string target = ResolveLinks(path);
  if (unflushedProfiles.erase(target) == 0) return;
  SyncToDisk(target, O_RDONLY);
  const std::filesystem::path directory = std::filesystem::path(target).parent_path();
  SyncToDisk(directory.empty() ? "." : directory.string(), O_RDONLY | O_DIRECTORY);
}

}  // namespace platform
