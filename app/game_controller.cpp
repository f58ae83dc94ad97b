#include "app/game_controller.h"

#include "app/missile_flight.h"
#include "app/show_outcome.h"
#include "engine/game_flow.h"
#include "engine/modes.h"
#include "engine/navigation.h"
#include "engine/weapons.h"
#include "platform/menu.h"

namespace {

constexpr Command AlwaysEnabled[] = {Command::New,     Command::Open,  Command::Options, Command::Exit,
                                     Command::TopMost, Command::About, Command::Sounds};

constexpr Command NeedGameInPlay[] = {
    Command::Save,          Command::Close,   Command::ScanZ,         Command::ScanY,
    Command::ScanX,         Command::ScannerLog, Command::GameRules,  Command::KeyboardShortcuts,
    Command::MissionOrders, Command::Aim,     Command::Fire,          Command::Helm,
    Command::Engage,        Command::Reverse};

}  // namespace

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

void GameController::Show(platform::Window* window, const Outcome& outcome) {
  ShowOutcome(window, outcome, session_.State, settings_.Sounds);
}

void GameController::Resume(platform::Window* window) {
  Show(window, ResumeGame(session_));
  UpdateMenus(window);
}

void GameController::RunDocumentCommand(platform::Window* window, DocumentCommand command) {
  Show(window, BeginDocumentCommand(session_));
  DocumentContext context = Documents(window);
  EndDocumentCommand(session_, command(context));
}

void GameController::FireAtTarget(platform::Window* window) {
  Launch launch = LaunchMissile(session_);
  Show(window, launch.Report);
  if (!launch.Flight) return;
  const Cell cell = launch.Flight->TargetCell;
  flight_.Fly(window, cell.Column, cell.Row, [this, window, target = *launch.Flight] {
    Show(window, StrikeTarget(session_, target));
    UpdateMenus(window);
    RunHeldInput();
  });
}

void GameController::DoCommand(platform::Window* window, int command) {
  const auto ship = [&](auto&& run) {
    if (InPlay()) run();
    // The button or menu that sent it keeps no focus: the game's keys must
    // work at once.
    platform::FocusWindow(window);
  };
  switch (static_cast<Command>(command)) {
    case Command::New:
      RunDocumentCommand(window, NewGame);
      break;
    case Command::Open:
      RunDocumentCommand(window, OpenGame);
      break;
    case Command::Close:
      RunDocumentCommand(window, CloseGame);
      break;
    case Command::Save:
      RunDocumentCommand(window, SaveGame);
      break;
    case Command::Options:
      ChangeOptions(window);
      break;
    case Command::Exit:
      platform::RequestClose(window);
      break;
    case Command::ScanZ:
      if (InPlay()) Show(window, SelectScanAxis(session_, ScanAxis::Z));
      break;
    case Command::ScanY:
      if (InPlay()) Show(window, SelectScanAxis(session_, ScanAxis::Y));
      break;
    case Command::ScanX:
      if (InPlay()) Show(window, SelectScanAxis(session_, ScanAxis::X));
      break;
    case Command::ScannerLog:
      if (InPlay()) ViewScannerLog(window);
      break;
    case Command::TopMost:
      settings_.TopMost = !settings_.TopMost;
      platform::SetTopMost(window, settings_.TopMost);
      break;
    case Command::GameRules:
      if (InPlay()) Show(window, ShowPicture(session_, ScannerPicture::Rules));
      break;
    case Command::KeyboardShortcuts:
      if (InPlay()) Show(window, ShowPicture(session_, ScannerPicture::Keys));
      break;
    case Command::MissionOrders:
      if (InPlay()) Show(window, ShowPicture(session_, ScannerPicture::Mission));
      break;
    case Command::Aim:
    case Command::AimButton:
      ship([&] { AimAndFire(window); });
      break;
    case Command::Fire:
    case Command::FireButton:
      ship([&] { FireAtTarget(window); });
      break;
    case Command::Helm:
      ship([&] { SteerByHelm(window); });
      break;
    case Command::Engage:
    case Command::EngageButton:
      ship([&] { Show(window, EngageEngines(session_)); });
      break;
    case Command::Reverse:
    case Command::ReverseButton:
      ship([&] { Show(window, ReverseEngines(session_)); });
      break;
    case Command::Sounds:
      settings_.Sounds = !settings_.Sounds;
      break;
    case Command::About:
      splash_.Show();
      break;
    default:
      break;
  }
  UpdateMenus(window);
}

void GameController::UpdateMenus(platform::Window* window) const {
  const bool gameOpen = session_.InProgress;
  const ScanAxis axis = session_.State.Axis;
  for (const Command id : AlwaysEnabled) platform::EnableMenuItem(window, Id(id), true);
  for (const Command id : NeedGameInPlay) platform::EnableMenuItem(window, Id(id), InPlay());
  platform::CheckMenuItem(window, Id(Command::ScanZ), gameOpen && axis == ScanAxis::Z);
  platform::CheckMenuItem(window, Id(Command::ScanY), gameOpen && axis == ScanAxis::Y);
  platform::CheckMenuItem(window, Id(Command::ScanX), gameOpen && axis == ScanAxis::X);
  platform::CheckMenuItem(window, Id(Command::TopMost), settings_.TopMost);
  platform::CheckMenuItem(window, Id(Command::Sounds), settings_.Sounds);
}
