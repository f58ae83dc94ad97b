#include "dialogs/aim_dialog.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "support/catalogue.h"
#include "support/dialog_layout.h"

namespace kestravane {

namespace {

struct Coordinate {
  Text label;
  const char* letter;
  int Quadrant::*member;
};

// The two coordinates of the sector on the scanner, in the order the fields
// show them.
std::array<Coordinate, 2> CoordinatesFor(ScanAxis scanAxis) {
  switch (scanAxis) {
    case ScanAxis::Y:
      return {{{Text::AimZ, "Z", &Quadrant::Z}, {Text::AimX, "X", &Quadrant::X}}};
    case ScanAxis::X:
      return {{{Text::AimY, "Y", &Quadrant::Y}, {Text::AimZ, "Z", &Quadrant::Z}}};
    default:
      return {{{Text::AimY, "Y", &Quadrant::Y}, {Text::AimX, "X", &Quadrant::X}}};
  }
}

}  // namespace

AimDialog::AimDialog(QWidget* owner, const GameState& state, Placement& placement)
    : PlacedDialog(owner, placement), target_{state.Z, state.Y, state.X} {
  const std::array<Coordinate, 2> shown = CoordinatesFor(state.Axis);
  SetUpDialog(*this, Tr(Text::AimTitle));
  auto* layout = new DialogLayout(this, 156, 116);
  layout->Add(new QGroupBox(Tr(Text::TargetFrame)), {6, 5, 100, 49});
  layout->Add(IconLabel(Icon::Aim), {17, 23});
  for (int index = 0; index < 2; ++index) {
    const int top = 17 + 18 * index;
    auto* label = layout->Add(new DialogLabel(Tr(shown[index].label), Qt::AlignRight), {50, top + 2, 8, 8});
    auto* edit = layout->Add(new QLineEdit, {62, top, 20, 13});
    label->setBuddy(edit);
    edit->setAccessibleName(WithoutMnemonic(label->text()));
    fields_[index] = {{edit, shown[index].letter}, shown[index].member};
  }
  layout->Add(new QGroupBox(Tr(Text::ShortcutFrame)), {6, 57, 143, 52});
  layout->Add(IconLabel(Icon::Hint), {17, 76});
  layout->Add(new DialogLabel(Tr(Text::AimHint1)), {42, 70, 104, 8});
  layout->Add(new DialogLabel(Tr(Text::AimHint2)), {42, 78, 104, 8});
  layout->Add(new DialogLabel(Tr(Text::AimHint3)), {42, 86, 104, 8});
  layout->Add(new DialogLabel(Tr(Text::AimHint4)), {42, 94, 104, 8});
  QPushButton* fire = layout->Add(new QPushButton(Tr(Text::Fire)), {113, 11, 34, 14});
  QPushButton* cancel = layout->Add(new QPushButton(Tr(Text::Cancel)), {113, 31, 34, 14});
  fire->setDefault(true);
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
      RefuseCoordinate(field.field, target_.*field.coordinate, Text::CoordinateRange);
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
