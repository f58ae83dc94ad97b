#include "app/game_controller.h"

#include <QDate>

#include "app/main_window.h"
#include "app/show_outcome.h"
#include "app/trace.h"
#include "engine/captains_record.h"
#include "engine/game_flow.h"
#include "engine/modes.h"
#include "engine/navigation.h"
#include "engine/weapons.h"
#include "support/sound.h"

namespace kestravane {

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

void GameController::Show(const Outcome& outcome, bool shot) {
  ShowOutcome(window_, outcome, session_.State);
  if (outcome.Ended) RecordEnd(*outcome.Ended);
  if (!SoundsOn()) {
    if (outcome.AlertWhenSilent) AlertBeep();
    return;
  }
  for (const Sound sound : outcome.Sounds) {
    // A box in the middle of a shot would take the input meant for the game.
    if (PlayWave(sound, !shot)) continue;
    // One box is enough: the game goes on in silence, and the player's
    // choice stands for the next start.
    soundsFailed_ = true;
    window_.ShowStatus(Text::SoundsFailed);
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
  if (session_.InProgress) session_.History.SecondsPlayed += static_cast<std::uint32_t>(played);
  // What is left of a second counts towards the next.
  playClock_ += std::chrono::seconds(played);
}

void GameController::RecordEnd(GameEnd result) {
  if (session_.History.Recorded) return;
  CountPlayTime();
  session_.History.Recorded = true;
  const std::int64_t now = platform::CalendarSeconds();
  ShowRecordReport(records_.Add(EntryFor(session_, result, now), now));
  const std::size_t entry = records_.record().Entries.size() - 1;
  lastWon_ = result == GameEnd::Won ? std::optional(entry) : std::nullopt;
}

void GameController::ShowRecordReport(const RecordReport& report) {
  if (const std::optional<Message> message = RecordMessage(report)) window_.ShowStatus(*message);
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

void GameController::FireAtTarget() {
  Launch launch = LaunchMissile(session_);
  Show(launch.Report, true);
  if (!launch.Flight) return;
  const Cell cell = launch.Flight->TargetCell;
  flight_.Fly(window_.board(), cell.Column, cell.Row, [this, target = *launch.Flight] {
    Show(StrikeTarget(session_, target), true);
    window_.UpdateMenus();
    RunHeldInput();
  });
}

void GameController::DoCommand(Command command) {
  const auto ship = [&](auto&& run) {
    if (InPlay()) run();
    // The button or menu that sent it keeps no focus: the game's keys must
    // work at once.
    window_.FocusBoard();
  };
  switch (command) {
    case Command::New: RunDocumentCommand(NewGame); break;
    case Command::NewByNumber: NewByNumber(); break;
    case Command::TodaysUniverse: {
      const QDate today = QDate::currentDate();
      StartUniverse(static_cast<std::uint32_t>(today.year() * 10000 + today.month() * 100 + today.day()));
      break;
    }
    case Command::GameNumber: ShowGameNumber(); break;
    case Command::CaptainsRecord: ViewCaptainsRecord(); break;
    case Command::Open: RunDocumentCommand(OpenGame); break;
    case Command::Close: RunDocumentCommand(CloseGame); break;
    case Command::Save: RunDocumentCommand(SaveGame); break;
    case Command::Options: ChangeOptions(); break;
    case Command::Exit: window_.close(); break;
    case Command::ScanZ:
      if (InPlay()) Show(SelectScanAxis(session_, ScanAxis::Z));
      break;
    case Command::ScanY:
      if (InPlay()) Show(SelectScanAxis(session_, ScanAxis::Y));
      break;
    case Command::ScanX:
      if (InPlay()) Show(SelectScanAxis(session_, ScanAxis::X));
      break;
    case Command::ScannerLog:
      if (InPlay()) ViewScannerLog();
      break;
    case Command::TopMost:
      settings_.TopMost = !settings_.TopMost;
      window_.SetTopMost(settings_.TopMost);
      break;
    case Command::GameRules:
      if (InPlay()) Show(ShowPicture(session_, ScannerPicture::Rules));
      break;
    case Command::KeyboardShortcuts:
      if (InPlay()) Show(ShowPicture(session_, ScannerPicture::Keys));
      break;
    case Command::MissionOrders:
      if (InPlay()) Show(ShowPicture(session_, ScannerPicture::Mission));
      break;
    case Command::Aim: ship([&] { AimAndFire(); }); break;
    case Command::Fire: ship([&] { FireAtTarget(); }); break;
    case Command::Helm: ship([&] { SteerByHelm(); }); break;
    case Command::Engage: ship([&] { Show(EngageEngines(session_)); }); break;
    case Command::Reverse: ship([&] { Show(ReverseEngines(session_)); }); break;
    case Command::Sounds:
      settings_.Sounds = !SoundsOn();
      soundsFailed_ = false;
      break;
    case Command::About: splash_.Show(); break;
  }
  window_.UpdateMenus();
}

bool GameController::Enabled(Command command) const {
  switch (command) {
    case Command::New:
    case Command::NewByNumber:
    case Command::TodaysUniverse:
    case Command::GameNumber:
    case Command::CaptainsRecord:
    case Command::Open:
    case Command::Options:
    case Command::Exit:
    case Command::TopMost:
    case Command::About:
    case Command::Sounds: return true;
    default: return InPlay();
  }
}

bool GameController::Checked(Command command) const {
  const bool gameOpen = session_.InProgress;
  const ScanAxis axis = session_.State.Axis;
  switch (command) {
    case Command::ScanZ: return gameOpen && axis == ScanAxis::Z;
    case Command::ScanY: return gameOpen && axis == ScanAxis::Y;
    case Command::ScanX: return gameOpen && axis == ScanAxis::X;
    case Command::TopMost: return settings_.TopMost;
    case Command::Sounds: return SoundsOn();
    default: return false;
  }
}

}  // namespace kestravane
