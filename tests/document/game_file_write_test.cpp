#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "document/game_file.h"
#include "game_fixture.h"

namespace {

// Lets writes past `bytes` fail with EFBIG, as on a full disk, while it lives.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

 private:
  rlimit saved_{};
};

int EntriesIn(const std::filesystem::path& directory) {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(directory)) ++count;
  return count;
}

}  // namespace

TEST_F(GameFileTest, SavesTheWholeGameIn9472Bytes) {
  platform::headless::ShowStatusLines(true);
  ASSERT_EQ(WriteGameFile(nullptr, document, grid, state, log), 1);
  platform::headless::ShowStatusLines(false);
  const auto bytes = Bytes(document.Path);
  ASSERT_EQ(bytes.size(), 9472u);
  EXPECT_EQ(bytes[0], 0xED);
  EXPECT_EQ(bytes[3], 0xAB);
  EXPECT_EQ(bytes[256], 60);        // enemy ships
  EXPECT_EQ(bytes[256 + 28], 149);  // fuel before missiles
  EXPECT_EQ(bytes[256 + 32], 351 & 0xFF);
  EXPECT_EQ(bytes[292 + 2916 + 400], 1);  // struck quadrant 100
  EXPECT_EQ(bytes[9040 + 25 * 16 + 4], 4);
  EXPECT_EQ(document.InProgress, 1);
  EXPECT_EQ(document.Named, 1);
  EXPECT_EQ(document.LastError, 0u);
  EXPECT_TRUE(platform::headless::Boxes().empty());
  const auto& lines = platform::headless::StatusLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "Saving " + document.Path + " ...");
  EXPECT_EQ(lines[1], document.Path + " saved");
}

TEST_F(GameFileTest, SavingTwiceReplacesTheOldGameAndLeavesNoOtherFile) {
  ASSERT_EQ(WriteGameFile(nullptr, document, grid, state, log), 1);
  state.Fuel.Value = 3;
  ASSERT_EQ(WriteGameFile(nullptr, document, grid, state, log), 1);
  EXPECT_EQ(Bytes(document.Path)[256 + 28], 3);
  EXPECT_EQ(EntriesIn(directory.path()), 1);
}

TEST_F(GameFileTest, KeepsTheOldDocumentsPermissions) {
  ASSERT_EQ(WriteGameFile(nullptr, document, grid, state, log), 1);
  chmod(document.Path.c_str(), 0640);
  ASSERT_EQ(WriteGameFile(nullptr, document, grid, state, log), 1);
  struct stat info;
  ASSERT_EQ(stat(document.Path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(GameFileTest, AFailedBlockWriteLeavesTheOldDocumentWhole) {
  const std::vector<unsigned char> old(9472, 0x5A);
  Store(document.Path, old);
  {
    FileSizeLimit limit(1000);
    EXPECT_EQ(WriteGameFile(nullptr, document, grid, state, log), 0);
  }
  EXPECT_EQ(OnlyBox(), "File: " + document.Path +
                           "\r\rError detected writing quadrant data to disk\rCode " + std::to_string(EFBIG));
  EXPECT_EQ(document.LastError, static_cast<std::uint32_t>(EFBIG));
  EXPECT_EQ(document.InProgress, 0);
  EXPECT_EQ(document.Named, 0);
  EXPECT_EQ(Bytes(document.Path), old);
  EXPECT_EQ(EntriesIn(directory.path()), 1) << "the unfinished copy is removed";
}

TEST_F(GameFileTest, AFailedHeaderWriteIsReportedWithTheSystemCode) {
  FileSizeLimit limit(100);
  EXPECT_EQ(WriteGameFile(nullptr, document, grid, state, log), 0);
  EXPECT_EQ(OnlyBox(), "File: " + document.Path +
                           "\r\rError detected writing header signature to this disk file\r\rCode " +
                           std::to_string(EFBIG));
  EXPECT_EQ(EntriesIn(directory.path()), 0);
}

TEST_F(GameFileTest, CannotCreateInAMissingDirectoryOrOverADirectory) {
  document.Path = directory.File("no-such-directory/game.war");
  EXPECT_EQ(WriteGameFile(nullptr, document, grid, state, log), 0);
  EXPECT_EQ(OnlyBox(), "File: " + document.Path + "\r\rError detected creating this disk file\r\rCode " +
                           std::to_string(ENOENT));
  EXPECT_EQ(document.LastError, static_cast<std::uint32_t>(ENOENT));

  platform::headless::ForgetShown();
  document.Path = directory.path().string();
  EXPECT_EQ(WriteGameFile(nullptr, document, grid, state, log), 0);
  EXPECT_EQ(OnlyBox(), "File: " + document.Path + "\r\rError detected creating this disk file\r\rCode " +
                           std::to_string(EISDIR));
}

TEST_F(GameFileTest, ADocumentInUseIsNotOverwritten) {
  const std::vector<unsigned char> old(10, 7);
  Store(document.Path, old);
  const int other = open(document.Path.c_str(), O_RDONLY);
  ASSERT_GE(other, 0);
  ASSERT_EQ(flock(other, LOCK_SH), 0);
  EXPECT_EQ(WriteGameFile(nullptr, document, grid, state, log), 0);
  close(other);
  EXPECT_EQ(OnlyBox(), "File: " + document.Path + "\r\rError detected creating this disk file\r\rCode " +
                           std::to_string(EWOULDBLOCK));
  EXPECT_EQ(Bytes(document.Path), old);
  EXPECT_EQ(EntriesIn(directory.path()), 1);
}
