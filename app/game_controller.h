#pragma once

#include "app/document_commands.h"
#include "app/game_document.h"
#include "app/settings.h"
#include "engine/identifiers.h"
#include "engine/session.h"
#include "platform/window.h"
#include "support/splash.h"

// Turns the player's commands into the game's operations and keeps the
// menus in step with the game: which commands can be chosen now, and which
// are checked.
class GameController {
 public:
  GameController(Session& session, GameDocument& document, AppSettings& settings, Splash& splash)
      : session_(session), document_(document), settings_(settings), splash_(splash) {}

  // Carries out menu command, shortcut or ship button `command`, then brings
  // the menus up to date. Numbers that are no command of the game do nothing.
  void DoCommand(platform::Window* window, int command);

  // Grays the commands that need a game in play (a game open and no picture
  // shown) and sets the check marks of the scan axis, Always on Top and Play
  // Sounds.
  void UpdateMenus(platform::Window* window) const;

  // The document commands on this window's game.
  DocumentContext Documents(platform::Window* window) { return {window, session_, document_, splash_}; }

 private:
  using DocumentCommand = bool (*)(DocumentContext&);
  void RunDocumentCommand(platform::Window* window, DocumentCommand command);

  Session& session_;
  GameDocument& document_;
  AppSettings& settings_;
  Splash& splash_;
};
