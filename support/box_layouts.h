#pragma once

#include "support/form.h"

namespace kestravane {

// Every error and warning box has the same size, font, icon, message and
// button whoever raises it: 220 x 85 dialog units, the icon at the top left,
// the message beside it and the button below.
namespace box_layout {

inline constexpr UnitRect Box{90, 70, 220, 85};
inline constexpr UnitRect Icon{8, 9, 18, 20};
inline constexpr UnitRect Message{37, 8, 175, 50};
inline constexpr UnitRect OkButton{91, 65, 36, 14};

}  // namespace box_layout

}  // namespace kestravane
