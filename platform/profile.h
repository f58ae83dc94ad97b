#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Profile (INI) files, read and written one key at a time the way the
// settings code expects of them. Section and key names match without regard
// to case.
//
// Reading never fails: a missing file, section or key gives `fallback`.
// Values come back trimmed of surrounding blanks.
std::string ReadProfileString(const std::string& section, const std::string& key,
                              const std::string& fallback, const std::string& path);

// The leading decimal digits of the value, taken as an unsigned 32-bit number
// (wrapping past 4294967295) and returned as the signed 32-bit number of the
// same bits, so that a negative window position written as an unsigned number
// reads back as itself. A value that does not start with a digit reads as 0;
// an empty one, like a missing one, gives `fallback`.
std::int32_t ReadProfileInt(const std::string& section, const std::string& key,
                            std::int32_t fallback, const std::string& path);

// Sets `key` = `value`, creating the file and its directory when needed.
// Every other section, key and comment stays where it was; a new key goes
// to the end of its section, a new section to the end of the file. Lines are
// written as "key=value". A line break in `value` ends it there, so that a
// value can never add lines of its own to the file. The old file is replaced
// only by a complete new one. Returns false when the file could not be read
// or written; the file is then unchanged.
bool WriteProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& path);

// Makes sure the writes above are on the disk, not only in the system's file
// cache, so that settings saved just before a power cut survive it. Always
// succeeds from the caller's point of view: there is nothing it could do
// about a failure.
void FlushProfile(const std::string& path);

}  // namespace platform
