#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "app/document_commands.h"
#include "app/game_document.h"
#include "app/main_menu.h"
#include "app/missile_flight.h"
#include "app/settings.h"
#include "document/captains_record_file.h"
#include "document/record_book.h"
#include "engine/identifiers.h"
#include "engine/outcome.h"
#include "engine/session.h"
#include "platform/system.h"
#include "support/splash.h"

namespace kestravane {

class MainWindow;

// Turns the player's commands, keys and clicks into the game's operations
// and keeps the menus in step with the game: which commands can be chosen
// now, and which are checked.
class GameController {
 public:
  // The options the player confirms are written to `settingsPath` at once.
  GameController(MainWindow& window, Session& session, GameDocument& document, AppSettings& settings,
                 const std::string& settingsPath, Splash& splash)
      : window_(window),
        session_(session),
        document_(document),
        settings_(settings),
        settingsPath_(settingsPath),
        splash_(splash),
        records_(CaptainsRecordPath(), platform::CalendarSeconds()) {}

  // Carries out a menu command, shortcut or ship button, then brings the
  // menus up to date.
  void DoCommand(Command command);

  // A key that is no shortcut, or whose menu item is grayed. Ignored with no
  // game open; while a picture is shown any key resumes the game.
  void DoKey(GameKey key);

  // Mouse presses at client pixel (x, y). A left click in the scanner view
  // moves the target there; a right click there fires at the target, never
  // at the cell under the pointer. A left click anywhere ends a picture.
  void DoLeftClick(int x, int y);
  void DoRightClick(int x, int y);

  // Commands that need a game in play (a game open and no picture shown)
  // are grayed without one; the scan axis, Always on Top and Play Sounds
  // are checked as they stand.
  bool Enabled(Command command) const;
  bool Checked(Command command) const;

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

  // Opens the game at `path` as Open does, once nothing is in the way.
  void OpenDocument(const std::string& path);

  // The document commands on this window's game. The time played so far
  // goes into the game first, as it may be saved or replaced.
  DocumentContext Documents();

  // Tells the player on the status line what became of the record file,
  // unless all went as it should.
  void ShowRecordReport(const RecordReport& report);
  const RecordBook& records() const { return records_; }

 private:
  void RunDocumentCommand(const std::function<bool(DocumentContext&)>& command);
  bool InPlay() const { return SectorShown(session_); }
  // Shows the outcome and plays its sounds; a sound that fails during a shot
  // turns the sounds off without a box.
  void Show(const Outcome& outcome, bool shot = false);
  // The player's choice, unless a sound has failed since he made it.
  bool SoundsOn() const { return settings_.Sounds && !soundsFailed_; }
  void Resume();
  // A shot from launch to landing, with its flight on screen. The landing
  // comes later, from the event loop.
  void FireAtTarget();
  void RunHeldInput();

  // The dialogs, each with the status lines around it and what follows it.
  void ChangeOptions();
  void AimAndFire();
  void SteerByHelm();
  void ViewScannerLog();
  void NewByNumber();
  void ShowGameNumber();
  void ViewCaptainsRecord();

  // A new game in universe `number`, after the save question.
  void StartUniverse(std::uint32_t number);
  // The time since the last count goes into the game in progress.
  void CountPlayTime();
  // The game's end goes into the captain's record, once a game.
  void RecordEnd(GameEnd result);

  MainWindow& window_;
  Session& session_;
  GameDocument& document_;
  AppSettings& settings_;
  const std::string& settingsPath_;
  Splash& splash_;
  FlightAnimation flight_;
  std::deque<std::function<void()>> held_;
  bool soundsFailed_ = false;
  RecordBook records_;
  // The entry of the game just won, shown marked in the record until the
  // next document command.
  std::optional<std::size_t> lastWon_;
  std::chrono::steady_clock::time_point playClock_ = std::chrono::steady_clock::now();
};

}  // namespace kestravane
