#pragma once

#include <array>
#include <optional>

#include "dialogs/coordinate_field.h"
#include "dialogs/dialog_placement.h"
#include "engine/game_state.h"
#include "engine/sector.h"

namespace kestravane {

// Ship > Aim: the target typed as the two coordinates that vary across the
// sector on the scanner, the row's then the column's, except along X. Fire
// closes it only once both are in the sector.
class AimDialog : public PlacedDialog {
 public:
  AimDialog(QWidget* owner, const GameState& state, Placement& placement);

  const Quadrant& target() const { return target_; }

 private:
  struct Field {
    CoordinateField field;
    int Quadrant::*coordinate;
  };

  void Fire();

  Quadrant target_;
  std::array<Field, 2> fields_;
};

// Runs the Aim dialog over `owner` for the target of `state`: the quadrant
// to fire at when the player fires, nothing when he cancels. The dialog
// opens where `placement` says and leaves its place there when it closes,
// either way.
std::optional<Quadrant> RunAimDialog(QWidget* owner, const GameState& state, Placement& placement);

}  // namespace kestravane
