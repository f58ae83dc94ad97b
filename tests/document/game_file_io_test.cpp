#include "document/game_file_io.h"

#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>

#include "common/file_contents.h"
#include "common/killed_midway.h"
#include "common/temporary_directory.h"
#include "document/byte_order.h"

using namespace kestravane;
namespace fs = std::filesystem;

namespace {

// The game the format test records, and an old document in its place that is not a game.
class GameFileIoTest : public ::testing::Test {
 protected:
  TemporaryDirectory directory;
  std::string path = directory.File("Davuvodo.war");
  const std::string old = std::string(9472, 'Z');
  GameFileBytes saved{};

  void SetUp() override {
    const std::string recorded = FileContents(KESTRAVANE_SAVED_GAME);
    ASSERT_EQ(recorded.size(), saved.size());
    std::copy(recorded.begin(), recorded.end(), saved.begin());
  }

  std::optional<DocumentFailure> Write(const std::string& file) { return WriteGameDocument(file, saved); }

  // Throws, and so fails the test, when the document was read.
  static auto ReadFailure(const std::string& file) { return std::get<DocumentFailure>(ReadGameDocument(file)); }

  bool ReadsBackAsSaved(const std::string& file) {
    const auto read = ReadGameDocument(file);
    Session loaded;
    if (std::holds_alternative<LoadedGame>(read)) ApplyLoadedGame(std::get<LoadedGame>(read), loaded);
    return EncodeGameFile(loaded) == saved && FileContents(file).size() == GameFileSize;
  }
};

}  // namespace

TEST_F(GameFileIoTest, ASavedDocumentReadsBackAndSavingAgainReplacesItKeepingItsPermissionsWhateverItsNameLength) {
  for (const std::size_t length : {12u, 250u, 255u}) {
    const std::string file = directory.File(std::string(length - 4, 'n') + ".war");
    ASSERT_FALSE(Write(file));
    // Permissions the umask would take away are kept too.
    umask(022);
    chmod(file.c_str(), 0662);
    PutI32(&saved[256 + 28], saved[256 + 28] - 1);  // a fuel unit spent
    ASSERT_FALSE(Write(file)) << length << ", saved over";
    EXPECT_TRUE(ReadsBackAsSaved(file) && fs::status(file).permissions() == fs::perms{0662}) << length;
    fs::remove(file);
  }
}

TEST_F(GameFileIoTest, EveryCutLengthOnDiskIsRefusedNamingTheShortBlockAndTheFileIsLeftAsItWas) {
  const std::string whole(saved.begin(), saved.end());
  for (std::size_t length = 0; length < GameFileSize; ++length) {
    StoreFile(path, whole.substr(0, length));
    const DocumentFailure failure = ReadFailure(path);
    const Text block = length < 292 ? Text::GameBlock : length < 9040 ? Text::QuadrantBlock : Text::ScannerBlock;
    ASSERT_EQ(failure.Warning, length < HeaderSize ? MakeMessage(Text::HeaderReadFailed, path, 0)
                                                   : MakeMessage(Text::BlockReadFailed, path, block, 0))
        << "a short file is reported with the code the read gave: " << length;
    ASSERT_EQ(FileContents(path), whole.substr(0, length));
  }
}

TEST_F(GameFileIoTest, AWriteThatFailsOnAFullDiskOrIsKilledMidwayLeavesTheOldDocumentWhole) {
  std::signal(SIGXFSZ, SIG_IGN);
  for (const auto& [limit, warning] : {std::pair{100, MakeMessage(Text::HeaderWriteFailed, path, EFBIG)},
                                       {1000, MakeMessage(Text::BlockWriteFailed, path, Text::QuadrantBlock, EFBIG)}}) {
    StoreFile(path, old);
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    const rlimit limited{static_cast<rlim_t>(limit), unlimited.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limited);
    const auto failure = Write(path);
    setrlimit(RLIMIT_FSIZE, &unlimited);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->Warning, warning);
    EXPECT_TRUE(FileContents(path) == old && EntriesIn(directory.path()) == 1) << "the unfinished copy is removed";
  }
  // Killed midway, a save leaves the old document too, and the next save clears only its copy.
  ASSERT_TRUE(KilledMidway(4000, [&] { Write(path); }));
  EXPECT_TRUE(FileContents(path) == old && EntriesIn(directory.path()) == 1);
  // Where a file system cannot keep the copy nameless, it is ".kestravane-saving-PID-RANDOM" beside the
  // document (failing_calls_test shows RANDOM cannot be guessed).
  const std::string killed = directory.File(".kestravane-saving-" + std::to_string(EndedProcess()) + "-0");
  const std::string running = directory.File(".kestravane-saving-" + std::to_string(getppid()) + "-0");
  const std::string other = directory.File(".kestravane-saving-notes");
  for (const std::string& file : {killed, running, other}) StoreFile(file, "123");
  ASSERT_FALSE(Write(path));
  EXPECT_FALSE(fs::exists(killed));
  EXPECT_TRUE(fs::exists(running) && fs::exists(other)) << "another copy of the game may be saving";
}

