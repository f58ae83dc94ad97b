#pragma once

#include <optional>

#include "engine/identifiers.h"

class QLineEdit;

namespace kestravane {

// A field of the Helm or Aim dialog that holds one coordinate of a quadrant.
struct CoordinateField {
  QLineEdit* edit;
  const char* letter;  // the coordinate's name in the warning
};

// The field's text as a decimal number with blanks around it, a sign only
// when `isSigned`; nothing when it is not one or does not fit in 32 bits. An
// unsigned number above the signed range comes back as its 32-bit pattern.
std::optional<int> FieldNumber(const CoordinateField& field, bool isSigned);

// Shows `value` in the field.
void ShowCoordinate(const CoordinateField& field, int value);

// Puts `value` back into the field and tells the player, in a warning over
// the dialog, what the coordinate must be.
void RefuseCoordinate(const CoordinateField& field, int value, Text warning);

}  // namespace kestravane
