#pragma once

#include <string>

namespace kestravane::platform {

// The file that `path` names once every symbolic link on the way is
// followed: the file a save must replace, so that a link the player keeps
// elsewhere (a shared folder, say) still points to the new content. The file
// itself need not exist yet. A chain of links too long to be anything but a
// loop ends where it stands; opening it then reports the loop.
std::string LinkTarget(const std::string& path);

// The folder that holds `path`.
std::string FolderOf(const std::string& path);

}  // namespace kestravane::platform
