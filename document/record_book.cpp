#include "document/record_book.h"

#include <cerrno>
#include <filesystem>
#include <utility>

#include "platform/file.h"
#include "platform/link_target.h"

namespace kestravane {

using Kind = RecordReport::Kind;

std::optional<Message> RecordMessage(const RecordReport& report) {
  switch (report.kind) {
    case Kind::Kept: return std::nullopt;
    case Kind::SetAside: return MakeMessage(Text::RecordSetAside, report.setAsideAs);
    case Kind::NotSetAside: return MakeMessage(Text::RecordNotSetAside, report.error);
    case Kind::InUse: return MakeMessage(Text::RecordInUse);
    case Kind::NotRead: return MakeMessage(Text::RecordNotRead, report.error);
    case Kind::NotSaved: return MakeMessage(Text::RecordNotSaved, report.error);
  }
  return std::nullopt;
}

RecordBook::RecordBook(std::string path, std::int64_t now, std::chrono::milliseconds patience)
    : path_(std::move(path)), patience_(patience) {
  const auto read = ReadCaptainsRecord(path_, patience_);
  if (read && *read) {
    record_ = std::move(**read);
  } else if (read) {
    // Set aside under the lock, after one more look: another copy may have
    // put a good record in its place meanwhile.
    opened_ = Change([](CaptainsRecord&) {}, now);
  } else if (read.error() == EWOULDBLOCK) {
    opened_.kind = Kind::InUse;
  } else if (read.error() != ENOENT) {
    opened_ = {Kind::NotRead, {}, read.error()};
  }
}

RecordReport RecordBook::Add(const RecordEntry& entry, std::int64_t now) {
  RecordReport report = Change([&](CaptainsRecord& record) { record.Entries.push_back(entry); }, now);
  if (report.kind != Kind::Kept && report.kind != Kind::SetAside) {
    record_.Entries.push_back(entry);
    unsaved_.push_back(entry);
  }
  return report;
}

RecordReport RecordBook::Clear(std::int64_t now) {
  return Change([](CaptainsRecord& record) { record.Entries.clear(); }, now);
}

RecordReport RecordBook::Change(const std::function<void(CaptainsRecord&)>& change, std::int64_t now) {
  if (path_.empty()) return {Kind::NotSaved, {}, ENOENT};
  const std::string folder = platform::FolderOf(path_);
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  CaptainsRecord changed;
  std::string setAsideAs;
  Kind failure = Kind::NotSaved;
  const platform::Status done = platform::WhileLocked(patience_, [&]() -> platform::Status {
    failure = Kind::NotSaved;
    const auto lock = platform::FolderLock::Take(folder);
    if (!lock) return platform::Status::Failure(lock.error());
    const auto read = ReadCaptainsRecord(path_, {});
    if (!read && read.error() != ENOENT) {
      failure = Kind::NotRead;
      return platform::Status::Failure(read.error());
    }
    changed = read && *read ? **read : CaptainsRecord{};
    if (read && !*read) {
      const auto aside = SetRecordAside(path_, now);
      if (!aside) {
        failure = Kind::NotSetAside;
        return platform::Status::Failure(aside.error());
      }
      setAsideAs = *aside;
    }
    changed.Entries.insert(changed.Entries.end(), unsaved_.begin(), unsaved_.end());
    change(changed);
    return SaveCaptainsRecord(path_, changed);
  });
  if (!done) return {done.error() == EWOULDBLOCK ? Kind::InUse : failure, {}, done.error()};
  record_ = std::move(changed);
  unsaved_.clear();
  return setAsideAs.empty() ? RecordReport{} : RecordReport{Kind::SetAside, setAsideAs, 0};
}

}  // namespace kestravane
