#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/captains_record.h"
#include "platform/result.h"

namespace kestravane {

// The player's captain's record as the game keeps it: read when the game
// starts, a file that cannot be read set aside for a fresh record, and
// written whole after every change.
class RecordBook {
 public:
  // The record at `path`; `now` names a file set aside.
  RecordBook(std::string path, std::int64_t now);

  CaptainsRecord& record() { return record_; }
  // Where an unreadable record went when the game started; empty when none did.
  const std::string& setAsideAs() const { return setAsideAs_; }

  // Adds `entry` and returns its place in the record.
  std::size_t Add(const RecordEntry& entry);
  // Writes the record.
  platform::Status Save() const;

 private:
  std::string path_;
  CaptainsRecord record_;
  std::string setAsideAs_;
};

}  // namespace kestravane
