#pragma once

#include <QString>

#include "engine/session.h"

namespace kestravane {

// What the page the scanner shows in place of the sector says, word for
// word, for a player who cannot see it; empty while the sector shows.
QString PictureText(const Session& session);

}  // namespace kestravane
