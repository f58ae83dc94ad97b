#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "document/captains_record_file.h"
#include "engine/captains_record.h"
#include "engine/message.h"

namespace kestravane {

// What became of the record file at one of the book's steps.
struct RecordReport {
  enum class Kind {
    Kept,         // read, or written, as it should be
    SetAside,     // it was no record: it was renamed `setAsideAs`, and a fresh record started
    NotSetAside,  // it was no record, and could not be renamed: it was left as it is
    InUse,        // another program held it all the while: it was left as it is
    NotRead,      // it could not be read: it was left as it is
    NotSaved,     // the record could not be written
  } kind = Kind::Kept;
  std::string setAsideAs;
  int error = 0;  // the system's error number, for NotSetAside, NotRead and NotSaved

  bool operator==(const RecordReport&) const = default;
};

// The status line that tells the player what happened; nothing when all went
// as it should.
std::optional<Message> RecordMessage(const RecordReport& report);

// The player's captain's record as the game keeps it. It is read when the game
// starts, and read again at every change under a lock that every copy of the
// game takes, so that a change never writes over the games another copy has
// added meanwhile. Only a file read whole that is no record is set aside for
// a fresh record; one that cannot be read just now is never written over. A
// game that could not be saved stays in the book and goes into the file with
// the next change.
class RecordBook {
 public:
  // The record at `path`, none being an empty one; `now` names a file set
  // aside. Another program holding the file is waited for as long as
  // `patience`.
  RecordBook(std::string path, std::int64_t now, std::chrono::milliseconds patience = RecordPatience);

  // The games as the file held them at the last step, then those not saved yet.
  const CaptainsRecord& record() const { return record_; }
  // What became of the file when the book was opened.
  const RecordReport& opened() const { return opened_; }

  // Adds `entry`, the last of the record from now on, saved or not.
  RecordReport Add(const RecordEntry& entry, std::int64_t now);
  // Empties the record; when that cannot be saved, it stays as it was.
  RecordReport Clear(std::int64_t now);

 private:
  // Reads the file again, with the games not saved yet after it, changes it
  // and writes it, all under the lock.
  RecordReport Change(const std::function<void(CaptainsRecord&)>& change, std::int64_t now);

  std::string path_;
  std::chrono::milliseconds patience_;
  CaptainsRecord record_;
  std::vector<RecordEntry> unsaved_;
  RecordReport opened_;
};

}  // namespace kestravane
