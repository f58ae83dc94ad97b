#pragma once

#include <array>
#include <optional>
#include <utility>

#include "dialogs/coordinate_field.h"
#include "dialogs/dialog_placement.h"
#include "engine/game_state.h"
#include "engine/sector.h"

class QButtonGroup;
class QLineEdit;

namespace kestravane {

// Where the helm sends the ship, and which way the scanner then looks.
struct HelmOrders {
  Quadrant Destination;
  kestravane::ScanAxis Axis;

  bool operator==(const HelmOrders&) const = default;
};

// Ship > Helm: a destination typed as coordinates, and the scan axis. Only
// the fields are on the Tab chain, so that "3 Tab 4 Tab 5 Enter" sets a
// course; the axis buttons answer to their letters. Engage closes it only
// once every coordinate is in the cube.
class HelmDialog : public PlacedDialog {
 public:
  HelmDialog(QWidget* owner, const GameState& state, Placement& placement);

  const HelmOrders& orders() const { return orders_; }

 private:
  std::array<std::pair<CoordinateField, int*>, 3> Fields();
  void Engage();

  HelmOrders orders_;
  QButtonGroup* axes_;
  QLineEdit* z_;
  QLineEdit* y_;
  QLineEdit* x_;
};

// Runs the Helm dialog over `owner` for the ship of `state`: the orders when
// the player engages, nothing when he cancels. The dialog opens where
// `placement` says and leaves its place there when it closes, either way.
std::optional<HelmOrders> RunHelmDialog(QWidget* owner, const GameState& state, Placement& placement);

}  // namespace kestravane
