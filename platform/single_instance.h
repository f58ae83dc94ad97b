#pragma once

#include <functional>

namespace kestravane::platform {

enum class InstanceClaim {
  First,           // no other copy: this one now answers later starts
  AnotherRunning,  // another copy runs and has been asked to come forward
};

// Looks for a running copy of the program under `name` for this user. When
// there is one, asks it to come forward. Otherwise starts answering later
// copies: each such request runs `comeForward` from the event loop.
InstanceClaim ClaimSingleInstance(const char* name, std::function<void()> comeForward);

}  // namespace kestravane::platform
