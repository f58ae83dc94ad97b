#include "document/captains_record_file.h"

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <variant>

#include "common/file_contents.h"
#include "common/temporary_directory.h"
#include "document/record_book.h"

using namespace kestravane;

namespace {

RecordEntry Game(std::uint32_t missiles, std::optional<std::uint32_t> universe) {
  return {1796000000 + missiles, Difficulty::Hard, universe, GameEnd::Won, missiles, 40, 60, 3600, false};
}

// The record in the file (nothing for a file that is no record), or the error that kept it from being read.
using Found = std::variant<int, std::optional<CaptainsRecord>>;
Found Read(const std::string& path) {
  const auto read = ReadCaptainsRecord(path, {});
  if (!read) return read.error();
  return *read;
}

std::optional<CaptainsRecord> Games(std::initializer_list<std::uint32_t> missiles) {
  CaptainsRecord record;
  for (const std::uint32_t each : missiles) record.Entries.push_back(Game(each, each));
  return record;
}

using Kind = RecordReport::Kind;
constexpr std::chrono::milliseconds Patience{50};

}  // namespace

// Written, its folder made first, and read back (failing_calls_test shows that a save failing halfway leaves the old
// record whole). What is no record is never taken for one, nor parsed at a cost no record has.
TEST(CaptainsRecordFile, ReadsBackWhatItWroteAndRefusesWhatIsNoRecord) {
  const TemporaryDirectory directory;
  const std::string path = directory.File("data/kestravane/record.json");
  CaptainsRecord record{{Game(100, 4294967295u), Game(200, std::nullopt)}};
  record.Entries[1].Result = GameEnd::Lost;
  record.Entries[1].Assisted = true;
  ASSERT_TRUE(SaveCaptainsRecord(path, record));
  EXPECT_EQ(Read(path), Found(record));

  const std::string json = CaptainsRecordJson(record);
  for (const auto& [from, to] :
       {std::pair{"\"won\"", "\"draw\""}, {"4294967295", "4294967296"}, {"\"difficulty\": 1", "\"difficulty\": 4"},
        {"kestravane-captains", "other"}, {"\"diagnostics\": true", "\"diagnostics\": 1"}, {"\"games\"", "\"game\""},
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
  EXPECT_EQ(Read(path), Found(std::nullopt));
}

// Each change reads the file again under a lock: two copies of the game sharing the record keep each other's games,
// clearing included, even when they end games at the same moment.
TEST(RecordBook, KeepsTheGamesOfEveryCopySharingTheRecordAndNeverWritesOverWhatItCouldNotRead) {
  const TemporaryDirectory directory;
  const std::string path = directory.File("kestravane/record.json");
  RecordBook first(path, 1, Patience), second(path, 1, Patience);
  EXPECT_EQ(first.Add(Game(1, 1), 2), RecordReport{});
  EXPECT_EQ(second.Add(Game(2, 2), 3), RecordReport{});
  EXPECT_EQ(Read(path), Found(Games({1, 2})));
  EXPECT_EQ(first.Clear(4), RecordReport{});
  EXPECT_EQ(second.Add(Game(3, 3), 5), RecordReport{});
  EXPECT_EQ(std::optional(second.record()), Games({3}));

  const pid_t child = fork();
  RecordBook copy(path, 6, std::chrono::seconds(10));
  bool saved = true;
  for (std::uint32_t game = 0; game < 25; ++game) saved &= copy.Add(Game(game, child), 7) == RecordReport{};
  if (child == 0) _exit(saved ? 0 : 1);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(saved && WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(std::get<1>(Read(path))->Entries.size(), 51u);  // throws, and so fails, when unread

  // A file another program holds, or a record another copy is changing, is waited for and left as it is; the games
  // not saved meanwhile go in later. Only a file read whole that is no record is set aside. Reports say what happened.
  ASSERT_TRUE(SaveCaptainsRecord(path, *Games({1})));
  std::optional<HeldLock> held(std::in_place, path);
  RecordBook book(path, 2, Patience);
  EXPECT_EQ(book.opened().kind, Kind::InUse);
  EXPECT_EQ(book.Add(Game(2, 2), 3).kind, Kind::InUse);
  held.emplace(directory.File("kestravane"));  // as another copy does while it changes the record
  EXPECT_EQ(book.Add(Game(3, 3), 4).kind, Kind::InUse);
  EXPECT_EQ(std::optional(book.record()), Games({2, 3}));
  held.reset();
  EXPECT_EQ(book.Add(Game(4, 4), 4), RecordReport{});
  EXPECT_EQ(std::pair(Read(path), EntriesIn(directory.File("kestravane"))), std::pair(Found(Games({1, 2, 3, 4})), 1));

  StoreFile(path, "{\"format\": 1}");
  EXPECT_EQ(RecordBook(path, 5, Patience).opened(), (RecordReport{Kind::SetAside, path + ".damaged-5", 0}));
  EXPECT_EQ(FileContents(path + ".damaged-5"), "{\"format\": 1}");
  StoreFile(path, "[]");
  std::filesystem::create_directories(path + ".damaged-6/taken");
  EXPECT_EQ(RecordBook(path, 6, Patience).opened().kind, Kind::NotSetAside);
  EXPECT_EQ(FileContents(path), "[]");

  StoreFile(directory.File("file"), "not a folder");
  RecordBook inAFile(directory.File("file/record.json"), 7, Patience);
  EXPECT_EQ(RecordMessage(inAFile.opened()), MakeMessage(Text::RecordNotRead, ENOTDIR));
  EXPECT_EQ(RecordMessage(inAFile.Add(Game(4, 4), 8)), MakeMessage(Text::RecordNotSaved, ENOTDIR));
  EXPECT_EQ(RecordMessage(book.opened()), MakeMessage(Text::RecordInUse));
}
