#include "dialogs/helm_dialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "dialogs/coordinate_field.h"
#include "support/form.h"

namespace kestravane {

HelmDialog::HelmDialog(QWidget* owner, const GameState& state, Placement& placement)
    : PlacedDialog(owner, placement), orders_{{state.Z, state.Y, state.X}, state.Axis} {
  Form form(*this, "Helm", {130, 40, 156, 126});
  form.Frame(" Destination ", {6, 5, 100, 69});
  form.IconAt(Icon::Helm, 17, 24);
  form.Radio(axes_, Id(ScanAxis::Z), "&Z:", {48, 21, 18, 10}, Tab::Skip);
  z_ = form.Edit({69, 19, 20, 13});
  form.Radio(axes_, Id(ScanAxis::Y), "&Y:", {48, 38, 18, 10}, Tab::Skip);
  y_ = form.Edit({69, 36, 20, 13});
  form.Radio(axes_, Id(ScanAxis::X), "&X:", {48, 55, 18, 10}, Tab::Skip);
  x_ = form.Edit({69, 53, 20, 13});
  form.Frame(" Help ", {6, 76, 144, 45});
  form.IconAt(Icon::Hint, 16, 91);
  form.Label("Use the radio buttons to the left", {40, 90, 105, 8});
  form.Label("of the coordinate labels to specify", {40, 98, 105, 8});
  form.Label("the desired scanner viewing axis.", {40, 106, 105, 8});
  QPushButton* engage = form.Button("&Engage", {114, 13, 34, 14}, true);
  QPushButton* cancel = form.Button("Cancel", {114, 33, 34, 14});
  connect(engage, &QPushButton::clicked, this, &HelmDialog::Engage);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  for (const auto& [field, coordinate] : Fields()) {
    ShowCoordinate(field, *coordinate);
    // The radio button beside a field is its label.
    field.edit->setAccessibleName(QString::fromUtf8(field.letter));
  }
  axes_.Check(Id(orders_.Axis));
  MoveToPlacement();
  z_->setFocus(Qt::OtherFocusReason);
  z_->selectAll();
}

std::array<std::pair<CoordinateField, int*>, 3> HelmDialog::Fields() {
  Quadrant& to = orders_.Destination;
  return {{{{z_, "Z"}, &to.Z}, {{y_, "Y"}, &to.Y}, {{x_, "X"}, &to.X}}};
}

// Field by field: a coordinate accepted before a refused one is kept for the
// next try. An empty or unreadable field counts as 0.
void HelmDialog::Engage() {
  for (const auto& [field, coordinate] : Fields()) {
    const int value = FieldNumber(field, true).value_or(0);
    if (value < 0 || value > AxisLength - 1) {
      RefuseCoordinate(field, *coordinate, Text::HelmCoordinateRange);
      return;
    }
    *coordinate = value;
  }
  if (axes_.Checked() >= 0) orders_.Axis = static_cast<ScanAxis>(axes_.Checked());
  accept();
}

std::optional<HelmOrders> RunHelmDialog(QWidget* owner, const GameState& state, Placement& placement) {
  return RunModal(new HelmDialog(owner, state, placement), [](const HelmDialog& dialog) { return dialog.orders(); });
}

}  // namespace kestravane
