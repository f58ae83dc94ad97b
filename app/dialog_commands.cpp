// The commands that open a dialog, and what the game does with its answer.

#include "app/game_controller.h"
#include "app/show_outcome.h"
#include "app/status_line.h"
#include "dialogs/aim_dialog.h"
#include "dialogs/helm_dialog.h"
#include "dialogs/options_dialog.h"
#include "dialogs/scanner_log_dialog.h"
#include "engine/navigation.h"
#include "engine/targeting.h"
#include "support/message_box.h"

void GameController::ChangeOptions(platform::Window* window) {
  const std::optional<GameOptions> chosen = RunOptionsDialog(window, {settings_.Difficulty, settings_.Sounds});
  platform::FocusWindow(window);
  if (!chosen) return;
  if (chosen->Difficulty != settings_.Difficulty) WarningBox(window, Text::ProgramName, Text::LevelForNextGame);
  settings_.Difficulty = chosen->Difficulty;
  settings_.Sounds = chosen->Sounds;
  platform::InvalidateRect(window, nullptr);
  // The game in progress keeps its supplies; the level goes into the game
  // saved next and sizes the next new one.
  session_.State.Difficulty = settings_.Difficulty;
  SaveSettings(settings_, settingsPath_);
  ShowStatus(Text::OptionsSaved);
}

void GameController::AimAndFire(platform::Window* window) {
  ShowStatus(Text::TargetCoordinates);
  const std::optional<Quadrant> target = RunAimDialog(window, session_.State, settings_.AimPlacement);
  platform::FocusWindow(window);
  if (!target) {
    ShowStatus(Text::TargetingCanceled);
    platform::InvalidateRect(window, nullptr);
    return;
  }
  Show(window, AimAt(session_, *target));
  FireAtTarget(window);
}

void GameController::SteerByHelm(platform::Window* window) {
  ShowStatus(Text::HelmCoordinates);
  const std::optional<HelmOrders> orders = RunHelmDialog(window, session_.State, settings_.HelmPlacement);
  platform::FocusWindow(window);
  if (!orders) {
    ShowStatus(Text::HelmCanceled);
    platform::InvalidateRect(window, nullptr);
    return;
  }
  Show(window, SteerTo(session_, orders->Destination, orders->Axis));
}

void GameController::ViewScannerLog(platform::Window* window) {
  ShowStatus(Text::LogOpened);
  RunScannerLogDialog(window, session_.Log, session_.State.Axis, settings_.ScannerPlacement);
  platform::FocusWindow(window);
  platform::InvalidateRect(window, nullptr);
  ShowStatus(Text::LogClosed);
}
