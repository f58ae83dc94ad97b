#include "app/document_commands.h"

#include "app/file_dialogs.h"
#include "app/game_file.h"
#include "app/show_outcome.h"
#include "app/status_line.h"
#include "app/window_text.h"
#include "engine/game_flow.h"
#include "platform/question_box.h"
#include "support/catalogue.h"

namespace {

platform::Answer AskToSave(platform::Window* window) {
  const std::optional<std::string> caption = CatalogueText(Text::ProgramName);
  if (!caption) return platform::Answer::Cancel;
  const std::optional<std::string> question = CatalogueText(Text::SaveQuestion);
  if (!question) return platform::Answer::Cancel;
  return platform::AskYesNoCancel(window, caption->c_str(), question->c_str());
}

// Document commands make no sound.
void Show(DocumentContext& context, const Outcome& outcome) {
  ShowOutcome(context.window, outcome, context.session.State, false);
}

}  // namespace

bool QuerySaveGame(DocumentContext& context) {
  context.splash.Close();
  if (!context.session.InProgress) return true;
  switch (AskToSave(context.window)) {
    case platform::Answer::Cancel: return false;
    case platform::Answer::Yes: return SaveGame(context);
    case platform::Answer::No: return true;
  }
  return true;
}

bool NewGame(DocumentContext& context) {
  if (!QuerySaveGame(context)) return false;
  const Outcome outcome = StartNewGame(context.session);
  SetTitleString(context.window, Text::ProgramName);
  context.document.LastError = 0;
  context.document.Named = false;
  Show(context, outcome);
  return true;
}

bool OpenGame(DocumentContext& context) {
  if (!QuerySaveGame(context)) return false;
  GameDocument& document = context.document;
  const std::string previousPath = document.Path;
  if (!OpenFileDialog(context.window, document)) return false;
  if (!ReadGameFile(context.window, document, context.session)) {
    // The game still in memory belongs to the previous file, if any: a later
    // Save must go there, never over the file that could not be read.
    document.Path = previousPath;
    return false;
  }
  Show(context, GameOpened(context.session));
  ShowStatus(Text::Opened, document.Path);
  return true;
}

bool SaveGame(DocumentContext& context) {
  GameDocument& document = context.document;
  if (!document.Named && !SaveFileDialog(context.window, document)) return false;
  if (!WriteGameFile(context.window, document, context.session)) return false;
  // Saving ends the game; the file holds it now, so there is nothing to ask.
  context.session.InProgress = false;
  return CloseGame(context);
}

bool CloseGame(DocumentContext& context) {
  if (!QuerySaveGame(context)) return false;
  SetTitleString(context.window, Text::ProgramName);
  context.document.Named = false;
  Show(context, ClearGame(context.session));
  return true;
}
