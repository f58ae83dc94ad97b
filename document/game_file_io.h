#pragma once

#include <optional>
#include <string>
#include <variant>

#include "document/game_file_format.h"
#include "engine/message.h"

namespace kestravane {

// Game documents on disk. Writing never touches the old document until the
// new one is complete; reading checks everything before handing it over.

// Why a document could not be written or read: the warning the player sees.
struct DocumentFailure {
  Message Warning;
};

std::optional<DocumentFailure> WriteGameDocument(const std::string& path, const GameFileBytes& bytes);

std::variant<LoadedGame, DocumentFailure> ReadGameDocument(const std::string& path);

}  // namespace kestravane
