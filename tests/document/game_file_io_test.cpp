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
#include <fstream>
#include <linux/fs.h>
#include <sys/ioctl.h>

#include "common/killed_midway.h"
#include "game_fixture.h"

using namespace kestravane;

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

// Lets a folder take new files but give up none, so that renaming over a file
// in it fails; only root can set the flag, and not on every file system, so
// Holds() says whether it took.
class AppendOnlyFolder {
 public:
  explicit AppendOnlyFolder(const std::string& folder) : folder_(folder) { held_ = SetFlag(true); }
  ~AppendOnlyFolder() {
    if (held_) SetFlag(false);
  }
  bool Holds() const { return held_; }

 private:
  bool SetFlag(bool on) const {
    const int fd = open(folder_.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    int flags = 0;
    bool done = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_APPEND_FL) : (flags & ~FS_APPEND_FL);
    done = done && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    close(fd);
    return done;
  }

  std::string folder_;
  bool held_ = false;
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

TEST_F(GameFileIoTest, SavingThroughALinkReplacesTheLinkedDocumentBesideIt) {
  namespace fs = std::filesystem;
  const fs::path games = directory.path() / "games";
  const fs::path shortcuts = directory.path() / "shortcuts";
  fs::create_directories(games);
  fs::create_directories(shortcuts);
  const fs::path real = games / "campaign.war";
  Store(real.string(), std::vector<unsigned char>(9472, 0x5A));
  const fs::path absolute = shortcuts / "absolute.war";
  const fs::path relative = shortcuts / "relative.war";
  const fs::path chained = shortcuts / "chained.war";
  fs::create_symlink(real, absolute);
  fs::create_symlink("../games/campaign.war", relative);
  fs::create_symlink("relative.war", chained);

  for (const fs::path& link : {absolute, relative, chained}) {
    state.Fuel.Value = 100 + EntriesIn(games);
    ASSERT_FALSE(Write(link.string())) << link;
    EXPECT_TRUE(fs::is_symlink(link)) << link;
    const auto read = ReadGameDocument(real.string());
    ASSERT_TRUE(std::holds_alternative<LoadedGame>(read)) << link;
    EXPECT_EQ(std::get<LoadedGame>(read).Record.Fuel, state.Fuel.Value) << link;
    EXPECT_EQ(EntriesIn(games), 1) << link;
    EXPECT_EQ(EntriesIn(shortcuts), 3) << link;
  }

  // A link to a document not saved yet makes the document where it points.
  const fs::path ahead = shortcuts / "ahead.war";
  fs::create_symlink("../games/next.war", ahead);
  ASSERT_FALSE(Write(ahead.string()));
  EXPECT_TRUE(fs::is_symlink(ahead));
  EXPECT_EQ(Bytes((games / "next.war").string()).size(), 9472u);
}

TEST_F(GameFileIoTest, ANameOfUpTo255BytesCanBeSaved) {
  for (const std::size_t length : {241u, 250u, 255u}) {
    const std::string name = std::string(length - 4, 'n') + ".war";
    const std::string file = directory.File(name);
    ASSERT_FALSE(Write(file)) << length;
    ASSERT_FALSE(Write(file)) << length << ", saved over";
    EXPECT_TRUE(std::holds_alternative<LoadedGame>(ReadGameDocument(file))) << length;
    std::filesystem::remove(file);
    EXPECT_EQ(EntriesIn(directory.path()), 0) << length;
  }
}

TEST_F(GameFileIoTest, ASaveKilledMidwayLeavesTheOldDocumentAndNoOtherFile) {
  const std::vector<unsigned char> old(9472, 0x5A);
  Store(path, old);
  const GameFileBytes bytes = EncodeGameFile(session);
  ASSERT_TRUE(KilledMidway(4000, [&] { WriteGameDocument(path, bytes); }));
  EXPECT_EQ(Bytes(path), old);
  EXPECT_EQ(EntriesIn(directory.path()), 1);
}

TEST_F(GameFileIoTest, TheNextSaveRemovesCopiesLeftByAKilledSaveOnly) {
  // Where the file system cannot keep a copy nameless until it is complete,
  // it is named ".kestravane-saving-PID-N" beside the document.
  const std::string killed = directory.File(".kestravane-saving-" + std::to_string(EndedProcess()) + "-0");
  const std::string running = directory.File(".kestravane-saving-" + std::to_string(getppid()) + "-0");
  const std::string other = directory.File(".kestravane-saving-notes");
  for (const std::string& file : {killed, running, other}) Store(file, {1, 2, 3});

  ASSERT_FALSE(Write(path));
  EXPECT_FALSE(std::filesystem::exists(killed));
  EXPECT_TRUE(std::filesystem::exists(running)) << "another copy of the game may be saving";
  EXPECT_TRUE(std::filesystem::exists(other));
}

TEST_F(GameFileIoTest, AFailedRenameNamesTheDocumentAndTheFileItLinksTo) {
  const std::filesystem::path games = directory.path() / "games";
  std::filesystem::create_directories(games);
  const std::string real = (games / "campaign.war").string();
  Store(real, std::vector<unsigned char>(9472, 0x5A));
  std::filesystem::create_symlink(real, path);
  std::optional<DocumentFailure> failure;
  {
    AppendOnlyFolder folder(games.string());
    if (!folder.Holds()) GTEST_SKIP() << "an append-only folder needs root and a file system that offers it";
    failure = Write(path);
  }
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->Warning, MakeMessage(Text::RenameFailed, path, real, EPERM));
  EXPECT_EQ(failure->SystemError, EPERM);
  EXPECT_EQ(Bytes(real), std::vector<unsigned char>(9472, 0x5A));
}

TEST_F(GameFileIoTest, ADocumentMadeReadOnlyIsNotReplacedEvenByRoot) {
  const std::vector<unsigned char> old(9472, 0x5A);
  Store(path, old);
  chmod(path.c_str(), 0444);
  const auto failure = Write(path);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->Warning, MakeMessage(Text::CreateFailed, path, EACCES));
  EXPECT_EQ(Bytes(path), old);
  EXPECT_EQ(EntriesIn(directory.path()), 1);
}
