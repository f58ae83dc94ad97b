#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kestravane::platform {

// What a later start sends the copy already running: the line
// "come forward", then the path of the document to open, if any, and a NUL
// byte, which no path holds. A copy of an older version sends the line alone.

// The longest request read; a path does not come near it.
inline constexpr std::size_t LongestHandOver = 8192;

// The request that hands over `document`, a path without a NUL byte, or
// none when it is empty.
std::string HandOverRequest(std::string_view document);

// What the bytes received so far ask for. A decision never changes with the
// bytes that come after it; once the sender has gone (`ended`) there is
// always one.
struct HandOver {
  enum class Decision {
    Waiting,      // more must come
    ComeForward,  // come forward and open `document`, if any
    Refused,      // not a request: a stranger, or a request cut short
  } decision = Decision::Waiting;
  std::string document;

  bool operator==(const HandOver&) const = default;
};
HandOver ReadHandOver(std::string_view received, bool ended);

}  // namespace kestravane::platform
