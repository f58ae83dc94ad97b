// Saves made while the system calls they rest on fail, through the linker's --wrap: a flush to disk or a rename that
// fails is reported, never taken for a save, and the old file stays whole. The wrapper also sees what saves rename.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cerrno>
#include <set>

#include "common/file_contents.h"
#include "common/temporary_directory.h"
#include "document/game_file_io.h"
#include "document/record_book.h"

using namespace kestravane;

namespace {

enum class Failing { Nothing, Fsync, Rename };
Failing failing = Failing::Nothing;
std::vector<std::string> renamedFrom;
int foldersSynced = 0;

}  // namespace

extern "C" {
int __real_fsync(int fd);
int __real_rename(const char* from, const char* to);

int __wrap_fsync(int fd) {
  struct stat info {};
  foldersSynced += fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
  if (failing != Failing::Fsync) return __real_fsync(fd);
  errno = EIO;
  return -1;
}

int __wrap_rename(const char* from, const char* to) {
  renamedFrom.emplace_back(from);
  if (failing != Failing::Rename) return __real_rename(from, to);
  errno = EIO;
  return -1;
}
}

TEST(FailingCalls, ASaveWhoseFlushOrRenameFailsIsReportedAndTheOldFileStaysWhole) {
  const TemporaryDirectory directory;
  const std::string game = directory.File("game.war"), record = directory.File("kestravane/record.json");
  StoreFile(game, "the old game");
  RecordBook book(record, 1, {});
  ASSERT_EQ(book.Add({}, 1), RecordReport{});
  const std::string oldRecord = FileContents(record);
  // A rename lasts through a power cut once its folder is synced.
  foldersSynced = 0;
  ASSERT_FALSE(WriteGameDocument(directory.File("saved.war"), {}));
  EXPECT_EQ(foldersSynced, 1);
  for (const Failing call : {Failing::Fsync, Failing::Rename}) {
    failing = call;
    const auto failure = WriteGameDocument(game, {});
    const RecordReport report = book.Add({}, 2);
    failing = Failing::Nothing;
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->Warning, call == Failing::Fsync ? MakeMessage(Text::FlushFailed, game, EIO)
                                                       : MakeMessage(Text::RenameFailed, game, game, EIO));
    EXPECT_EQ(report, (RecordReport{RecordReport::Kind::NotSaved, {}, EIO}));
    EXPECT_TRUE(FileContents(game) == "the old game" && FileContents(record) == oldRecord);
    EXPECT_TRUE(EntriesIn(directory.path()) == 3 && EntriesIn(directory.File("kestravane")) == 1)
        << "no unfinished copy is left";
  }
}

TEST(FailingCalls, TheCopyASaveRenamesIntoPlaceHasANameNoOneCanGuessBeforehand) {
  const TemporaryDirectory directory;
  renamedFrom.clear();
  for (int save = 0; save < 40; ++save) ASSERT_FALSE(WriteGameDocument(directory.File("game.war"), {}));
  ASSERT_EQ(renamedFrom.size(), 40u);
  const std::string start = directory.File(".kestravane-saving-" + std::to_string(getpid()) + "-");
  std::set<char> drawn;
  for (const std::string& name : renamedFrom) {
    ASSERT_EQ(name.substr(0, start.size()), start);
    const std::string random = name.substr(start.size());
    EXPECT_EQ(random.size(), 12u);
    for (const char letter : random) EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(letter))) << name;
    drawn.insert(random.begin(), random.end());
  }
  EXPECT_EQ(std::set(renamedFrom.begin(), renamedFrom.end()).size(), renamedFrom.size()) << "every name differs";
  EXPECT_GT(drawn.size(), 50u) << "the letters of 480 draws from 62 letters and digits";
}
