#include "document/record_book.h"

#include <utility>

#include "document/captains_record_file.h"

namespace kestravane {

RecordBook::RecordBook(std::string path, std::int64_t now) : path_(std::move(path)) {
  if (std::optional<CaptainsRecord> read = ReadCaptainsRecord(path_)) {
    record_ = std::move(*read);
  } else {
    setAsideAs_ = SetRecordAside(path_, now);
  }
}

std::size_t RecordBook::Add(const RecordEntry& entry) {
  record_.Entries.push_back(entry);
  return record_.Entries.size() - 1;
}

platform::Status RecordBook::Save() const { return SaveCaptainsRecord(path_, record_); }

}  // namespace kestravane
