#include "app/game_controller.h"

#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <algorithm>

#include "app/commands.h"
#include "app/main_window.h"
#include "app/trace.h"
#include "display/main_layout.h"
#include "display/result_panel.h"
#include "document/captains_record_file.h"
#include "engine/captains_record.h"
#include "engine/game_flow.h"
#include "engine/modes.h"
#include "engine/navigation.h"
#include "engine/targeting.h"
#include "engine/weapons.h"
#include "platform/system.h"
#include "support/sound.h"

namespace kestravane {

GameController::GameController(MainWindow& window, Session& session, GameDocument& document, AppSettings& settings,
                               const std::string& settingsPath, Splash& splash, platform::SoundOutput& sound)
    : window_(window),
      session_(session),
      document_(document),
      settings_(settings),
      settingsPath_(settingsPath),
      splash_(splash),
      sound_(sound),
      records_(CaptainsRecordPath(), platform::CalendarSeconds()) {}

void GameController::Run(Command command) {
  const CommandEntry& entry = EntryOf(command);
  // A command held back during a flight may have been grayed by the shot.
  if (entry.enabled(*this)) entry.run(*this);
  if (entry.boardTakesKeyboard) window_.FocusBoard();
  window_.UpdateMenus();
}

void GameController::PressKey(int key, bool repeated) {
  // Shift, Ctrl, Alt and the like only begin a key: alone they say nothing.
  static constexpr int Modifiers[] = {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Meta,     Qt::Key_Alt,     Qt::Key_AltGr,
                                      Qt::Key_Super_L, Qt::Key_Super_R, Qt::Key_CapsLock, Qt::Key_NumLock};
  if (std::find(std::begin(Modifiers), std::end(Modifiers), key) != std::end(Modifiers)) return;
  const KeyAction* action = ActionOfKey(key);
  if (repeated && ((action && action->fires) || flight_.Flying())) return;
  Handle([this, action] {
    if (!session_.InProgress) return;
    if (session_.Picture != ScannerPicture::None) return Resume();
    if (!action)
      Commander();
    else
      (session_.Diagnostics ? action->diagnostics : action->play)(*this);
    window_.UpdateMenus();
  });
}

void GameController::LeftClick(QPoint at) {
  Handle([this, at] {
    if (!session_.InProgress) return;
    if (session_.Picture != ScannerPicture::None) return Resume();
    if (const std::optional<Cell> cell = CellAt(at.x(), at.y())) Show(Retarget(session_, *cell));
  });
}

void GameController::RightClick(QPoint at) {
  Handle([this, at] {
    if (!InPlay() || !CellAt(at.x(), at.y())) return;
    Fire();
    // A shot can end the game, which grays the game's commands.
    window_.UpdateMenus();
  });
}

void GameController::Handle(std::function<void()> action) {
  if (flight_.Flying()) {
    held_.push_back(std::move(action));
    return;
  }
  action();
}

// What came during a flight runs after its landing, up to the next shot.
void GameController::RunHeldInput() {
  while (!held_.empty() && !flight_.Flying()) {
    const std::function<void()> next = std::move(held_.front());
    held_.pop_front();
    next();
  }
}

void GameController::LandMissiles() {
  while (flight_.Flying()) flight_.Land();
}

void GameController::ShowStatus(const Message& message) { window_.board().ShowStatus(message); }

void GameController::Show(const Outcome& outcome, bool shot) {
  BoardView& board = window_.board();
  for (const Message& message : outcome.Messages) board.ShowStatus(message);
  if (outcome.ShipButtons) board.EnableShipButtons(*outcome.ShipButtons);
  // The end page shows the game's place in the record, so the record comes first.
  if (outcome.Ended) RecordEnd();
  board.Refresh();
  if (!SoundsOn()) {
    if (outcome.AlertWhenSilent) AlertBeep();
    return;
  }
  for (const Sound sound : outcome.Sounds) {
    // A box in the middle of a shot would take the input meant for the game.
    if (PlayWave(sound_, sound, !shot)) continue;
    // One box is enough: the game goes on in silence, and the player's
    // choice stands for the next start.
    soundsFailed_ = true;
    ShowStatus(Text::SoundsFailed);
    return;
  }
}

DocumentContext GameController::Documents() {
  CountPlayTime();
  lastWon_.reset();
  return {window_, session_, document_, splash_};
}

void GameController::CountPlayTime() {
  const auto now = std::chrono::steady_clock::now();
  const auto played = std::chrono::duration_cast<std::chrono::seconds>(now - playClock_).count();
  // The clock stops at the game's end, as the other figures do.
  if (session_.InProgress && !session_.History.Recorded)
    session_.History.SecondsPlayed += static_cast<std::uint32_t>(played);
  // What is left of a second counts towards the next.
  playClock_ += std::chrono::seconds(played);
}

void GameController::RecordEnd() {
  GameHistory& history = session_.History;
  const GameEnd result = history.Ended.value_or(GameEnd::Lost);
  if (!history.Recorded) {
    CountPlayTime();
    history.Recorded = true;
    const std::int64_t now = platform::CalendarSeconds();
    ShowRecordReport(records_.Add(EntryFor(session_, result, now), now));
    const std::size_t entry = records_.record().Entries.size() - 1;
    lastWon_ = result == GameEnd::Won ? std::optional(entry) : std::nullopt;
  }
  // Asked each time, so that an end after a tour, or in a game opened again, shows its place too.
  history.Place = PlaceOf(records_.record(), EntryFor(session_, result, 0));
}

bool GameController::HasResult() const { return !ResultLine(session_).isEmpty(); }

void GameController::CopyResult() {
  const QString line = ResultLine(session_);
  QGuiApplication::clipboard()->setText(line);
  ShowStatus(Text::ResultCopied, line.toStdString());
}

void GameController::ShowRecordReport(const RecordReport& report) {
  if (const std::optional<Message> message = RecordMessage(report)) ShowStatus(*message);
}

void GameController::Resume() {
  Show(ResumeGame(session_));
  window_.UpdateMenus();
}

void GameController::RunDocumentCommand(const std::function<bool(DocumentContext&)>& command) {
  Show(BeginDocumentCommand(session_));
  DocumentContext context = Documents();
  EndDocumentCommand(session_, command(context));
}

void GameController::OpenDocument(const std::string& path) {
  Handle([this, path] {
    bool opened = false;
    RunDocumentCommand([&](DocumentContext& context) { return opened = OpenGameFile(context, path); });
    if (opened) TraceEvent("document-opened");
    window_.UpdateMenus();
  });
}

void GameController::New() { RunDocumentCommand(NewGame); }

void GameController::TodaysUniverse() {
  const QDate today = QDate::currentDate();
  StartUniverse(static_cast<std::uint32_t>(today.year() * 10000 + today.month() * 100 + today.day()));
}

void GameController::StartUniverse(std::uint32_t number) {
  RunDocumentCommand([number](DocumentContext& context) { return NewGameInUniverse(context, number); });
}

void GameController::Open() { RunDocumentCommand(OpenGame); }
void GameController::Close() { RunDocumentCommand(CloseGame); }
void GameController::Save() { RunDocumentCommand(SaveGame); }
void GameController::Exit() { window_.close(); }
void GameController::Scan(ScanAxis axis) { Show(SelectScanAxis(session_, axis)); }

void GameController::ToggleTopMost() {
  settings_.TopMost = !settings_.TopMost;
  window_.SetTopMost(settings_.TopMost);
}

void GameController::ZoomTo(int zoom) {
  settings_.Zoom = zoom;
  window_.SetZoom(zoom);
}

// A shot from launch to landing, with its flight on screen. The landing
// comes later, from the event loop.
void GameController::Fire() {
  Launch launch = LaunchMissile(session_);
  Show(launch.Report, true);
  if (!launch.Flight) return;
  const Cell cell = launch.Flight->TargetCell;
  window_.RepeatShortcuts(false);
  flight_.Fly(window_.board(), cell.Column, cell.Row, [this, target = *launch.Flight] {
    window_.RepeatShortcuts(true);
    Show(StrikeTarget(session_, target), true);
    window_.UpdateMenus();
    RunHeldInput();
  });
}

void GameController::Engage() { Show(EngageEngines(session_)); }
void GameController::Reverse() { Show(ReverseEngines(session_)); }

void GameController::ToggleSounds() {
  settings_.Sounds = !SoundsOn();
  soundsFailed_ = false;
}

void GameController::ShowPage(ScannerPicture page) { Show(ShowPicture(session_, page)); }
void GameController::About() { splash_.Show(); }
void GameController::ToggleDiagnostics() { Show(kestravane::ToggleDiagnostics(session_)); }
void GameController::Select(DiagnosticsSystem system) { Show(SelectSystem(session_, system)); }
void GameController::ToggleTracing() { Show(kestravane::ToggleTracing(session_)); }
void GameController::Adjust(bool up) { Show(AdjustGauge(session_, up)); }

// The arrows move the target a cell within the sector, free, as a click does.
void GameController::MoveTarget(int rows, int columns) {
  const Cell at = ShipCell(session_.State);
  Show(Retarget(session_, {at.Row + rows, at.Column + columns}));
}

void GameController::Commander() {
  Outcome outcome;
  outcome.Post(Text::Commander);
  Show(outcome);
}

}  // namespace kestravane
