#pragma once

#include <deque>
#include <functional>
#include <string>

#include "app/document_commands.h"
#include "app/game_document.h"
#include "app/missile_flight.h"
#include "app/settings.h"
#include "engine/identifiers.h"
#include "engine/outcome.h"
#include "engine/session.h"
#include "platform/window.h"
#include "support/splash.h"

// Turns the player's commands, keys and clicks into the game's operations
// and keeps the menus in step with the game: which commands can be chosen
// now, and which are checked.
class GameController {
 public:
  // The options the player confirms are written to `settingsPath` at once.
  GameController(Session& session, GameDocument& document, AppSettings& settings, const std::string& settingsPath,
                 Splash& splash)
      : session_(session), document_(document), settings_(settings), settingsPath_(settingsPath), splash_(splash) {}

  // Carries out menu command, shortcut or ship button `command`, then brings
  // the menus up to date. Numbers that are no command of the game do nothing.
  void DoCommand(platform::Window* window, int command);

  // A key the shortcuts did not take (platform/keys.h). Ignored with no game
  // open; while a picture is shown any key resumes the game.
  void DoKeyDown(platform::Window* window, int virtualKey);
  static bool KeyFires(int virtualKey);

  // Mouse presses at client pixel (x, y). A left click in the scanner view
  // moves the target there; a right click there fires at the target, never
  // at the cell under the pointer. A left click anywhere ends a picture.
  void DoLeftClick(platform::Window* window, int x, int y);
  void DoRightClick(platform::Window* window, int x, int y);

  // Grays the commands that need a game in play (a game open and no picture
  // shown) and sets the check marks of the scan axis, Always on Top and Play
  // Sounds.
  void UpdateMenus(platform::Window* window) const;

  // Runs `action` now or, while a missile is in flight, once it has landed:
  // nothing the player does may interleave with a shot, and nothing he does
  // meanwhile is lost. Actions held back run in the order they came.
  void Handle(std::function<void()> action);
  bool MissileInFlight() const { return flight_.Flying(); }

  // Whether a key the player holds down is dropped when it repeats: while a
  // missile flies, and always for a key that fires, so that a held fire key
  // fires one missile per press instead of one per repeat.
  bool DropsRepeat(bool fires) const { return fires || flight_.Flying(); }

  // Lands the missile in flight now, and every one that the input held back
  // meanwhile fires, so that the game can be left in a settled state.
  void LandMissiles();

  // The document commands on this window's game.
  DocumentContext Documents(platform::Window* window) { return {window, session_, document_, splash_}; }

 private:
  using DocumentCommand = bool (*)(DocumentContext&);
  void RunDocumentCommand(platform::Window* window, DocumentCommand command);
  bool InPlay() const { return session_.InProgress && session_.Picture == ScannerPicture::None; }
  void Show(platform::Window* window, const Outcome& outcome);
  void Resume(platform::Window* window);
  // A shot from launch to landing, with its flight on screen. The landing
  // comes later, from the event loop.
  void FireAtTarget(platform::Window* window);
  void RunHeldInput();

  // The dialogs, each with the status lines around it and what follows it.
  void ChangeOptions(platform::Window* window);
  void AimAndFire(platform::Window* window);
  void SteerByHelm(platform::Window* window);
  void ViewScannerLog(platform::Window* window);

  Session& session_;
  GameDocument& document_;
  AppSettings& settings_;
  const std::string& settingsPath_;
  Splash& splash_;
  FlightAnimation flight_;
  std::deque<std::function<void()>> held_;
};
