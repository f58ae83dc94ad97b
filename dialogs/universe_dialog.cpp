#include "dialogs/universe_dialog.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "engine/typed_number.h"
#include "support/catalogue.h"
#include "support/dialog_layout.h"
#include "support/message_box.h"

namespace kestravane {

UniverseDialog::UniverseDialog(QWidget* owner, std::uint32_t proposed, Placement& placement)
    : PlacedDialog(owner, placement), number_(proposed) {
  SetUpDialog(*this, Tr(Text::UniverseTitle));
  auto* layout = new DialogLayout(this, 156, 78);
  layout->Add(new QGroupBox(Tr(Text::UniverseFrame)), {6, 5, 100, 40});
  layout->Add(IconLabel(Icon::Program), {14, 17});
  auto* label = layout->Add(new DialogLabel(Tr(Text::UniverseField)), {40, 15, 60, 8});
  field_ = layout->Add(new QLineEdit, {40, 25, 58, 13});
  label->setBuddy(field_);
  field_->setAccessibleName(WithoutMnemonic(label->text()));
  layout->Add(new QGroupBox(Tr(Text::HelpFrame)), {6, 48, 144, 25});
  layout->Add(new DialogLabel(Tr(Text::UniverseHint1)), {12, 57, 134, 8});
  layout->Add(new DialogLabel(Tr(Text::UniverseHint2)), {12, 64, 134, 8});
  QPushButton* start = layout->Add(new QPushButton(Tr(Text::Start)), {114, 11, 34, 14});
  QPushButton* cancel = layout->Add(new QPushButton(Tr(Text::Cancel)), {114, 31, 34, 14});
  start->setDefault(true);
  connect(start, &QPushButton::clicked, this, &UniverseDialog::Start);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  field_->setText(QString::number(number_));
  MoveToPlacement();
  field_->setFocus(Qt::OtherFocusReason);
  field_->selectAll();
}

// Any whole number a universe can have, from 0 to 4294967295, and nothing
// else: no sign, nothing empty.
void UniverseDialog::Start() {
  const std::optional<std::uint32_t> value = TypedUniverseNumber(field_->text().toStdString());
  if (!value) {
    field_->setText(QString::number(number_));
    WarningBox(this, Text::UniverseRange);
    field_->setFocus(Qt::OtherFocusReason);
    field_->selectAll();
    return;
  }
  number_ = *value;
  accept();
}

std::optional<std::uint32_t> RunUniverseDialog(QWidget* owner, std::uint32_t proposed, Placement& placement) {
  return RunModal(new UniverseDialog(owner, proposed, placement),
                  [](const UniverseDialog& dialog) { return dialog.number(); });
}

}  // namespace kestravane
