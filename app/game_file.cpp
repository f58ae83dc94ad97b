#include "app/game_file.h"

#include <QApplication>
#include <variant>

#include "app/main_window.h"
#include "document/game_file_io.h"
#include "support/message_box.h"

namespace kestravane {

namespace {

// The wait cursor stays up while the file is in use, and goes before any box.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { Restore(); }
  void Restore() {
    if (shown_) QApplication::restoreOverrideCursor();
    shown_ = false;
  }

 private:
  bool shown_ = true;
};

bool Fail(MainWindow& window, WaitCursor& cursor, const DocumentFailure& failure) {
  cursor.Restore();
  return WarningBox(&window, failure.Warning);
}

}  // namespace

bool WriteGameFile(MainWindow& window, GameDocument& document, const Session& session) {
  WaitCursor cursor;
  window.controller().ShowStatus(Text::Saving, document.Path);
  if (const auto failure = WriteGameDocument(document.Path, EncodeGameFile(session)))
    return Fail(window, cursor, *failure);
  document.Named = true;
  window.controller().ShowStatus(Text::Saved, document.Path);
  return true;
}

bool ReadGameFile(MainWindow& window, GameDocument& document, Session& session) {
  WaitCursor cursor;
  window.controller().ShowStatus(Text::Loading, document.Path);
  const auto read = ReadGameDocument(document.Path);
  if (const DocumentFailure* failure = std::get_if<DocumentFailure>(&read))
    return Fail(window, cursor, *failure);
  ApplyLoadedGame(std::get<LoadedGame>(read), session);
  document.Named = true;
  window.controller().ShowStatus(Text::Loaded, document.Path);
  return true;
}

}  // namespace kestravane
