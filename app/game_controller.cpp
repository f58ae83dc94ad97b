#include "app/game_controller.h"

#include "app/show_outcome.h"
#include "engine/game_flow.h"
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

void GameController::RunDocumentCommand(platform::Window* window, DocumentCommand command) {
  DocumentContext context = Documents(window);
  const bool done = command(context);
  ShowOutcome(window, EndDocumentCommand(session_, done), settings_.Sounds);
}

void GameController::DoCommand(platform::Window* window, int command) {
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
    case Command::Exit:
      platform::RequestClose(window);
      break;
    case Command::TopMost:
      settings_.TopMost = !settings_.TopMost;
      platform::SetTopMost(window, settings_.TopMost);
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
  const bool inPlay = gameOpen && session_.Picture == NoPicture;
  const int axis = session_.State.ScanAxis;
  for (const Command id : AlwaysEnabled) platform::EnableMenuItem(window, Id(id), true);
  for (const Command id : NeedGameInPlay) platform::EnableMenuItem(window, Id(id), inPlay);
  platform::CheckMenuItem(window, Id(Command::ScanZ), gameOpen && axis == ScanZ);
  platform::CheckMenuItem(window, Id(Command::ScanY), gameOpen && axis == ScanY);
  platform::CheckMenuItem(window, Id(Command::ScanX), gameOpen && axis == ScanX);
  platform::CheckMenuItem(window, Id(Command::TopMost), settings_.TopMost);
  platform::CheckMenuItem(window, Id(Command::Sounds), settings_.Sounds);
}
