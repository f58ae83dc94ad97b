#pragma once

namespace kestravane {

// The support library's own texts, catalogue IDs from 60000 to 60100. Only
// the texts the game shows are kept, each under its original ID.

// The built-in text `id`, or null when there is none.
const char* FindBuiltinText(unsigned id);

}  // namespace kestravane
