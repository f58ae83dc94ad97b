#include "document/game_file.h"

#include <string>

#include "app/status_line.h"
#include "document/game_file_format.h"
#include "document/record_check.h"
#include "engine/ship_buttons.h"
#include "platform/cursor.h"
#include "platform/file.h"
#include "support/message_box.h"

namespace {

constexpr unsigned ProgramName = 1000;
constexpr unsigned SavingStatus = 5011;
constexpr unsigned SavedStatus = 5012;
constexpr unsigned LoadingStatus = 5013;
constexpr unsigned LoadedStatus = 5014;
constexpr unsigned CreateFailed = 60026;
constexpr unsigned OpenFailed = 60027;
constexpr unsigned RewindFailed = 60030;
constexpr unsigned HeaderReadFailed = 60032;
constexpr unsigned HeaderWriteFailed = 60036;
constexpr unsigned FlushFailed = 60040;
constexpr unsigned CloseFailed = 60042;
constexpr unsigned ForeignDocument = 60043;
constexpr unsigned BlockReadFailed = 60093;
constexpr unsigned BlockWriteFailed = 60094;
constexpr unsigned RenameFailed = 60098;
constexpr unsigned OldVersion = 3007;

constexpr const char* GameBlock = "game";
constexpr const char* QuadrantBlock = "quadrant";
constexpr const char* ScannerBlock = "scanner";

// One read or write of the document's file, with the wait cursor up.
class FileSession {
 public:
  FileSession(platform::Window* window, GameDocument& document) : window_(window), document_(document) {
    platform::BeginWaitCursor();
    document_.Header.fill(0);
  }
  ~FileSession() {
    file.Abandon();
    if (cursorShown_) platform::EndWaitCursor();
  }

  // A failure of the file system: the file is closed and the cursor restored
  // before the box reports the system's error number.
  int FailCoded(unsigned message) {
    document_.LastError = static_cast<std::uint32_t>(file.error());
    file.Abandon();
    RestoreCursor();
    return WarningBox(window_, ProgramName, message, Path(), file.error());
  }

  // The new document is complete but could not take the old one's place.
  int FailRename(unsigned message) {
    const std::string temporary = file.temporaryPath();
    document_.LastError = static_cast<std::uint32_t>(file.error());
    file.Abandon();
    RestoreCursor();
    return WarningBox(window_, ProgramName, message, temporary.c_str(), Path(), file.error());
  }

  // A damaged or unwritable block: the box comes while the file is still open.
  int FailBlock(unsigned message, const char* block) {
    document_.LastError = static_cast<std::uint32_t>(file.error());
    return WarningBox(window_, ProgramName, message, Path(), block, file.error());
  }

  // A box of its own kind, also shown while the file is open.
  template <typename... Arguments>
  int Fail(unsigned message, Arguments... arguments) {
    return WarningBox(window_, ProgramName, message, Path(), arguments...);
  }

  void RestoreCursor() {
    if (cursorShown_) platform::EndWaitCursor();
    cursorShown_ = false;
  }

  const char* Path() const { return document_.Path.c_str(); }

  platform::File file;

 private:
  platform::Window* window_;
  GameDocument& document_;
  bool cursorShown_ = true;
};

}  // namespace

int WriteGameFile(platform::Window* window, GameDocument& document, const QuadrantGrid& grid,
                  const GameState& state, const ScanLog& log) {
  FileSession session(window, document);
  HeaderBytes& header = document.Header;
  BuildHeader(header);
  ShowStatus(SavingStatus, session.Path());

  platform::File& file = session.file;
  if (!file.CreateReplacement(document.Path)) return session.FailCoded(CreateFailed);
  if (!file.Rewind()) return session.FailCoded(RewindFailed);
  if (!file.Write(header.data(), header.size())) return session.FailCoded(HeaderWriteFailed);

  EncodeRecord(RecordOf(state), document.Record);
  if (!file.Write(document.Record.data(), document.Record.size()))
    return session.FailBlock(BlockWriteFailed, GameBlock);
  GridBytes gridBytes;
  EncodeGrid(grid, gridBytes);
  if (!file.Write(gridBytes.data(), gridBytes.size())) return session.FailBlock(BlockWriteFailed, QuadrantBlock);
  LogBytes logBytes;
  EncodeLog(log, logBytes);
  if (!file.Write(logBytes.data(), logBytes.size())) return session.FailBlock(BlockWriteFailed, ScannerBlock);

  if (!file.Flush()) return session.FailCoded(FlushFailed);
  if (!file.Close()) return session.FailCoded(CloseFailed);
  if (!file.Commit()) return session.FailRename(RenameFailed);

  document.InProgress = 1;
  document.Named = 1;
  document.LastError = 0;
  ShowStatus(SavedStatus, session.Path());
  return 1;
}

int ReadGameFile(platform::Window* window, GameDocument& document, QuadrantGrid& grid, GameState& state,
                 ScanLog& log) {
  FileSession session(window, document);
  HeaderBytes& header = document.Header;
  ShowStatus(LoadingStatus, session.Path());

  platform::File& file = session.file;
  if (!file.OpenForReading(document.Path)) return session.FailCoded(OpenFailed);
  if (!file.Rewind()) return session.FailCoded(RewindFailed);
  if (!file.Read(header.data(), header.size())) return session.FailCoded(HeaderReadFailed);
  if (HeaderSignature(header) != GameFileSignature) return session.Fail(ForeignDocument, "Kestravane");
  if (HeaderMajorVersion(header) != GameFileMajorVersion)
    return session.Fail(OldVersion, int{HeaderMajorVersion(header)}, int{HeaderMinorVersion(header)});

  // Everything is staged and applied only once the whole file has been read,
  // so that a damaged document never leaves half a game in memory.
  if (!file.Read(document.Record.data(), document.Record.size())) return session.FailBlock(BlockReadFailed, GameBlock);
  const GameRecord record = DecodeRecord(document.Record);
  if (!RecordPlayable(record)) return session.FailBlock(BlockReadFailed, GameBlock);

  GridBytes gridBytes;
  QuadrantGrid stagedGrid;
  if (!file.Read(gridBytes.data(), gridBytes.size())) return session.FailBlock(BlockReadFailed, QuadrantBlock);
  DecodeGrid(gridBytes, stagedGrid);
  if (!StarFieldsPlayable(stagedGrid)) return session.FailBlock(BlockReadFailed, QuadrantBlock);

  LogBytes logBytes;
  if (!file.Read(logBytes.data(), logBytes.size())) return session.FailBlock(BlockReadFailed, ScannerBlock);
  if (!file.Close()) return session.FailCoded(CloseFailed);

  ApplyRecord(record, state);
  grid = stagedGrid;
  DecodeLog(logBytes, log);
  document.LastError = 0;
  document.InProgress = 1;
  document.Named = 1;
  EnableShipButtons(1);
  ShowStatus(LoadedStatus, session.Path());
  return 1;
}
