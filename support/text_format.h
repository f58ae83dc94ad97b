#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "engine/message.h"

namespace kestravane {

// Fills the printf-style placeholders of `format` ("%d", "%05d", "%u", "%s",
// "%%" and the like) with `arguments` in order, keeping at most `limit`
// characters. Each placeholder is formatted from the value it is given, so a
// missing argument or one of the other kind prints as 0 or as the number's
// digits: a wrong text never reads past its arguments.
std::string FormatText(std::string_view format, std::span<const TextArgument> arguments,
                       std::size_t limit);

}  // namespace kestravane
