#include "app/document_commands.h"

#include <QMessageBox>

#include "app/file_dialogs.h"
#include "app/game_file.h"
#include "app/main_window.h"
#include "engine/game_flow.h"
#include "support/message_box.h"

namespace kestravane {

namespace {

void Show(DocumentContext& context, const Outcome& outcome) { context.window.controller().Show(outcome); }

bool StartGame(DocumentContext& context) {
  const Outcome outcome = StartNewGame(context.session);
  context.window.ShowTitle();
  context.document.Named = false;
  Show(context, outcome);
  return true;
}

}  // namespace

bool QuerySaveGame(DocumentContext& context) {
  context.splash.Close();
  if (!context.session.InProgress) return true;
  switch (AskQuestion(&context.window, Text::SaveQuestion, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                      QMessageBox::Yes, QMessageBox::Cancel)) {
    case QMessageBox::Yes: return SaveGame(context);
    case QMessageBox::No: return true;
    default: return false;
  }
}

bool NewGame(DocumentContext& context) {
  if (!QuerySaveGame(context)) return false;
  return StartGame(context);
}

bool NewGameInUniverse(DocumentContext& context, std::uint32_t number) {
  if (!QuerySaveGame(context)) return false;
  context.session.Random.Seed(number);
  return StartGame(context);
}

namespace {

// Reads the game at `path`, or at the one the player picks in the Open
// dialog when there is none.
bool Open(DocumentContext& context, const std::string* path) {
  if (!QuerySaveGame(context)) return false;
  GameDocument& document = context.document;
  const std::string previousPath = document.Path;
  if (path) {
    document.Path = *path;
  } else if (!OpenFileDialog(&context.window, document)) {
    return false;
  }
  if (!ReadGameFile(context.window, document, context.session)) {
    // The game still in memory belongs to the previous file, if any: a later
    // Save must go there, never over the file that could not be read.
    document.Path = previousPath;
    return false;
  }
  Show(context, GameOpened(context.session));
  context.window.controller().ShowStatus(Text::Opened, document.Path);
  return true;
}

}  // namespace

bool OpenGame(DocumentContext& context) { return Open(context, nullptr); }

bool OpenGameFile(DocumentContext& context, const std::string& path) { return Open(context, &path); }

bool ReadGameAtStart(DocumentContext& context, const std::string& path) {
  context.document.Path = path;
  if (!ReadGameFile(context.window, context.document, context.session)) return false;
  Show(context, GameOpened(context.session));
  return true;
}

bool SaveGame(DocumentContext& context) {
  GameDocument& document = context.document;
  if (!document.Named && !SaveFileDialog(&context.window, document)) return false;
  if (!WriteGameFile(context.window, document, context.session)) return false;
  // Saving ends the game; the file holds it now, so there is nothing to ask.
  context.session.InProgress = false;
  return CloseGame(context);
}

bool CloseGame(DocumentContext& context) {
  if (!QuerySaveGame(context)) return false;
  context.window.ShowTitle();
  context.document.Named = false;
  Show(context, ClearGame(context.session));
  return true;
}

}  // namespace kestravane
