#include "dialogs/helm_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "dialogs/coordinate_field.h"
#include "support/catalogue.h"
#include "support/dialog_layout.h"

namespace kestravane {

HelmDialog::HelmDialog(QWidget* owner, const GameState& state, Placement& placement)
    : PlacedDialog(owner, placement), orders_{{state.Z, state.Y, state.X}, state.Axis}, axes_(new QButtonGroup(this)) {
  SetUpDialog(*this, Tr(Text::HelmTitle));
  auto* layout = new DialogLayout(this, 156, 126);
  layout->Add(new QGroupBox(Tr(Text::DestinationFrame)), {6, 5, 100, 69});
  layout->Add(IconLabel(Icon::Helm), {17, 24});
  // Only the fields are on the Tab chain; the axis buttons answer to their letters.
  const auto axis = [&](ScanAxis scanAxis, Text name, int top) {
    auto* button = layout->Add(new QRadioButton(Tr(name)), {48, top, 18, 10});
    button->setFocusPolicy(Qt::ClickFocus);
    axes_->addButton(button, Id(scanAxis));
  };
  axis(ScanAxis::Z, Text::HelmZ, 21);
  z_ = layout->Add(new QLineEdit, {69, 19, 20, 13});
  axis(ScanAxis::Y, Text::HelmY, 38);
  y_ = layout->Add(new QLineEdit, {69, 36, 20, 13});
  axis(ScanAxis::X, Text::HelmX, 55);
  x_ = layout->Add(new QLineEdit, {69, 53, 20, 13});
  layout->Add(new QGroupBox(Tr(Text::HelpFrame)), {6, 76, 144, 45});
  layout->Add(IconLabel(Icon::Hint), {16, 91});
  layout->Add(new DialogLabel(Tr(Text::HelmHint1)), {40, 90, 105, 8});
  layout->Add(new DialogLabel(Tr(Text::HelmHint2)), {40, 98, 105, 8});
  layout->Add(new DialogLabel(Tr(Text::HelmHint3)), {40, 106, 105, 8});
  QPushButton* engage = layout->Add(new QPushButton(Tr(Text::Engage)), {114, 13, 34, 14});
  QPushButton* cancel = layout->Add(new QPushButton(Tr(Text::Cancel)), {114, 33, 34, 14});
  engage->setDefault(true);
  connect(engage, &QPushButton::clicked, this, &HelmDialog::Engage);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  for (const auto& [field, coordinate] : Fields()) {
    ShowCoordinate(field, *coordinate);
    // The radio button beside a field is its label.
    field.edit->setAccessibleName(QString::fromUtf8(field.letter));
  }
  if (QAbstractButton* checked = axes_->button(Id(orders_.Axis))) checked->setChecked(true);
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
      RefuseCoordinate(field, *coordinate, Text::CoordinateRange);
      return;
    }
    *coordinate = value;
  }
  if (axes_->checkedId() >= 0) orders_.Axis = static_cast<ScanAxis>(axes_->checkedId());
  accept();
}

std::optional<HelmOrders> RunHelmDialog(QWidget* owner, const GameState& state, Placement& placement) {
  return RunModal(new HelmDialog(owner, state, placement), [](const HelmDialog& dialog) { return dialog.orders(); });
}

}  // namespace kestravane
