// Feeds arbitrary bytes to the game as its captain's record. Whatever the bytes, reading must neither throw nor convert
// what does not fit, and a record it accepts must hold only what a game can end with, rank its best games among its
// own, and be written back as it was read.

#include <cstdint>
#include <string_view>

#include "document/captains_record_file.h"
#include "fuzz_check.h"

using namespace kestravane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<CaptainsRecord> record =
      ParseCaptainsRecord(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!record) return 0;
  for (const RecordEntry& entry : record->Entries) {
    const int level = static_cast<int>(entry.Difficulty);
    Check(level >= 1 && level <= 3);
    Check(entry.Result == GameEnd::Won || entry.Result == GameEnd::Lost);
  }
  for (const Difficulty level : {Difficulty::Hard, Difficulty::Normal, Difficulty::Easy}) {
    const DifficultyStanding standing = StandingAt(*record, level);
    Check(standing.Played == standing.Won + standing.Lost && standing.Best.size() <= BestCount);
    for (const std::size_t best : standing.Best) Check(best < record->Entries.size());
  }
  Check(ParseCaptainsRecord(CaptainsRecordJson(*record)) == record);
  return 0;
}
