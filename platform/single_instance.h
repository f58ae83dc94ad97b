#pragma once

namespace platform {

enum class InstanceClaim {
  First,           // no other copy: this one now answers later starts
  AnotherRunning,  // another copy runs and has been asked to come forward
};

// Looks for a running copy of the program under `name` for this user. When
// there is one, asks it to bring its main window to the front. Otherwise
// starts answering later copies: each such request restores, raises and
// activates this program's main window.
InstanceClaim ClaimSingleInstance(const char* name);

}  // namespace platform
