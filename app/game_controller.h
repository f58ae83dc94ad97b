#pragma once

#include <QPoint>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "app/document_commands.h"
#include "app/game_document.h"
#include "app/missile_flight.h"
#include "app/settings.h"
#include "document/record_book.h"
#include "engine/identifiers.h"
#include "engine/outcome.h"
#include "engine/session.h"
#include "platform/sound.h"
#include "support/splash.h"

namespace kestravane {

class MainWindow;

// Turns the player's commands, keys and clicks into the game's operations
// and shows what they did. Which commands can be chosen now and which are
// checked is the command table's (app/commands.h), read from here.
class GameController {
 public:
  // The options the player confirms are written to `settingsPath` at once.
  GameController(MainWindow& window, Session& session, GameDocument& document, AppSettings& settings,
                 const std::string& settingsPath, Splash& splash, platform::SoundOutput& sound);

  // A menu item, shortcut or ship button, while it can still be chosen; then
  // the menus are brought up to date.
  void Run(Command command);

  // A key the board took: one of the game's own, or a shortcut whose item is
  // grayed. Ignored with no game open; while a page is shown any key resumes.
  // The repeats of a held key are dropped while a missile flies, and always
  // for a key that fires, so that a held fire key fires once per press.
  void PressKey(int key, bool repeated);

  // Mouse presses at a client pixel. A left click in the scanner view moves
  // the target there; a right click there fires at the target, never at the
  // cell under the pointer. A left click anywhere ends a page.
  void LeftClick(QPoint at);
  void RightClick(QPoint at);

  // Runs `action` now or, while a missile is in flight, once it has landed:
  // nothing the player does may interleave with a shot, and nothing he does
  // meanwhile is lost. Actions held back run in the order they came.
  void Handle(std::function<void()> action);
  bool MissileInFlight() const { return flight_.Flying(); }

  // Lands the missile in flight now, and every one that the input held back
  // meanwhile fires, so that the game can be left in a settled state.
  void LandMissiles();

  // Opens the game at `path` as Open does, once nothing is in the way.
  void OpenDocument(const std::string& path);

  // The document commands on this window's game. The time played so far
  // goes into the game first, as it may be saved or replaced.
  DocumentContext Documents();

  // Shows what a rule did and plays its sounds; a sound that fails during a
  // shot turns the sounds off without a box.
  void Show(const Outcome& outcome, bool shot = false);

  // Shows the message on the status line.
  void ShowStatus(const Message& message);
  template <typename... Values>
  void ShowStatus(Text id, Values&&... values) {
    ShowStatus(MakeMessage(id, std::forward<Values>(values)...));
  }

  // Tells the player on the status line what became of the record file,
  // unless all went as it should.
  void ShowRecordReport(const RecordReport& report);
  const RecordBook& records() const { return records_; }

  // What the commands' states are read from.
  bool InPlay() const { return SectorShown(session_); }
  bool GameOpen() const { return session_.InProgress; }
  ScanAxis Axis() const { return session_.State.Axis; }
  bool TopMost() const { return settings_.TopMost; }
  int Zoom() const { return settings_.Zoom; }
  // The player's choice, unless a sound has failed since he made it.
  bool SoundsOn() const { return settings_.Sounds && !soundsFailed_; }
  // The open game has ended, and its result can be copied.
  bool HasResult() const;

  // The commands.
  void New();
  void NewByNumber();
  void TodaysUniverse();
  void Open();
  void Close();
  void Save();
  void GameNumber();
  void CaptainsRecord();
  // Puts the finished game's result on the clipboard as one line.
  void CopyResult();
  // Opens the map of the whole cube for the open game.
  void HuntMap();
  void Options();
  void Exit();
  void Scan(ScanAxis axis);
  void ScannerLog();
  void ToggleTopMost();
  // Shows the game `zoom` times as large, and remembers it for the next start.
  void ZoomTo(int zoom);
  void Aim();
  void Fire();
  void Helm();
  void Engage();
  void Reverse();
  void ToggleSounds();
  void ShowPage(ScannerPicture page);
  void About();
  // And what only keys do: diagnostics, and the answer to a key the game
  // does not know.
  void ToggleDiagnostics();
  void Select(DiagnosticsSystem system);
  void ToggleTracing();
  void Adjust(bool up);
  void MoveTarget(int rows, int columns);
  void Commander();

 private:
  void RunDocumentCommand(const std::function<bool(DocumentContext&)>& command);
  void Resume();
  void RunHeldInput();
  // A new game in universe `number`, after the save question.
  void StartUniverse(std::uint32_t number);
  // The time since the last count goes into the game in progress.
  void CountPlayTime();
  // The game's first end goes into the captain's record, once a game; its
  // place there is looked up at every end.
  void RecordEnd();

  MainWindow& window_;
  Session& session_;
  GameDocument& document_;
  AppSettings& settings_;
  const std::string& settingsPath_;
  Splash& splash_;
  platform::SoundOutput& sound_;
  FlightAnimation flight_;
  std::deque<std::function<void()>> held_;
  bool soundsFailed_ = false;
  RecordBook records_;
  // The entry of the game just won, shown marked in the record until the
  // next document command.
  std::optional<std::size_t> lastWon_;
  std::chrono::steady_clock::time_point playClock_ = std::chrono::steady_clock::now();
  // Where the Map of the Hunt was left, for as long as the game runs.
  Placement mapPlacement_{35, 35, 0, 0, 1};
};

}  // namespace kestravane
