#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/captains_record.h"
#include "platform/result.h"

namespace kestravane {

// The captain's record on disk: a small JSON file of its own, replaced whole
// like a document, so that a write killed or failed midway leaves the old
// record as it was.

// The record as JSON, as the file holds it.
std::string CaptainsRecordJson(const CaptainsRecord& record);
// The record in `json`; nothing when it is not the game's record, or holds
// what no game can. Never throws, whatever the text.
std::optional<CaptainsRecord> ParseCaptainsRecord(std::string_view json);

// Where the player's record is kept: kestravane/record.json in the user's
// data folder; empty when the user has none, and the record is not kept.
std::string CaptainsRecordPath();

// How long a reader or a writer of the record waits for another program that
// holds it, as another copy of the game does while it saves.
inline constexpr std::chrono::milliseconds RecordPatience{1000};

// The file at `path` read whole: the record, or nothing when it is not the
// game's record (or is larger than any record). A failure carries the
// system's error number: ENOENT when there is no file yet, EWOULDBLOCK when
// another program held it longer than `patience`.
platform::Result<std::optional<CaptainsRecord>> ReadCaptainsRecord(const std::string& path,
                                                                   std::chrono::milliseconds patience);

// Renames the file at `path` to PATH.damaged-SECONDS (`now`), for a fresh
// record to start in its place, and returns that name.
platform::Result<std::string> SetRecordAside(const std::string& path, std::int64_t now);

// Writes the record to `path`, making its folder first.
platform::Status SaveCaptainsRecord(const std::string& path, const CaptainsRecord& record);

}  // namespace kestravane
