#pragma once

#include <QLabel>

#include "platform/resources.h"

namespace platform {

// Shows `icon` in an icon control, or nothing when it is null. The control
// grows to the icon's size, as icon controls always have, so that a layout
// may give an icon only its corner.
void ShowIcon(QLabel* label, const Picture& icon);

}  // namespace platform
