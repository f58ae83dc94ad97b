#pragma once

#include <cstddef>
#include <optional>

#include "engine/captains_record.h"
#include "support/placement.h"

class QWidget;

namespace kestravane {

// Game > Captain's Record: for each difficulty, the games played, won and
// lost, the win rate and the ten best victories, `highlighted` (an entry of
// the record, the game just won) marked among them. The page of `shown`
// opens first. A button clears the record once the player confirms it; the
// record is then empty. True when it was cleared. It opens where the player
// left it last, kept in `placement`.
bool RunRecordDialog(QWidget* owner, CaptainsRecord& record, Difficulty shown, std::optional<std::size_t> highlighted,
                     Placement& placement);

}  // namespace kestravane
