#pragma once

#include <functional>
#include <optional>
#include <string>

#include "engine/session.h"
#include "platform/resources.h"
#include "support/placement.h"

class QWidget;

namespace kestravane {

// Asks the player, in a dialog over `owner`, where to save the map as a PNG
// picture: the file's path, or nothing when he cancelled.
using PicturePathChooser = std::function<std::optional<std::string>(QWidget* owner)>;

// Game > Map of the Hunt: the map of the session's game (display/hunt_map.h)
// over a list that reads each sector to a screen reader, and a button that
// saves the map through `choosePath`. A file that cannot be written is named
// in an error box and left as it was. The dialog opens where `placement`
// says and leaves its place there when it closes.
void RunHuntMapDialog(QWidget* owner, const Session& session, platform::PictureStore& pictures, Placement& placement,
                      const PicturePathChooser& choosePath);

}  // namespace kestravane
