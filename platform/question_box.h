#pragma once

#include "platform/window.h"

namespace platform {

enum class Answer { Yes, No, Cancel };

// The window system's own question box with Yes, No and Cancel buttons and
// the question icon, owned by `owner`.
Answer AskYesNoCancel(Window* owner, const char* caption, const char* text);

}  // namespace platform