TEST_F(GameFileIoTest, ADocumentThatCannotBeOpenedOrReplacedIsLeftAsItWasAndTheWarningSaysWhy) {
  StoreFile(path, old);
  const std::string missing = directory.File("no/game.war"), folder = directory.path().string();
  for (const auto& [target, error] :
       {std::pair{missing, ENOENT}, {folder, EISDIR}, {path, EWOULDBLOCK}, {path, EACCES}}) {
    if (error == EACCES) chmod(path.c_str(), 0444);  // refused even to root
    const HeldLock reader(path, error == EWOULDBLOCK ? LOCK_SH : LOCK_UN);
    const auto failure = Write(target);
    ASSERT_TRUE(failure) << target;
    EXPECT_EQ(failure->Warning, MakeMessage(Text::CreateFailed, target, error));
    EXPECT_TRUE(FileContents(path) == old && EntriesIn(directory.path()) == 1) << target;
    EXPECT_TRUE(target == path || ReadFailure(target).Warning == MakeMessage(Text::OpenFailed, target, error));
  }
  const HeldLock writer(path);
  EXPECT_EQ(ReadFailure(path).Warning, MakeMessage(Text::OpenFailed, path, EWOULDBLOCK)) << "being written";
}

TEST_F(GameFileIoTest, SavingFollowsALinkOnlyWhereTheSystemWould) {
  const fs::path games = directory.path() / "games", links = directory.path() / "links";
  for (const fs::path& folder : {games, links}) fs::create_directories(folder);
  StoreFile(games / "campaign.war", old);
  fs::create_symlink(games / "campaign.war", links / "absolute.war");
  fs::create_symlink("../games/campaign.war", links / "relative.war");
  fs::create_symlink("relative.war", links / "chained.war");
  fs::create_symlink("../games/next.war", links / "ahead.war");  // a document not saved yet
  for (const std::string link : {"absolute.war", "relative.war", "chained.war", "ahead.war"}) {
    PutI32(&saved[256 + 28], 100 + EntriesIn(games));
    ASSERT_FALSE(Write(links / link)) << link;
    EXPECT_TRUE(fs::is_symlink(links / link) && EntriesIn(links) == 4) << link;
    EXPECT_TRUE(ReadsBackAsSaved(games / (link == "ahead.war" ? "next.war" : "campaign.war"))) << link;
  }
  EXPECT_EQ(EntriesIn(games), 2);
  // A loop of links, and in a folder anyone may write to, a link that another user planted, are refused as the system
  // would refuse them: nothing is written. The folder's owner's link is followed.
  const fs::path shared = directory.path() / "shared", guarded = directory.path() / "guarded.war";
  fs::create_directories(shared);
  fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
  fs::create_symlink("loop-b.war", shared / "loop-a.war");
  fs::create_symlink("loop-a.war", shared / "loop-b.war");
  fs::create_symlink(guarded, shared / "planted.war");
  StoreFile(guarded, old);
  const passwd* nobody = getpwnam("nobody");
  const bool stranger = geteuid() == 0 && nobody && lchown((shared / "planted.war").c_str(), nobody->pw_uid, 0) == 0;
  for (const char* link : {"loop-a.war", "planted.war"}) {
    if (link == std::string("planted.war") && !stranger) GTEST_SKIP() << "another user's link needs root";
    const std::optional<DocumentFailure> failure = Write(shared / link);
    ASSERT_TRUE(failure) << link;
    EXPECT_EQ(failure->Warning.Id, Text::CreateFailed) << link;
    EXPECT_TRUE(fs::is_symlink(shared / link) && FileContents(guarded) == old && EntriesIn(shared) == 3) << link;
  }
  ASSERT_EQ(lchown((shared / "planted.war").c_str(), geteuid(), 0), 0);
  EXPECT_TRUE(!Write(shared / "planted.war") && ReadsBackAsSaved(guarded));
}
