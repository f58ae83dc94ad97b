#include "document/captains_record_file.h"

#include <cerrno>
#include <cstdio>
#include <limits>
#include <nlohmann/json.hpp>

#include "platform/file.h"
#include "platform/system.h"

namespace kestravane {

namespace {

constexpr const char* Format = "kestravane-captains-record";
constexpr int Version = 1;
// Far more than a lifetime of games.
constexpr std::size_t LargestRecord = 16 << 20;
// A record nests three deep (the file, its games, a game); a little more
// leaves room for what a later version may add. The parser's every level
// costs time and memory, so a deeper text is refused before it is parsed.
constexpr int DeepestRecord = 8;

using Json = nlohmann::ordered_json;

Json EntryJson(const RecordEntry& entry) {
  Json json;
  json["ended"] = entry.EndedAt;
  json["difficulty"] = static_cast<int>(entry.Difficulty);
  json["universe"] = entry.Universe ? Json(*entry.Universe) : Json(nullptr);
  json["result"] = entry.Result == GameEnd::Won ? "won" : "lost";
  json["missiles_fired"] = entry.MissilesFired;
  json["fuel_used"] = entry.FuelUsed;
  json["ships_destroyed"] = entry.ShipsDestroyed;
  json["seconds_played"] = entry.SecondsPlayed;
  json["diagnostics"] = entry.Assisted;
  return json;
}

// A whole number of the object's that fits `Number`; a number with a
// fraction or an exponent is none, whatever its value.
template <typename Number>
bool Take(const Json& object, const char* name, Number& number) {
  const auto found = object.find(name);
  if (found == object.end() || !found->is_number_integer()) return false;
  if (found->is_number_unsigned()) {
    const auto value = found->get<std::uint64_t>();
    if (value > static_cast<std::uint64_t>(std::numeric_limits<Number>::max())) return false;
    number = static_cast<Number>(value);
    return true;
  }
  const auto value = found->get<std::int64_t>();
  if (value < static_cast<std::int64_t>(std::numeric_limits<Number>::min())) return false;
  if (value > 0 && static_cast<std::uint64_t>(value) > static_cast<std::uint64_t>(std::numeric_limits<Number>::max()))
    return false;
  number = static_cast<Number>(value);
  return true;
}

// Whether the text's arrays and objects nest no deeper than a record's may,
// counted without parsing it.
bool ShallowEnough(std::string_view text) {
  int depth = 0;
  bool inString = false, escaped = false;
  for (const char c : text) {
    if (inString) {
      if (escaped) escaped = false;
      else if (c == '\\') escaped = true;
      else if (c == '"') inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      if (++depth > DeepestRecord) return false;
    } else if (c == ']' || c == '}') {
      --depth;
    }
  }
  return true;
}

std::optional<RecordEntry> ParseEntry(const Json& json) {
  RecordEntry entry;
  int difficulty = 0;
  const auto universe = json.find("universe");
  const auto result = json.find("result");
  const auto diagnostics = json.find("diagnostics");
  if (!json.is_object() || !Take(json, "ended", entry.EndedAt) || !Take(json, "difficulty", difficulty) ||
      difficulty < 1 || difficulty > 3 || universe == json.end() || result == json.end() ||
      !Take(json, "missiles_fired", entry.MissilesFired) || !Take(json, "fuel_used", entry.FuelUsed) ||
      !Take(json, "ships_destroyed", entry.ShipsDestroyed) || !Take(json, "seconds_played", entry.SecondsPlayed) ||
      diagnostics == json.end() || !diagnostics->is_boolean())
    return std::nullopt;
  entry.Difficulty = static_cast<Difficulty>(difficulty);
  if (!universe->is_null()) {
    std::uint32_t number = 0;
    if (!Take(json, "universe", number)) return std::nullopt;
    entry.Universe = number;
  }
  if (*result != "won" && *result != "lost") return std::nullopt;
  entry.Result = *result == "won" ? GameEnd::Won : GameEnd::Lost;
  entry.Assisted = diagnostics->get<bool>();
  return entry;
}

}  // namespace

std::string CaptainsRecordJson(const CaptainsRecord& record) {
  Json json;
  json["format"] = Format;
  json["version"] = Version;
  Json& games = json["games"] = Json::array();
  for (const RecordEntry& entry : record.Entries) games.push_back(EntryJson(entry));
  return json.dump(2) + '\n';
}

std::optional<CaptainsRecord> ParseCaptainsRecord(std::string_view text) {
  if (text.size() > LargestRecord || !ShallowEnough(text)) return std::nullopt;
  const Json json = Json::parse(text, nullptr, false);
  const auto format = json.find("format");
  int version = 0;
  if (format == json.end() || *format != Format || !Take(json, "version", version) || version != Version)
    return std::nullopt;
  const auto games = json.find("games");
  if (games == json.end() || !games->is_array()) return std::nullopt;
  CaptainsRecord record;
  for (const Json& game : *games) {
    std::optional<RecordEntry> entry = ParseEntry(game);
    if (!entry) return std::nullopt;
    record.Entries.push_back(*entry);
  }
  return record;
}

std::string CaptainsRecordPath() {
  const std::string data = platform::UserDataDirectory();
  return data.empty() ? data : data + "/kestravane/record.json";
}

platform::Result<std::optional<CaptainsRecord>> ReadCaptainsRecord(const std::string& path,
                                                                   std::chrono::milliseconds patience) {
  using Reading = platform::Result<std::optional<CaptainsRecord>>;
  return platform::WhileLocked(patience, [&]() -> Reading {
    platform::File file;
    std::string text;
    if (!file.OpenForReading(path)) return Reading::Failure(file.error());
    if (!file.ReadToEnd(text, LargestRecord)) {
      // Larger than any record is no record; anything else may go by.
      if (file.error() == EFBIG) return std::optional<CaptainsRecord>();
      return Reading::Failure(file.error());
    }
    return ParseCaptainsRecord(text);
  });
}

platform::Result<std::string> SetRecordAside(const std::string& path, std::int64_t now) {
  const std::string aside = path + ".damaged-" + std::to_string(now);
  if (std::rename(path.c_str(), aside.c_str()) != 0) return platform::Result<std::string>::Failure(errno);
  return aside;
}

platform::Status SaveCaptainsRecord(const std::string& path, const CaptainsRecord& record) {
  return platform::ReplaceWholeFile(path, CaptainsRecordJson(record));
}

}  // namespace kestravane
