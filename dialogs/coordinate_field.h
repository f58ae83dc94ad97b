#pragma once

#include "engine/identifiers.h"
#include "platform/window.h"

// A field of the Helm or Aim dialog that holds one coordinate of a quadrant.
struct CoordinateField {
  int item;
  const char* letter;  // the coordinate's name in the warning
};

// Puts `value` back into the field and tells the player, in a warning over
// the dialog, what the coordinate must be.
void RefuseCoordinate(platform::Window* dialog, const CoordinateField& field, int value, Text warning);
