// The keys and mouse clicks of the main window.

#include "app/game_controller.h"
#include "display/main_layout.h"
#include "engine/modes.h"
#include "engine/navigation.h"
#include "engine/targeting.h"
#include "platform/keys.h"

namespace {

bool InScannerView(int x, int y) {
  const platform::Rect& area = layout::ScannerArea;
  return x >= area.left && x < area.right && y >= area.top && y < area.bottom;
}

Outcome Commander() {
  Outcome outcome;
  outcome.Post(Text::Commander);
  return outcome;
}

}  // namespace

bool GameController::KeyFires(int key) { return key == platform::KeySpace || key == 'F'; }

// Letter keys arrive as their upper-case codes.
void GameController::DoKeyDown(platform::Window* window, int key) {
  if (!session_.InProgress) return;
  if (session_.Picture != ScannerPicture::None) {
    Resume(window);
    return;
  }
  const bool diagnostics = session_.Diagnostics;
  switch (key) {
    case platform::KeySpace:
    case 'F':
      FireAtTarget(window);
      break;
    case 'D':
      Show(window, ToggleDiagnostics(session_));
      break;
    case 'E':
      Show(window, diagnostics ? SelectSystem(session_, DiagnosticsSystem::Fuel) : EngageEngines(session_));
      break;
    case 'R':
      Show(window, ReverseEngines(session_));
      break;
    case 'S':
      Show(window, diagnostics ? ToggleTracing(session_) : Commander());
      break;
    case 'W':
      Show(window, diagnostics ? SelectSystem(session_, DiagnosticsSystem::Missiles) : Commander());
      break;
    case 'X':
      Show(window, SelectScanAxis(session_, ScanAxis::X));
      break;
    case 'Y':
      Show(window, SelectScanAxis(session_, ScanAxis::Y));
      break;
    case 'Z':
      Show(window, SelectScanAxis(session_, ScanAxis::Z));
      break;
    case platform::KeyUp:
    case platform::KeyRight:
      Show(window, diagnostics ? AdjustGauge(session_, true) : Commander());
      break;
    case platform::KeyLeft:
    case platform::KeyDown:
      Show(window, diagnostics ? AdjustGauge(session_, false) : Commander());
      break;
    case 'A':
      AimAndFire(window);
      break;
    case 'H':
      SteerByHelm(window);
      break;
    case 'L':
      ViewScannerLog(window);
      break;
    default:
      Show(window, Commander());
      break;
  }
  UpdateMenus(window);
}

void GameController::DoLeftClick(platform::Window* window, int x, int y) {
  if (!session_.InProgress) return;
  if (session_.Picture != ScannerPicture::None) {
    Resume(window);
    return;
  }
  if (!InScannerView(x, y)) return;
  const Cell cell{(y - layout::ScannerArea.top) / 32, (x - layout::ScannerArea.left) / 32};
  Show(window, Retarget(session_, cell));
}

void GameController::DoRightClick(platform::Window* window, int x, int y) {
  if (!InPlay() || !InScannerView(x, y)) return;
  FireAtTarget(window);
  // A shot can end the game, which grays the game's commands.
  UpdateMenus(window);
}
