#pragma once

#include <QIcon>

namespace kestravane::platform {

// The program's icon at every size the desktop's icon theme has, for a
// window's frame, its task bar entry and the window switcher.
QIcon WindowIcon();

}  // namespace kestravane::platform
