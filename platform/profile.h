#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace kestravane::platform {

// A profile (INI) file, read once, changed in memory and written back whole.
// Section and key names match without regard to case.
class Profile {
 public:
  // A settings file is a few kilobytes; anything larger than this is not
  // one, and reading it would only cost time and memory.
  static constexpr std::size_t LargestFile = 1024 * 1024;

  // The profile in the file at `path`. A missing file gives an empty
  // profile. So does a file that cannot be read as a profile: one that is
  // not a regular file (a folder, a pipe, a device, or a link to one of
  // them), one larger than LargestFile, one with a NUL byte, or one this
  // user may not read. Reading never waits on a pipe or a device.
  explicit Profile(std::string path);

  // False for a file that was there but could not be read as a profile: it
  // is never replaced.
  bool Readable() const { return replaceable_; }
  ~Profile();
  Profile(const Profile&) = delete;
  Profile& operator=(const Profile&) = delete;

  // The value trimmed of surrounding blanks, then of one pair of matching
  // quotes around it (" or '); a missing section or key gives `fallback`. A
  // key found twice in a file edited by hand counts once, the first time; the
  // others stay in the file until that key is set.
  std::string String(const std::string& section, const std::string& key, const std::string& fallback) const;

  // The leading decimal digits of the value, taken as an unsigned 32-bit
  // number (wrapping past 4294967295) and returned as the signed 32-bit
  // number of the same bits, so that a negative window position written as
  // an unsigned number reads back as itself. A value that does not start
  // with a digit reads as 0; an empty one, like a missing one, gives
  // `fallback`.
  std::int32_t Int(const std::string& section, const std::string& key, std::int32_t fallback) const;

  // Sets `key` = `value`. Every other section, key and comment stays where
  // it was; a new key goes to the end of its section, a new section to the
  // end of the profile. A line break in `value` ends it there, so that a
  // value can never add lines of its own to the file. A value with a blank or
  // a quote at either end is written in double quotes, so that it reads back
  // whole.
  void Set(const std::string& section, const std::string& key, const std::string& value);

  // Writes the profile as "key=value" lines in place of the file, creating
  // its folder when needed, in one rename: the old file stays whole until
  // the new one is complete and on the disk. A link is followed to the file
  // it names. A file that could not be read as a profile, or that nobody may
  // write (mode 444, say), is left as it is, and so is one that would grow
  // past LargestFile. False when the file was not written.
  bool Save() const;

 private:
  class Content;

  std::string path_;
  std::unique_ptr<Content> content_;
  bool replaceable_ = true;
};

}  // namespace kestravane::platform
