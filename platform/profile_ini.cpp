#include "platform/profile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "platform/file.h"
#include "platform/system.h"

// The files are plain bytes in and out; no character set conversion.
#define SI_NO_CONVERSION
#include <SimpleIni.h>

namespace kestravane::platform {

class Profile::Content {
 public:
  Content() {
    ini.SetMultiKey(true);
    ini.SetSpaces(false);
  }
  CSimpleIniA ini;
};

namespace {

// The text of the profile at `path`: empty for a missing file, none for one
// that is no profile.
std::optional<std::string> ProfileText(const std::string& path) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return errno == ENOENT ? std::optional<std::string>("") : std::nullopt;
  // The type is known before the file is opened: opening some devices is
  // already an action.
  if (!S_ISREG(info.st_mode) || static_cast<std::size_t>(info.st_size) > Profile::LargestFile) return std::nullopt;
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  bool failed = fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
                static_cast<std::size_t>(info.st_size) > Profile::LargestFile;
  // One byte more than the file holds tells whether it grew meanwhile.
  std::string text(failed ? 0 : static_cast<std::size_t>(info.st_size) + 1, '\0');
  std::size_t got = 0;
  while (!failed && got < text.size()) {
    const ssize_t step = read(fd, text.data() + got, text.size() - got);
    if (step < 0 && errno == EINTR) continue;
    if (step <= 0) {
      failed = step < 0;
      break;
    }
    got += static_cast<std::size_t>(step);
  }
  close(fd);
  // A file that is being written meanwhile is no profile to go by either,
  // and nor is one with a NUL byte (UTF-16, say), which would be read only
  // up to it.
  if (failed || got == text.size()) return std::nullopt;
  text.resize(got);
  if (text.find('\0') != std::string::npos) return std::nullopt;
  return text;
}

bool IsQuote(char c) { return c == '"' || c == '\''; }

// Blanks around a value are not part of it when it is read, unless quotes
// keep them: a path ending in a blank would otherwise come back as another.
// A value that begins or ends with a quote of its own is quoted too, so that
// reading it takes off only the quotes the writing put on.
bool NeedsQuotes(const std::string& value) {
  if (value.empty()) return false;
  for (const char edge : {value.front(), value.back()})
    if (edge == ' ' || edge == '\t' || IsQuote(edge)) return true;
  return false;
}

}  // namespace

Profile::Profile(std::string path) : path_(std::move(path)), content_(std::make_unique<Content>()) {
  // Without a path there is nowhere to keep settings.
  const std::optional<std::string> text = path_.empty() ? std::nullopt : ProfileText(path_);
  replaceable_ = text && content_->ini.LoadData(*text) == SI_OK;
  if (!replaceable_) content_->ini.Reset();
}

Profile::~Profile() = default;

std::string Profile::String(const std::string& section, const std::string& key, const std::string& fallback) const {
  const char* found = content_->ini.GetValue(section.c_str(), key.c_str(), nullptr);
  if (!found) return fallback;
  const std::string value(found);
  if (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

std::int32_t Profile::Int(const std::string& section, const std::string& key, std::int32_t fallback) const {
  const char* value = content_->ini.GetValue(section.c_str(), key.c_str(), nullptr);
  if (!value || !*value) return fallback;
  std::uint32_t number = 0;
  for (const char* digit = value; *digit >= '0' && *digit <= '9'; ++digit)
    number = number * 10u + static_cast<std::uint32_t>(*digit - '0');
  return static_cast<std::int32_t>(number);
}

void Profile::Set(const std::string& section, const std::string& key, const std::string& value) {
  const std::string oneLine = value.substr(0, value.find_first_of("\r\n"));
  const std::string written = NeedsQuotes(oneLine) ? '"' + oneLine + '"' : oneLine;
  content_->ini.SetValue(section.c_str(), key.c_str(), written.c_str(), nullptr, true);
}

bool Profile::Save() const {
  if (!replaceable_) return false;
  std::string text;
  // A file too large to be read back would lose every setting it holds.
  if (content_->ini.Save(text) != SI_OK || text.size() > LargestFile) return false;
  return static_cast<bool>(ReplaceWholeFile(path_, text));
}

}  // namespace kestravane::platform
