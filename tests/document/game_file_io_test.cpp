#include "document/game_file_io.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>

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

// Holds an flock on a file for as long as it lives.
class LockedFile {
 public:
  LockedFile(const std::string& path, int operation) : fd_(open(path.c_str(), O_RDONLY)) {
    EXPECT_GE(fd_, 0);
    EXPECT_EQ(flock(fd_, operation), 0);
  }
  ~LockedFile() { close(fd_); }

 private:
  int fd_;
};

class GameFileIoTest : public GameFileTest {
 protected:
  std::optional<DocumentFailure> Write(const std::string& file) {
    return WriteGameDocument(file, EncodeGameFile(session));
  }

  DocumentFailure ReadFailure(const std::string& file) {
    const auto read = ReadGameDocument(file);
    EXPECT_TRUE(std::holds_alternative<DocumentFailure>(read));
    return std::holds_alternative<DocumentFailure>(read) ? std::get<DocumentFailure>(read) : DocumentFailure{};
  }
};

}  // namespace

TEST_F(GameFileIoTest, AWrittenDocumentReadsBackAsTheSameGame) {
  ASSERT_FALSE(Write(path));
  EXPECT_EQ(Bytes(path).size(), 9472u);
  const auto read = ReadGameDocument(path);
  ASSERT_TRUE(std::holds_alternative<LoadedGame>(read));
  Session loaded;
  ApplyLoadedGame(std::get<LoadedGame>(read), loaded);
  const GameFileBytes again = EncodeGameFile(loaded);
  const GameFileBytes original = EncodeGameFile(session);
  EXPECT_EQ(again, original);
}

TEST_F(GameFileIoTest, SavingTwiceReplacesTheOldGameAndLeavesNoOtherFile) {
  ASSERT_FALSE(Write(path));
  state.Fuel.Value = 3;
  ASSERT_FALSE(Write(path));
  EXPECT_EQ(Bytes(path)[256 + 28], 3);
  EXPECT_EQ(EntriesIn(directory.path()), 1);
}

TEST_F(GameFileIoTest, KeepsTheOldDocumentsPermissions) {
  ASSERT_FALSE(Write(path));
  chmod(path.c_str(), 0640);
  ASSERT_FALSE(Write(path));
  struct stat info;
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(GameFileIoTest, AFailedBlockWriteLeavesTheOldDocumentWhole) {
  const std::vector<unsigned char> old(9472, 0x5A);
  Store(path, old);
  std::optional<DocumentFailure> failure;
  {
    FileSizeLimit limit(1000);
    failure = Write(path);
  }
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->Warning, MakeMessage(Text::BlockWriteFailed, path, "quadrant", EFBIG));
  EXPECT_EQ(failure->SystemError, EFBIG);
  EXPECT_EQ(Bytes(path), old);
  EXPECT_EQ(EntriesIn(directory.path()), 1) << "the unfinished copy is removed";
}

TEST_F(GameFileIoTest, AFailedHeaderWriteIsReportedWithTheSystemCode) {
  std::optional<DocumentFailure> failure;
  {
    FileSizeLimit limit(100);
    failure = Write(path);
  }
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->Warning, MakeMessage(Text::HeaderWriteFailed, path, EFBIG));
  EXPECT_EQ(EntriesIn(directory.path()), 0);
}

TEST_F(GameFileIoTest, CannotCreateInAMissingDirectoryOrOverADirectory) {
  const std::string nowhere = directory.File("no-such-directory/game.war");
  auto failure = Write(nowhere);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->Warning, MakeMessage(Text::CreateFailed, nowhere, ENOENT));
  EXPECT_EQ(failure->SystemError, ENOENT);

  const std::string folder = directory.path().string();
  failure = Write(folder);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->Warning, MakeMessage(Text::CreateFailed, folder, EISDIR));
}

TEST_F(GameFileIoTest, ADocumentInUseIsNotOverwritten) {
  const std::vector<unsigned char> old(10, 7);
  Store(path, old);
  std::optional<DocumentFailure> failure;
  {
    LockedFile reader(path, LOCK_SH);
    failure = Write(path);
  }
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->Warning, MakeMessage(Text::CreateFailed, path, EWOULDBLOCK));
  EXPECT_EQ(Bytes(path), old);
  EXPECT_EQ(EntriesIn(directory.path()), 1);
}

TEST_F(GameFileIoTest, ReadingFailuresNameTheFileAndTheSystemCode) {
  const std::string nowhere = directory.File("nowhere.war");
  DocumentFailure failure = ReadFailure(nowhere);
  EXPECT_EQ(failure.Warning, MakeMessage(Text::OpenFailed, nowhere, ENOENT));
  EXPECT_EQ(failure.SystemError, ENOENT);

  const std::string folder = directory.path().string();
  EXPECT_EQ(ReadFailure(folder).Warning, MakeMessage(Text::OpenFailed, folder, EISDIR));

  ASSERT_FALSE(Write(path));
  LockedFile writer(path, LOCK_EX);
  EXPECT_EQ(ReadFailure(path).Warning, MakeMessage(Text::OpenFailed, path, EWOULDBLOCK)) << "being written";
}

TEST_F(GameFileIoTest, ARefusedDocumentIsNoFailureOfTheFileSystem) {
  Store(path, std::vector<unsigned char>(9472, 'k'));
  const DocumentFailure foreign = ReadFailure(path);
  EXPECT_EQ(foreign.Warning, MakeMessage(Text::ForeignDocument, path, "Kestravane"));
  EXPECT_FALSE(foreign.SystemError);

  ASSERT_FALSE(Write(path));
  auto bytes = Bytes(path);
  Store(path, {bytes.begin(), bytes.begin() + 300});
  const DocumentFailure cut = ReadFailure(path);
  EXPECT_EQ(cut.Warning, MakeMessage(Text::BlockReadFailed, path, "quadrant", 0));
  EXPECT_EQ(cut.SystemError, 0) << "a short file is reported with the code the read gave";

  Store(path, {bytes.begin(), bytes.begin() + 100});
  EXPECT_EQ(ReadFailure(path).Warning, MakeMessage(Text::HeaderReadFailed, path, 0));
}
