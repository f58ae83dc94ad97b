#include "dialogs/coordinate_field.h"

#include <QLineEdit>
#include <cstdint>
#include <string>

#include "engine/typed_number.h"
#include "support/message_box.h"

namespace kestravane {

std::optional<int> FieldNumber(const CoordinateField& field, bool isSigned) {
  const std::optional<std::int64_t> number = TypedNumber(field.edit->text().toStdString(), isSigned);
  if (!number) return std::nullopt;
  return static_cast<int>(static_cast<std::uint32_t>(*number));
}

void ShowCoordinate(const CoordinateField& field, int value) { field.edit->setText(QString::number(value)); }

void RefuseCoordinate(const CoordinateField& field, int value, Text warning) {
  ShowCoordinate(field, value);
  WarningBox(field.edit->window(), warning, std::string(field.letter));
}

}  // namespace kestravane
