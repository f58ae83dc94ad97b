#include "dialogs/coordinate_field.h"

#include <string>

#include "platform/dialog.h"
#include "platform/window.h"
#include "support/message_box.h"

void RefuseCoordinate(platform::Window* dialog, const CoordinateField& field, int value, Text warning) {
  platform::SetItemInt(dialog, field.item, value, true);
  WarningBox(platform::WindowWidget(dialog), Text::ProgramName, warning, std::string(field.letter));
}
