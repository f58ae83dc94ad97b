// The dialogs as the application still calls them, over its platform window.

#include <QWidget>

#include "dialogs/aim_dialog.h"
#include "dialogs/helm_dialog.h"
#include "dialogs/options_dialog.h"
#include "dialogs/scanner_log_dialog.h"

namespace {

QWidget* OwnerWidget(platform::Window* owner) {
  QWidget* widget = platform::WindowWidget(owner);
  return widget ? widget->window() : nullptr;
}

}  // namespace

std::optional<HelmOrders> RunHelmDialog(platform::Window* owner, const GameState& state, Placement& placement) {
  return RunHelmDialog(OwnerWidget(owner), state, placement);
}

std::optional<Quadrant> RunAimDialog(platform::Window* owner, const GameState& state, Placement& placement) {
  return RunAimDialog(OwnerWidget(owner), state, placement);
}

std::optional<GameOptions> RunOptionsDialog(platform::Window* owner, const GameOptions& current) {
  return RunOptionsDialog(OwnerWidget(owner), current);
}

void RunScannerLogDialog(platform::Window* owner, const ScanLog& log, int scanAxis, Placement& placement) {
  RunScannerLogDialog(OwnerWidget(owner), log, scanAxis, placement);
}
