#pragma once

#include <array>

inline constexpr unsigned FirstBuiltinText = 60000;
inline constexpr unsigned BuiltinTextCount = 101;

extern const std::array<const char*, BuiltinTextCount> BuiltinTexts;
