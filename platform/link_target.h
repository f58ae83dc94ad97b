#pragma once

#include <optional>
#include <string>

namespace kestravane::platform {

// The file that `path` names once every symbolic link on the way is
// followed: the file a save must replace, so that a link the player keeps
// elsewhere (a shared folder, say) still points to the new content. The file
// itself need not exist yet. Links are followed only where the system itself
// would follow them for a program that creates a file: in a folder anyone
// may write to that keeps its files to their owners (/tmp, say), only a link
// of this user's or of the folder's owner. Nothing, with errno set, for a
// link that may not be followed (EACCES) or a loop of links (ELOOP).
std::optional<std::string> LinkTarget(const std::string& path);

// The folder that holds `path`.
std::string FolderOf(const std::string& path);

}  // namespace kestravane::platform
