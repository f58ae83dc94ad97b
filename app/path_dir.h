#pragma once

#include <string>

namespace kestravane {

// The folder part of `path`, up to and including its last "/"; empty when
// there is none.
std::string PathDir(const std::string& path);

// The folder the file dialogs open in for the document at `path`: PathDir
// without its trailing separator, except for a root, which keeps it. Empty
// when `path` names no folder.
std::string InitialDirectory(const std::string& path);

}  // namespace kestravane
