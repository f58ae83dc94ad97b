#include "engine/commands.h"

#include "app/settings.h"
#include "document/document_commands.h"
#include "engine/globals.h"
#include "engine/ship_buttons.h"
#include "platform/menu.h"
#include "support/splash.h"

namespace {

enum Command : int {
  NewCommand = 101,
  OpenCommand = 102,
  CloseCommand = 104,
  SaveCommand = 110,
  OptionsCommand = 133,
  ExitCommand = 199,
  GameRulesCommand = 310,
  KeyboardShortcutsCommand = 311,
  MissionOrdersCommand = 312,
  ScanZCommand = 350,
  ScanYCommand = 351,
  ScanXCommand = 352,
  ScannerLogCommand = 353,
  TopMostCommand = 399,
  AimCommand = 410,
  FireCommand = 411,
  HelmCommand = 412,
  EngageCommand = 413,
  ReverseCommand = 414,
  SoundsCommand = 415,
  AboutCommand = 999,
};

constexpr int AlwaysEnabled[] = {NewCommand, OpenCommand,    OptionsCommand, ExitCommand,
                                 TopMostCommand, AboutCommand, SoundsCommand};

constexpr int NeedGameInPlay[] = {
    SaveCommand,          CloseCommand, ScanZCommand,     ScanYCommand,
    ScanXCommand,         ScannerLogCommand, GameRulesCommand, KeyboardShortcutsCommand,
    MissionOrdersCommand, AimCommand,   FireCommand,      HelmCommand,
    EngageCommand,        ReverseCommand};

using DocumentCommand = int (*)(platform::Window*, GameDocument&, QuadrantGrid&, GameState&,
                                 ScanLog&);

// Whatever a document command did, the scanner shows the grid again; only a
// command that went through leaves tracing off. A command the player
// cancelled has redrawn nothing, so leaving a picture is done here, as a key
// press would: the grid is owed a paint and the ship buttons are back.
void RunDocumentCommand(DocumentCommand command, platform::Window* window,
                        GameDocument& document) {
  const bool pictureShown = PictureIndex != 0;
  if (command(window, document, Grid, Game, Scans)) ScannerTracing = 0;
  PictureIndex = 0;
  if (pictureShown) {
    platform::InvalidateRect(window, &Game.ScannerArea);
    EnableShipButtons(document.InProgress);
  }
}

}  // namespace

void DoCommand(platform::Window* window, int id, GameDocument& document) {
  switch (id & 0xFFFF) {
    case NewCommand:
      RunDocumentCommand(NewGame, window, document);
      break;
    case OpenCommand:
      RunDocumentCommand(OpenGame, window, document);
      break;
    case CloseCommand:
      RunDocumentCommand(CloseGame, window, document);
      break;
    case SaveCommand:
      RunDocumentCommand(SaveGame, window, document);
      break;
    case ExitCommand:
      platform::RequestClose(window);
      break;
    case TopMostCommand:
      Settings.TopMost = !Settings.TopMost;
      platform::SetTopMost(window, Settings.TopMost);
      break;
    case SoundsCommand:
      Settings.Sounds = !Settings.Sounds;
      break;
    case AboutCommand:
      ShowSplash();
      break;
  }
  UpdateMenus(window, document);
}

void UpdateMenus(platform::Window* window, const GameDocument& document) {
  const bool gameOpen = document.InProgress != 0;
  const bool inPlay = gameOpen && PictureIndex == 0;
  for (const int id : AlwaysEnabled) platform::EnableMenuItem(window, id, true);
  for (const int id : NeedGameInPlay) platform::EnableMenuItem(window, id, inPlay);
  platform::CheckMenuItem(window, ScanZCommand, gameOpen && Game.ScanAxis == ScanZ);
  platform::CheckMenuItem(window, ScanYCommand, gameOpen && Game.ScanAxis == ScanY);
  platform::CheckMenuItem(window, ScanXCommand, gameOpen && Game.ScanAxis == ScanX);
  platform::CheckMenuItem(window, TopMostCommand, Settings.TopMost != 0);
  platform::CheckMenuItem(window, SoundsCommand, Settings.Sounds != 0);
}
