#include "document/document_commands.h"

#include <array>

#include "app/status_line.h"
#include "app/window_text.h"
#include "document/file_dialogs.h"
#include "document/game_file.h"
#include "engine/generation.h"
#include "engine/ship_buttons.h"
#include "platform/question_box.h"
#include "support/catalogue.h"
#include "support/splash.h"

namespace {

constexpr unsigned ProgramName = 1000;
constexpr unsigned DocumentExtension = 1003;
constexpr unsigned DocumentFilter = 1004;
constexpr unsigned OpenTitle = 1005;
constexpr unsigned SaveAsTitle = 1007;
constexpr unsigned SaveQuestion = 3000;
constexpr unsigned OpenedStatus = 5010;
constexpr unsigned SavedStatus = 5012;
constexpr unsigned ReadyStatus = 60000;

platform::Answer AskToSave(platform::Window* window) {
  std::array<char, CatalogueTextSize> caption;
  std::array<char, CatalogueTextSize> question;
  if (GetString(caption, ProgramName) == 0 || GetString(question, SaveQuestion) == 0)
    return platform::Answer::Cancel;
  return platform::AskYesNoCancel(window, caption.data(), question.data());
}

}  // namespace

int QuerySaveGame(platform::Window* window, GameDocument& document, QuadrantGrid& grid,
                  GameState& state, ScanLog& log) {
  CloseSplash();
  if (!document.InProgress) return 1;
  switch (AskToSave(window)) {
    case platform::Answer::Cancel:
      return 0;
    case platform::Answer::Yes:
      return SaveGame(window, document, grid, state, log) ? 1 : 0;
    case platform::Answer::No:
      return 1;
  }
  return 1;
}

int NewGame(platform::Window* window, GameDocument& document, QuadrantGrid& grid,
            GameState& state, ScanLog& log) {
  if (!QuerySaveGame(window, document, grid, state, log)) return 0;
  GenerateGame(grid, state, log);
  SetTitleString(window, ProgramName);
  document.InProgress = 1;
  document.LastError = 0;
  document.Named = 0;
  platform::InvalidateRect(window, nullptr);
  EnableShipButtons(1);
  return 1;
}

int OpenGame(platform::Window* window, GameDocument& document, QuadrantGrid& grid,
             GameState& state, ScanLog& log) {
  if (!QuerySaveGame(window, document, grid, state, log)) return 0;
  const std::string previousPath = document.Path;
  if (!OpenFileDialog(window, document.Path, DocumentFilter, OpenTitle)) return 0;
  if (!ReadGameFile(window, document, grid, state, log)) {
    // The game still in memory belongs to the previous file, if any: a later
    // Save must go there, never over the file that could not be read.
    document.Path = previousPath;
    return 0;
  }
  platform::InvalidateRect(window, nullptr);
  EnableShipButtons(document.InProgress);
  ShowStatus(OpenedStatus, document.Path.c_str());
  return 1;
}

int SaveGame(platform::Window* window, GameDocument& document, QuadrantGrid& grid,
             GameState& state, ScanLog& log) {
  if (!document.Named &&
      !SaveFileDialog(window, document.Path, DocumentFilter, SaveAsTitle, DocumentExtension))
    return 0;
  if (!WriteGameFile(window, document, grid, state, log)) return 0;
  ShowStatus(SavedStatus, document.Path.c_str());
  document.InProgress = 0;
  return CloseGame(window, document, grid, state, log);
}

int CloseGame(platform::Window* window, GameDocument& document, QuadrantGrid& grid,
              GameState& state, ScanLog& log) {
  if (!QuerySaveGame(window, document, grid, state, log)) return 0;
  SetTitleString(window, ProgramName);
  document.InProgress = 0;
  document.Named = 0;
  log = ScanLog{};
  grid = QuadrantGrid{};
  state.EnemyShips = 0;
  state.ShipsDestroyed = 0;
  state.X = 0;
  state.Y = 0;
  state.Z = 0;
  state.ScanAxis = ScanZ;
  state.Fuel.Value = 0;
  state.Missiles.Value = 0;
  platform::InvalidateRect(window, nullptr);
  EnableShipButtons(0);
  ShowStatus(ReadyStatus);
  return 1;
}
