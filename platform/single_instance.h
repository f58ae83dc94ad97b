#pragma once

#include <functional>
#include <string>

namespace kestravane::platform {

enum class InstanceClaim {
  First,           // no other copy: this one now answers later starts
  AnotherRunning,  // another copy runs and has been asked to come forward
};

// Looks for a running copy of the program under `name` for this user. When
// there is one, asks it to come forward and to open `document`, a path the
// running copy can use as it is (none when empty). Otherwise starts
// answering later copies: each such request runs `comeForward` with its
// document from the event loop.
InstanceClaim ClaimSingleInstance(const char* name, const std::string& document,
                                  std::function<void(const std::string& document)> comeForward);

}  // namespace kestravane::platform
