#include "dialogs/aim_dialog.h"

#include <array>

#include "dialogs/aim_layout.h"
#include "dialogs/coordinate_field.h"
#include "dialogs/dialog_placement.h"
#include "platform/dialog.h"
#include "platform/window.h"
#include "platform/dialog_items.h"

namespace {

struct AimField {
  AimItem label;
  const char* labelText;
  CoordinateField field;
  int Quadrant::*coordinate;
};


// The two coordinates of the sector on the scanner, in the order the fields
// show them: the row's, then the column's, except along X.
std::array<AimField, 2> FieldsFor(ScanAxis scanAxis) {
  constexpr auto first = [](const char* text, const char* letter, int Quadrant::*coordinate) {
    return AimField{AimItem::FirstLabel, text, {Id(AimItem::FirstField), letter}, coordinate};
  };
  constexpr auto second = [](const char* text, const char* letter, int Quadrant::*coordinate) {
    return AimField{AimItem::SecondLabel, text, {Id(AimItem::SecondField), letter}, coordinate};
  };
  switch (scanAxis) {
    case ScanAxis::Y:
      return {first("&Z", "Z", &Quadrant::Z), second("&X", "X", &Quadrant::X)};
    case ScanAxis::X:
      return {first("&Y", "Y", &Quadrant::Y), second("&Z", "Z", &Quadrant::Z)};
    default:
      return {first("&Y", "Y", &Quadrant::Y), second("&X", "X", &Quadrant::X)};
  }
}

class AimEvents final : public platform::DialogEvents {
 public:
  AimEvents(platform::Window* owner, const GameState& state, Placement& placement)
      : owner_(owner), placement_(placement), target_{state.Z, state.Y, state.X}, fields_(FieldsFor(state.Axis)) {}

  const Quadrant& target() const { return target_; }

  bool Initialise(platform::Window* dialog) override {
    for (const AimField& field : fields_) {
      platform::SetItemText(dialog, Id(field.label), field.labelText);
      platform::SetItemInt(dialog, field.field.item, target_.*field.coordinate, true);
    }
    PlaceDialog(dialog, owner_, placement_);
    platform::FocusItem(dialog, Id(AimItem::FirstField));
    return false;
  }

  void Command(platform::Window* dialog, int id, int) override {
    if (id == Id(DialogButton::Confirm)) {
      if (Validate(dialog)) EndPlacedDialog(dialog, placement_, 1);
    } else if (id == Id(DialogButton::Cancel)) {
      EndPlacedDialog(dialog, placement_, 0);
    }
  }

 private:
  // A coordinate is a plain number from 0 to 8: no sign, nothing empty. The
  // first field, once accepted, is kept for the next try.
  bool Validate(platform::Window* dialog) {
    for (const AimField& field : fields_) {
      const std::optional<int> value = platform::ItemInt(dialog, field.field.item, false);
      if (!value || static_cast<unsigned>(*value) > AxisLength - 1) {
        RefuseCoordinate(dialog, field.field, target_.*field.coordinate, Text::AimCoordinateRange);
        return false;
      }
      target_.*field.coordinate = *value;
    }
    return true;
  }

  platform::Window* owner_;
  Placement& placement_;
  Quadrant target_;
  std::array<AimField, 2> fields_;
};

}  // namespace

std::optional<Quadrant> RunAimDialog(QWidget* ownerWidget, const GameState& state, Placement& placement) {
  platform::Window* owner = platform::OwnerWindow(ownerWidget);
  AimEvents events(owner, state, placement);
  if (platform::RunDialog(owner, aim_layout::Layout, &events) == 0) return std::nullopt;
  return events.target();
}
