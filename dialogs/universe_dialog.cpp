#include "dialogs/universe_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "engine/typed_number.h"
#include "support/form.h"
#include "support/message_box.h"

namespace kestravane {

UniverseDialog::UniverseDialog(QWidget* owner, std::uint32_t proposed, Placement& placement)
    : PlacedDialog(owner, placement), number_(proposed) {
  Form form(*this, "New by Number", {130, 40, 156, 78});
  form.Frame(" Universe ", {6, 5, 100, 40});
  form.IconAt(Icon::Program, 14, 17);
  form.Label("&Number:", {40, 15, 60, 8});
  field_ = {form.Edit({40, 25, 58, 13}), "universe"};
  form.Frame(" Help ", {6, 48, 144, 25});
  form.Label("The same number starts the same universe", {12, 57, 134, 8});
  form.Label("on every computer.", {12, 64, 134, 8});
  QPushButton* start = form.Button("&Start", {114, 11, 34, 14}, true);
  QPushButton* cancel = form.Button("Cancel", {114, 31, 34, 14});
  connect(start, &QPushButton::clicked, this, &UniverseDialog::Start);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  field_.edit->setText(QString::number(number_));
  MoveToPlacement();
  field_.edit->setFocus(Qt::OtherFocusReason);
  field_.edit->selectAll();
}

// Any whole number a universe can have, from 0 to 4294967295, and nothing
// else: no sign, nothing empty.
void UniverseDialog::Start() {
  const std::optional<std::uint32_t> value = TypedUniverseNumber(field_.edit->text().toStdString());
  if (!value) {
    field_.edit->setText(QString::number(number_));
    WarningBox(this, Text::ProgramName, Text::UniverseRange);
    field_.edit->setFocus(Qt::OtherFocusReason);
    field_.edit->selectAll();
    return;
  }
  number_ = static_cast<std::uint32_t>(*value);
  accept();
}

std::optional<std::uint32_t> RunUniverseDialog(QWidget* owner, std::uint32_t proposed, Placement& placement) {
  return RunModal(new UniverseDialog(owner, proposed, placement),
                  [](const UniverseDialog& dialog) { return dialog.number(); });
}

}  // namespace kestravane
