// The keys and mouse clicks of the main window.

#include "app/game_controller.h"
#include "app/main_window.h"
#include "display/main_layout.h"
#include "engine/modes.h"
#include "engine/navigation.h"
#include "engine/targeting.h"

namespace kestravane {

namespace {

Outcome Commander() {
  Outcome outcome;
  outcome.Post(Text::Commander);
  return outcome;
}

}  // namespace

void GameController::DoKey(GameKey key) {
  if (!session_.InProgress) return;
  if (session_.Picture != ScannerPicture::None) {
    Resume();
    return;
  }
  const bool diagnostics = session_.Diagnostics;
  switch (key) {
    case GameKey::Fire: FireAtTarget(); break;
    case GameKey::Diagnostics: Show(ToggleDiagnostics(session_)); break;
    case GameKey::Engines: Show(diagnostics ? SelectSystem(session_, DiagnosticsSystem::Fuel) : EngageEngines(session_)); break;
    case GameKey::Reverse: Show(ReverseEngines(session_)); break;
    case GameKey::Tracing: Show(diagnostics ? ToggleTracing(session_) : Commander()); break;
    case GameKey::Weapons: Show(diagnostics ? SelectSystem(session_, DiagnosticsSystem::Missiles) : Commander()); break;
    case GameKey::ScanX: Show(SelectScanAxis(session_, ScanAxis::X)); break;
    case GameKey::ScanY: Show(SelectScanAxis(session_, ScanAxis::Y)); break;
    case GameKey::ScanZ: Show(SelectScanAxis(session_, ScanAxis::Z)); break;
    case GameKey::Increase: Show(diagnostics ? AdjustGauge(session_, true) : Commander()); break;
    case GameKey::Decrease: Show(diagnostics ? AdjustGauge(session_, false) : Commander()); break;
    case GameKey::Aim: AimAndFire(); break;
    case GameKey::Helm: SteerByHelm(); break;
    case GameKey::Log: ViewScannerLog(); break;
    case GameKey::Other: Show(Commander()); break;
  }
  window_.UpdateMenus();
}

void GameController::DoLeftClick(int x, int y) {
  if (!session_.InProgress) return;
  if (session_.Picture != ScannerPicture::None) {
    Resume();
    return;
  }
  if (const std::optional<Cell> cell = CellAt(x, y)) Show(Retarget(session_, *cell));
}

void GameController::DoRightClick(int x, int y) {
  if (!InPlay() || !CellAt(x, y)) return;
  FireAtTarget();
  // A shot can end the game, which grays the game's commands.
  window_.UpdateMenus();
}

}  // namespace kestravane
