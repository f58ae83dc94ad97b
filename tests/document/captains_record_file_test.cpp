#include "document/captains_record_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "common/file_contents.h"
#include "common/killed_midway.h"
#include "common/temporary_directory.h"

using namespace kestravane;

namespace {

RecordEntry Game(std::uint32_t missiles, std::optional<std::uint32_t> universe) {
  return {1796000000 + missiles, Difficulty::Hard, universe, GameEnd::Won, missiles, 40, 60, 3600, false};
}

}  // namespace

// Written, read back, and written again after a write killed halfway: the
// old record is whole. A file that is not a record is never taken for one,
// nor is it parsed at a cost no record has.
TEST(CaptainsRecordFile, SurvivesAKilledWriteAndRefusesWhatIsNoRecord) {
  const TemporaryDirectory directory;
  const std::string path = directory.File("data/kestravane/record.json");
  EXPECT_EQ(ReadCaptainsRecord(path), CaptainsRecord{}) << "no record yet";
  CaptainsRecord record{{Game(100, 4294967295u), Game(200, std::nullopt)}};
  record.Entries[1].Result = GameEnd::Lost;
  record.Entries[1].Diagnostics = true;
  ASSERT_TRUE(SaveCaptainsRecord(path, record)) << "its folder made first";
  EXPECT_EQ(ReadCaptainsRecord(path), record);
  CaptainsRecord longer = record;
  longer.Entries.resize(5000, Game(7, 0));
  ASSERT_TRUE(KilledMidway(FileContents(path).size() + 4096, [&] { SaveCaptainsRecord(path, longer); }));
  EXPECT_EQ(ReadCaptainsRecord(path), record);

  const std::string json = CaptainsRecordJson(record);
  for (const auto& [from, to] :
       {std::pair{"\"won\"", "\"draw\""}, {"4294967295", "4294967296"}, {"\"difficulty\": 1", "\"difficulty\": 4"},
        {"kestravane-captains", "other"}, {"\"diagnostics\": true", "\"diagnostics\": 1"}, {"\"games\"", "\"game\""},
        {"\"kestravane-captains-record\"", "1"}, {"\"kestravane-captains-record\"", "null"},
        {"\"version\": 1", "\"version\": \"1\""}, {"\"version\": 1", "\"version\": 1.18e20"},
        {"\"version\": 1", "\"version\": 1.0"}, {"\"ended\": 1796000100", "\"ended\": 18446744073709551615"},
        {"\"fuel_used\": 40", "\"fuel_used\": -1"}, {"\"seconds_played\": 3600", "\"seconds_played\": 36e2"}}) {
    std::string damaged = json;
    damaged.replace(damaged.find(from), std::string(from).size(), to);
    EXPECT_FALSE(ParseCaptainsRecord(damaged)) << to;
  }
  const auto started = std::chrono::steady_clock::now();
  EXPECT_FALSE(ParseCaptainsRecord(std::string(16 << 20, '[')));
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(3)) << "deep nesting refused unparsed";
  StoreFile(path, json.substr(0, json.size() / 2));
  EXPECT_FALSE(ReadCaptainsRecord(path));
  EXPECT_EQ(SetRecordAside(path, 1796), path + ".damaged-1796");
  EXPECT_EQ(FileContents(path + ".damaged-1796"), json.substr(0, json.size() / 2));
  EXPECT_EQ(ReadCaptainsRecord(path), CaptainsRecord{});
}
