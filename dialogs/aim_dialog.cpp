#include "dialogs/aim_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "support/form.h"

namespace kestravane {

namespace {

struct Coordinate {
  const char* label;
  const char* letter;
  int Quadrant::*member;
};

// The two coordinates of the sector on the scanner, in the order the fields
// show them.
std::array<Coordinate, 2> CoordinatesFor(ScanAxis scanAxis) {
  switch (scanAxis) {
    case ScanAxis::Y:
      return {{{"&Z", "Z", &Quadrant::Z}, {"&X", "X", &Quadrant::X}}};
    case ScanAxis::X:
      return {{{"&Y", "Y", &Quadrant::Y}, {"&Z", "Z", &Quadrant::Z}}};
    default:
      return {{{"&Y", "Y", &Quadrant::Y}, {"&X", "X", &Quadrant::X}}};
  }
}

}  // namespace

AimDialog::AimDialog(QWidget* owner, const GameState& state, Placement& placement)
    : PlacedDialog(owner, placement), target_{state.Z, state.Y, state.X} {
  const std::array<Coordinate, 2> shown = CoordinatesFor(state.Axis);
  Form form(*this, "Aim", {130, 40, 156, 116});
  form.Frame(" Target ", {6, 5, 100, 49});
  form.IconAt(Icon::Aim, 17, 23);
  form.Label(shown[0].label, {50, 19, 8, 8}, Qt::AlignRight);
  fields_[0] = {{form.Edit({62, 17, 20, 13}), shown[0].letter}, shown[0].member};
  form.Label(shown[1].label, {50, 37, 8, 8}, Qt::AlignRight);
  fields_[1] = {{form.Edit({62, 35, 20, 13}), shown[1].letter}, shown[1].member};
  form.Frame(" Shortcut ", {6, 57, 143, 52});
  form.IconAt(Icon::Hint, 17, 76);
  form.Label("You may also select a target by", {42, 70, 104, 8});
  form.Label("clicking the mouse directly on a", {42, 78, 104, 8});
  form.Label("coordinate, and then press the", {42, 86, 104, 8});
  form.Label("space bar to launch a missile.", {42, 94, 104, 8});
  QPushButton* fire = form.Button("&Fire", {113, 11, 34, 14}, true);
  QPushButton* cancel = form.Button("Cancel", {113, 31, 34, 14});
  connect(fire, &QPushButton::clicked, this, &AimDialog::Fire);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  for (const Field& field : fields_) ShowCoordinate(field.field, target_.*field.coordinate);
  MoveToPlacement();
  fields_[0].field.edit->setFocus(Qt::OtherFocusReason);
  fields_[0].field.edit->selectAll();
}

// A coordinate is a plain number from 0 to 8: no sign, nothing empty. The
// first field, once accepted, is kept for the next try.
void AimDialog::Fire() {
  for (const Field& field : fields_) {
    const std::optional<int> value = FieldNumber(field.field, false);
    if (!value || static_cast<unsigned>(*value) > AxisLength - 1) {
      RefuseCoordinate(field.field, target_.*field.coordinate, Text::AimCoordinateRange);
      return;
    }
    target_.*field.coordinate = *value;
  }
  accept();
}

std::optional<Quadrant> RunAimDialog(QWidget* owner, const GameState& state, Placement& placement) {
  return RunModal(new AimDialog(owner, state, placement), [](const AimDialog& dialog) { return dialog.target(); });
}

}  // namespace kestravane
